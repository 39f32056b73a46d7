#include "mechanisms/mechanismlogic.h"

QString mechanismBack(SizingRecord& record, QStringList& reportLines, const QString& choiceScreen) {
    if (record.gearboxAdded())
        return "Gearbox";
    reportLines.clear();
    return choiceScreen;
}

double addedReduction(const SizingRecord& record) {
    const double r = SizingRecord::number(record.AddedGBReduction);
    return r > 0 ? r : 0;
}
