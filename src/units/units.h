#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The unit lists the wizard screens offer, each item with the conversion of
// a value entered in it to the internal inch-ounce-second unit.
namespace units {

struct Unit {
    QString text;
    std::function<double(double)> toInternal;
};

class UnitList {
  public:
    UnitList(QList<Unit> items) : items_(std::move(items)) {}

    QStringList texts() const;
    bool contains(const QString& text) const;
    // x in the unit named by text; a text that names no item leaves x as it is.
    double toInternal(const QString& text, double x) const;
    // x in internal units as that unit shows it; every list but the pitch's
    // scales, so this is x over one unit's worth.
    double fromInternal(const QString& text, double x) const;

  private:
    QList<Unit> items_;
};

const UnitList& dimensionUnits();      // in
const UnitList& systemLengthUnits();   // in
const UnitList& weightUnits();         // oz
const UnitList& loadCalcWeightUnits(); // oz, with the load calculator's shorter factors
const UnitList& pitchUnits();          // revs/in
const UnitList& inertiaUnits();        // oz-in-sec^2
const UnitList& rotaryDistanceUnits(); // revs
const UnitList& rotarySpeedUnits();    // revs/sec
const UnitList& linearSpeedUnits();    // in/sec
const UnitList& torqueUnits();         // oz-in

// Pulley materials give a density in oz/in^3; a text that names no material gives 0.
QStringList pulleyMaterials();
double density(const QString& material);

} // namespace units
