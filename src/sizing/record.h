#pragma once

#include "flow/field.h"

#include <QString>
#include <QStringList>

struct Application;

QString motionText(Motion motion); // "Rotary", "Linear", or empty

enum class ProfileType { None, Triangular, Trapezoidal, ConstantVelocity };

// The load weight in oz, or no weight because the load was described by its
// inertia alone ("Inertia Given").
struct LoadWeight {
    double oz = 0;
    bool inertiaGiven = false;

    static constexpr const char* inertiaGivenText = "Inertia Given";
    // As the preliminary findings show it.
    QString text() const;
    bool operator==(const LoadWeight&) const = default;
};

// What the steps of a sizing hand on to one another: the choices, the
// figures in inch-ounce-second units, and each screen's report lines as its
// last successful main action wrote them.
struct SizingRecord {
    Motion MotionType = Motion::None;
    const Application* AppType = nullptr;
    double ReflectedJ = 0; // oz-in-sec^2, at the motor shaft
    double T_Thrust = 0;   // oz-in
    double T_Gravity = 0;  // oz-in
    LoadWeight Weight;
    bool LoadCalc = false;      // the load calculator entered the load
    double RotaryReduction = 0; // motor revolutions per load revolution
    double LinearReduction = 0; // motor revolutions per inch of travel
    double SpdMultiplier = 0;   // the motor's acceleration rate, rad/sec^2
    double T_Accel = 0;         // oz-in, without the motor's inertia
    ProfileType MotionProfile = ProfileType::None;
    double AddedGBReduction = 0; // above 0 while a gearbox is added
    // The added gearbox's own inertia at the motor and its efficiency, and
    // its report lines, as its NEXT stored them.
    double AddedGBInertia = 0;    // oz-in-sec^2
    double AddedGBEfficiency = 1; // a fraction
    QStringList AddedGearbox;

    // The application's mechanism as the report quotes it, from its NEXT.
    QStringList MechanismLines;
    QStringList RMotionProfiles;
    QStringList LMotionProfiles;
    QStringList RLoadCalcs;
    QStringList MotorSelection;

    // While a gearbox is added, the mechanisms divide by its ratio and the
    // report says so.
    bool gearboxAdded() const { return AddedGBReduction > 0; }

    // A rotary screen's load inertia entry was edited: unless the load
    // calculator supplied the load, its weight is no longer known.
    void loadInertiaEdited();

    bool operator==(const SizingRecord&) const = default;
};
