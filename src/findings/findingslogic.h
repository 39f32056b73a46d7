#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "flow/quantity.h"
#include "sizing/figures.h"
#include "sizing/record.h"

#include <variant>

// The displays of the preliminary findings, and their texts as the engineer
// reads them.
enum class PreliminaryDisplay {
    App,
    Weight,
    ReflectedJ,
    Taccl,
    Tthrust,
    Tgravity,
    T_Total,
    MaxSpeed,
    TRMS
};
QString preliminaryText(const PreliminaryFigures& figures, PreliminaryDisplay display,
                        UnitSystem system = UnitSystem::US);

// The displays of the findings, and their texts as the engineer reads them;
// the report and the gearbox projection quote them as shown.
enum class FindingsDisplay {
    MotorInertia,
    ReflectedJ,
    Taccl,
    Tthrust,
    Tgravity,
    T_Total,
    MaxSpeed,
    Mismatch,
    TorqueMargin,
    SpeedMargin,
    TRMS,
    RMSMargin // empty when no continuous torque was given
};
QString findingsText(const FindingsFigures& figures, FindingsDisplay display,
                     UnitSystem system = UnitSystem::US);

// How a figure's display is coloured: light grey, light yellow (a figure
// to note), or by its verdict (light yellow until one is given).
enum class Shade { Grey, Yellow, Verdict };

// A figure as the findings screens show it: its display's control name, its
// label and unit, and the colour of its display.
struct FigureRow {
    QString name;
    QString label;
    Quantity quantity;
    Shade shade;
    // A verdict's figure: its column in a list of motors, and its verdict.
    QString heading = {};
    Verdict FindingsFigures::*verdict = nullptr;

    QString unit(UnitSystem system = UnitSystem::US) const { return unitOf(quantity, system); }
};
// The figures of the preliminary findings and of the findings, in the order
// of PreliminaryDisplay and of FindingsDisplay.
const QList<FigureRow>& preliminaryRows();
const QList<FigureRow>& findingsRows();
// The findings in the order the screen and the PDF show them: the figures,
// then the verdicts.
const QList<FindingsDisplay>& findingsOrder();

// The findings judged good or bad, in the order they are shown; and the
// verdict on one of them (none for a figure that is not judged, or for the
// RMS margin when no continuous torque was given).
const QList<FindingsDisplay>& verdictsShown();
std::optional<Verdict> verdictOf(const FindingsFigures& figures, FindingsDisplay display);

// The mark beside the mismatch or a margin, so that pass or fail is never
// told by colour alone: "✓ OK", or "✗ HIGH" for a mismatch and "✗ LOW" for a
// margin.
QString verdictMark(FindingsDisplay display, Verdict verdict);

// The operating plot's legend: the need, the motor's two figures at the
// speed and torque the motor selection showed, the two margins, and with a
// continuous torque the RMS torque against it.
QStringList operatingLegend(const FindingsFigures& figures, UnitSystem system = UnitSystem::US);
// The findings with their speeds and torques in the units of that system.
FindingsFigures inUnits(FindingsFigures figures, UnitSystem system);

// BACK of the preliminary findings: an inertia-only load goes back to a zero
// weight; gives the profile screen to return to.
ScreenId preliminaryBack(SizingRecord& record, const PreliminaryFigures& shown);

struct SelectionEntries {
    QString RotorInertia = "0";
    QString TorqueAvailable = "0";
    QString SpeedAvailable = "0";
    QString TorqueContinuous = "0"; // "0": none given, no RMS check
    QString MotorName = {};         // the library motor the figures came from, or empty
    // The torque and speed available were read off the library motor's curve,
    // where 0 says the motor cannot give the need, not that a figure is missing.
    bool readOffCurve = false;
    // The units each figure is typed in.
    QString RotorInertiaUnits = "oz-in-sec^2";
    QString TorqueAvailableUnits = "oz-in";
    QString SpeedAvailableUnits = "revs/sec";
    QString TorqueContinuousUnits = "oz-in";
};
SelectionEntries selectionEntries(const Form& form);
// The motor selection's entries when it is first shown.
const Form& selectionForm();

struct SelectionOutcome {
    Outcome outcome;
    FindingsFigures findings; // filled when outcome.proceed
};

// NEXT of the motor selection screen, for the need the preliminary findings
// show; writes MotorSelection on success.
SelectionOutcome selectionNext(SizingRecord& record, const SelectionEntries& entries,
                               const PreliminaryFigures& preliminary);

// A motor's four figures, as numbers.
struct MotorFigures {
    double rotorInertia = 0;     // oz-in-sec^2
    double torqueAvailable = 0;  // oz-in
    double speedAvailable = 0;   // revs/sec
    double continuousTorque = 0; // oz-in; 0: no RMS check
};
// The speed and the total torque the preliminary findings show, read back
// as numbers: the figures a motor's data sheet is read at.
struct ShownNeed {
    double speed = 0;  // revs/sec
    double torque = 0; // oz-in
};
ShownNeed shownNeed(const PreliminaryFigures& preliminary);
// Where a motor's curve is read: at the speed the preliminary findings show,
// and at the total torque the findings would show with a motor of that rotor
// inertia (its own inertia accelerated too).
ShownNeed curvePoint(const SizingRecord& record, const ShownNeed& shown, double rotorInertia);

// The findings for the need the preliminary findings show and a motor of
// those figures, or the message that says why they cannot be worked out.
std::variant<FindingsFigures, Message> findingsWith(const SizingRecord& record,
                                                    const MotorFigures& motor,
                                                    const PreliminaryFigures& preliminary);
// The same, with the shown need read once for many motors.
std::variant<FindingsFigures, Message> findingsWith(const SizingRecord& record,
                                                    const MotorFigures& motor,
                                                    const PreliminaryFigures& preliminary,
                                                    const ShownNeed& shown);

// Only a need of some speed and some torque, and a motor that gives some of
// both, can be drawn on a torque-speed picture.
bool drawable(const FindingsFigures& figures);
