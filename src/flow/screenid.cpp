#include "flow/screenid.h"

bool isSideTool(ScreenId screen) {
    for (ScreenId tool : {ScreenId::LoadCalculations, ScreenId::Conversion, ScreenId::AddGBox,
                          ScreenId::MotorLibrary, ScreenId::MotorFit})
        if (screen == tool)
            return true;
    return false;
}
