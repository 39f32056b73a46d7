#include "mechanisms/loadcalclogic.h"

#include "flow/numbers.h"
#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismlogic.h"
#include "units/units.h"

#include <cmath>

using mech::read;
using Shape = LoadCalcEntries::Shape;

LoadCalcEntries loadCalcEntries(const Form& f) {
    const QString chosen = f.option(fields::LoadType);
    const Shape shape = chosen == fields::SolidCyl    ? Shape::SolidCylinder
                        : chosen == fields::HollowCyl ? Shape::HollowCylinder
                        : chosen == fields::Rect      ? Shape::Rectangular
                                                      : Shape::None;
    return {shape,
            f.entry(fields::SolidOD),
            f.entry(fields::HollowOD),
            f.entry(fields::HollowID),
            f.entry(fields::RectL),
            f.entry(fields::RectW),
            f.unit(fields::LUnits),
            f.entry(fields::Weight),
            f.unit(fields::WTUnits),
            f.entry(fields::Eccentricity)};
}

const Form& loadCalcForm() {
    static const Form form = Form::initial(fields::loadCalc);
    return form;
}

namespace {

struct Dimensions {
    double solidOD = 0, hollowOD = 0, hollowID = 0, rectL = 0, rectW = 0; // as typed
};

// The load's inertia about its own axis (oz-in-sec^2) and its report lines.
struct ShapeInertia {
    double j = 0;
    QStringList lines;
};

ShapeInertia ofShape(const LoadCalcEntries& e, const Dimensions& d, double w) {
    const auto inches = [&](double x) { return units::dimensionUnits().toInternal(e.LUnits, x); };
    const QString unit = " " + e.LUnits;
    const QString weightLine = "Load Weight = " + e.Weight + " " + e.WTUnits;
    switch (e.shape) {
    case Shape::SolidCylinder: {
        const double r = inches(d.solidOD) / 2;
        return {
            w * r * r / 2 / constants::gravity,
            {"Load Type = Solid Cylinder", "Cylinder Diameter = " + e.SolidOD + unit, weightLine}};
    }
    case Shape::HollowCylinder: {
        const double ro = inches(d.hollowOD) / 2, ri = inches(d.hollowID) / 2;
        return {w * (ro * ro + ri * ri) / 2 / constants::gravity,
                {"Load Type = Hollow Cylinder", "Cylinder Outer Diameter = " + e.HollowOD + unit,
                 "Cylinder Inner Diameter = " + e.HollowID + unit, weightLine}};
    }
    case Shape::Rectangular: {
        const double l = inches(d.rectL), b = inches(d.rectW);
        return {w * (l * l + b * b) / 12 / constants::gravity,
                {"Load Type = Rectangular Solid", "Rectangular Length = " + e.RectL + unit,
                 "Rectangular Width = " + e.RectW + unit, weightLine}};
    }
    case Shape::None:
        break;
    }
    return {};
}

} // namespace

LoadCalcOutcome loadCalcEnter(SizingRecord& record, const LoadCalcEntries& e) {
    LoadCalcOutcome result;
    Outcome& out = result.outcome;
    auto stop = [&](Message m, QList<std::pair<QString, QString>> entries = {}) {
        out.messages << std::move(m);
        out.entryTexts << entries;
        return result;
    };

    double solidOD = 0, hollowOD = 0, hollowID = 0, rectW = 0, rectL = 0, weight = 0;
    if (!(read(e.SolidOD, solidOD) && read(e.HollowOD, hollowOD) && read(e.HollowID, hollowID) &&
          read(e.RectW, rectW) && read(e.RectL, rectL) && read(e.Weight, weight)))
        return stop(messages::numbersPlease());

    record.LoadCalc = true;
    if (e.shape == Shape::None)
        return stop({"Load Select", "Please select load type."});
    if (e.LUnits.isEmpty())
        return stop({"Units", "Please select geometry units."});
    if (e.shape == Shape::SolidCylinder && solidOD == 0)
        return stop({"Solid OD", "Please enter Solid Cylinder Outer Diameter."});
    if (e.shape == Shape::HollowCylinder && (hollowOD == 0 || hollowID == 0))
        return stop(
            {"Hollow Cylinder", "For a Hollow Cylinder, please enter Inner and Outer Diameters."});
    if (e.shape == Shape::Rectangular && (rectL == 0 || rectW == 0))
        return stop({"Rectangular Load", "For a Rectangular Load, please enter Length and Width."});
    if (e.WTUnits.isEmpty())
        return stop({"Weight Units", "Please enter the units for weight."});
    if (weight == 0)
        return stop({"Weight", "Please enter the weight of the load."});

    const auto inches = [&](double x) { return units::dimensionUnits().toInternal(e.LUnits, x); };
    const double w = units::loadCalcWeightUnits().toInternal(e.WTUnits, weight);
    if (!std::isfinite(w))
        return stop(messages::outOfRange());
    record.Weight = {w, false};

    double ecc = 0;
    if (!read(e.Eccentricity, ecc))
        return stop({"Error", "Please enter positive numeric values for Eccentricity."},
                    {{fields::Eccentricity, "0"}});
    if (ecc < 0) {
        out.messages << Message{"Error", "Please enter positive numbers only for Eccentricity."};
        out.entryTexts << std::pair<QString, QString>{fields::Eccentricity, "0"};
        ecc = 0;
    }
    const double re = inches(ecc);

    ShapeInertia shaped = ofShape(e, {solidOD, hollowOD, hollowID, rectL, rectW}, w);
    double& j = shaped.j;
    QStringList& lines = shaped.lines;
    const QString unit = " " + e.LUnits;
    if (re > 0) {
        j += w * re * re / constants::gravity;
        lines << "Eccentric Radius = " + e.Eccentricity + unit;
    }
    if (!std::isfinite(j))
        return stop(messages::outOfRange());

    record.RLoadCalcs = lines;
    result.inertia = numbers::formatNonZero(j, u"##0.000");
    out.proceed = true;
    return result;
}

QList<std::pair<QString, QString>> loadCalcClear(SizingRecord& record) {
    record.Weight = {};
    QList<std::pair<QString, QString>> entries;
    for (const Field& field : fields::loadCalc)
        if (field.kind == Field::Kind::Entry)
            entries.append(std::pair<QString, QString>(field, "0"));
    return entries;
}
