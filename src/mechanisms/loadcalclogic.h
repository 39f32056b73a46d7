#pragma once

#include "flow/outcome.h"
#include "flow/sizingrecord.h"

// What the load calculator's ENTER reads: the chosen shape, the entry texts,
// the unit choices (empty when none is chosen) and the tag in its frame.
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
    QString tag; // the caption of the LoadType frame
};

struct LoadCalcOutcome {
    Outcome outcome;
    QString target;  // the mechanism screen whose load inertia entry takes the result
    QString inertia; // the text written there
};

// ENTER of the load calculator: the inertia of the load's shape, with any
// eccentric term, in oz-in-sec^2; stores the weight and RLoadCalcs.
LoadCalcOutcome loadCalcEnter(SizingRecord& record, const LoadCalcEntries& entries);

// CLEAR of the load calculator: the entries it resets, and the record's weight.
QList<std::pair<QString, QString>> loadCalcClear(SizingRecord& record);

// The mechanism screen a load calculator tag writes into; empty for none.
QString loadCalcTarget(const QString& tag);
