#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "sizing/record.h"

// What the load calculator's ENTER reads: the chosen shape, the entry texts
// and the unit choices (empty when none is chosen).
struct LoadCalcEntries {
    enum class Shape { None, SolidCylinder, HollowCylinder, Rectangular };
    Shape shape = Shape::None;
    QString SolidOD = "0";
    QString HollowOD = "0";
    QString HollowID = "0";
    QString RectL = "0";
    QString RectW = "0";
    QString LUnits;
    QString Weight = "0";
    QString WTUnits;
    QString Eccentricity = "0";
};
// The shape is the option chosen in the frame "LoadType".
LoadCalcEntries loadCalcEntries(const Form& form);
// The calculator's entries when it is first shown.
const Form& loadCalcForm();

struct LoadCalcOutcome {
    Outcome outcome;
    QString inertia; // the text the load inertia entry takes
};

// ENTER of the load calculator: the inertia of the load's shape, with any
// eccentric term, in oz-in-sec^2; stores the weight and RLoadCalcs.
LoadCalcOutcome loadCalcEnter(SizingRecord& record, const LoadCalcEntries& entries);

// CLEAR of the load calculator: the entries it resets, and the record's weight.
QList<std::pair<QString, QString>> loadCalcClear(SizingRecord& record);
