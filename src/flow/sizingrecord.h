#pragma once

#include <QString>
#include <QStringList>

// The one shared store of a sizing. Scalar fields hold text, numbers in the
// general number form and in inch-ounce-second units; each report-line list
// holds the finished lines of its screen's last successful main action.
// Start Over replaces the record with a fresh one.
struct SizingRecord {
    QString MotionType;
    QString AppType;
    QString ReflectedJ = "0";
    QString T_Thrust = "0";
    QString T_Gravity = "0";
    QString Weight = "0";
    QString LoadCalc = "No";
    QString RotaryReduction = "0";
    QString LinearReduction = "0";
    QString SpdMultiplier = "0";
    QString T_Accel = "0";
    QString MotionProfile;
    QString AddedGBReduction = "0";
    QString GBAdded;

    QStringList RDirectDrive;
    QStringList RBeltPulley;
    QStringList RGearbox;
    QStringList LScrewDrive;
    QStringList LBPScrew;
    QStringList LGBScrew;
    QStringList LNRScrew;
    QStringList LRackPinion;
    QStringList LConveyor;
    QStringList RMotionProfiles;
    QStringList LMotionProfiles;
    QStringList RLoadCalcs;
    QStringList MotorSelection;

    static constexpr const char* inertiaGiven = "Inertia Given";

    // A numeric field read back as a number; fields are written by the
    // program itself, so a text that is not a number reads as 0.
    static double number(const QString& field);
    static void store(QString& field, double value);

    bool gearboxAdded() const { return number(AddedGBReduction) > 0; }

    // A rotary screen's load inertia entry changed: unless the load calculator
    // supplied the load, the weight is no longer known.
    void loadInertiaEdited();
};
