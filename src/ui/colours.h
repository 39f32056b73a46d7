#pragma once

#include "flow/verdict.h"

#include <QColor>

namespace colours {

inline const QColor lightGreen{128, 255, 128};
inline const QColor lightRed{255, 128, 128};
inline const QColor lightGrey{224, 224, 224};
inline const QColor lightYellow{255, 255, 128};
inline const QColor lightPink{255, 192, 255};

inline QColor of(Verdict verdict) {
    return verdict == Verdict::Good ? lightGreen : lightRed;
}

} // namespace colours
