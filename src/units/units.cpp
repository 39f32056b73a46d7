#include "units/units.h"

namespace units {
namespace {

Unit same(const char* text) {
    return {text, [](double x) { return x; }};
}
Unit times(const char* text, double f) {
    return {text, [f](double x) { return x * f; }};
}
Unit over(const char* text, double f) {
    return {text, [f](double x) { return x / f; }};
}
Unit into(const char* text, double f) {
    return {text, [f](double x) { return f / x; }};
}

} // namespace

QStringList UnitList::texts() const {
    QStringList out;
    for (const Unit& u : items_)
        out << u.text;
    return out;
}

bool UnitList::contains(const QString& text) const {
    return texts().contains(text);
}

double UnitList::toInternal(const QString& text, double x) const {
    for (const Unit& u : items_)
        if (u.text == text)
            return u.toInternal(x);
    return x;
}

double UnitList::fromInternal(const QString& text, double x) const {
    for (const Unit& u : items_)
        if (u.text == text)
            return x / u.toInternal(1);
    return x;
}

const UnitList& dimensionUnits() {
    static const UnitList list{{same("in"), over("mm", 25.4), over("cm", 2.54)}};
    return list;
}

const UnitList& systemLengthUnits() {
    static const UnitList list{
        {same("in"), times("ft", 12), over("mm", 25.4), over("cm", 2.54), over("m", 0.0254)}};
    return list;
}

const UnitList& weightUnits() {
    static const UnitList list{
        {same("oz"), times("lbs", 16), over("g", 28.3495), times("kg", 35.2739)}};
    return list;
}

const UnitList& loadCalcWeightUnits() {
    static const UnitList list{
        {same("oz"), times("lbs", 16), over("g", 28.35), times("kg", 35.27)}};
    return list;
}

const UnitList& pitchUnits() {
    static const UnitList list{
        {same("revs/in"), into("in/rev", 1), times("revs/mm", 25.4), into("mm/rev", 25.4)}};
    return list;
}

const UnitList& inertiaUnits() {
    static const UnitList list{{
        over("oz-in^2", 386.4),
        same("oz-in-sec^2"),
        {"lb-in^2", [](double x) { return x * 16 / 386.4; }},
        times("lb-in-sec^2", 16),
        {"g-cm^2", [](double x) { return x / 28.3495 / 6.4516 / 386.4; }},
        {"g-cm-sec^2", [](double x) { return x / 28.3495 / 2.54; }},
        {"kg-cm^2", [](double x) { return x * 35.2739 / 6.4516 / 386.4; }},
        {"kg-cm-sec^2", [](double x) { return x * 35.2739 / 2.54; }},
    }};
    return list;
}

const UnitList& rotaryDistanceUnits() {
    static const UnitList list{{same("revs"), over("degrees", 360)}};
    return list;
}

const UnitList& rotarySpeedUnits() {
    static const UnitList list{{same("revs/sec"), over("revs/min", 60), over("degrees/sec", 360)}};
    return list;
}

const UnitList& linearSpeedUnits() {
    static const UnitList list{{same("in/sec"), over("mm/sec", 25.4), over("cm/sec", 2.54)}};
    return list;
}

const UnitList& torqueUnits() {
    static const UnitList list{
        {same("oz-in"), times("lb-in", 16), times("lb-ft", 192), times("N-m", 141.6119)}};
    return list;
}

QStringList pulleyMaterials() {
    return {"Aluminum", "Plastic", "Steel"};
}

double density(const QString& material) {
    if (material == "Aluminum")
        return 1.54;
    if (material == "Plastic")
        return 0.64;
    if (material == "Steel")
        return 4.48;
    return 0;
}

} // namespace units
