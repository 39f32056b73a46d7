#pragma once

#include "flow/sizingrecord.h"

#include <QString>
#include <QStringList>

// BACK on every mechanism screen but the gearbox: with an added gearbox it
// returns to the gearbox screen; otherwise it empties the screen's report
// lines and returns to the choice screen of its motion. Gives the screen to show.
QString mechanismBack(SizingRecord& record, QStringList& reportLines, const QString& choiceScreen);

// The added gearbox ratio a mechanism divides by, or 0 when none is added.
double addedReduction(const SizingRecord& record);
