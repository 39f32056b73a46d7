#include "report/reportlogic.h"

#include "findings/findingslogic.h"
#include "flow/filenames.h"
#include "mechanisms/applications.h"
#include "sizing/reportfields.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

const QStringList mismatchExplained{
    "The Inertia Mismatch is a tool used to help generalize the",
    "stiffness response of the system.  It is recommended",
    "to stay within a 10:1 ratio as a rule of thumb.  The",
    "application may be able to handle a larger inertia mismatch",
    "if the system is designed to be very stiff; on the other hand,",
    "if the application is very springy, it would be recommended to",
    "stay as close to 1:1 as possible.  As a reference, the inertia",
    "mismatch defines the settling time of an application.  The",
    "amplitude of this settling oscillation is determined by the",
    "torque margin.  The lower the torque margin, the larger the ",
    "amplitude of vibration.  In a system with friction, this",
    "settling oscillation will speak to the accuracy of motion."};

const QStringList rotaryFormulae{"Inertia of a Solid Cylinder",
                                 "J = (WR^2)/2",
                                 "Inertia of a Hollow Cylinder",
                                 "J = (W/2)*(Ri^2 + Ro^2)",
                                 "Inertia of a Rectangular Solid",
                                 "J = (W/12) * (w^2 + l^2)",
                                 "Inertia of an Eccentric Load",
                                 "J = W*Re^2",
                                 ""};

const QStringList linearFormulae{"Inertia of the Load",
                                 "J = W / (2 * pi * p)^2",
                                 "Inertia of a Rotating Screw (Solid Cylinder)",
                                 "J = (W/2)*R^2",
                                 "Inertia of a Coupler (Hollow Cylinder)",
                                 "J = (W/2)*(Ri^2 + Ro^2)",
                                 "Inertia of Tangential Load (Conveyor, Rack & Pinion)",
                                 "J = W*R^2",
                                 ""};

const QStringList referenceTail{"*Reflected Inertia*",
                                "",
                                "Reflected Inertia (Jr) is derived from dividing",
                                "the inertia of each moving part by any efficiency",
                                "and/or reduction that acts upon it. (Divide by",
                                "gravity to get inertia in terms of -sec^2",
                                "",
                                "",
                                "-TORQUE-",
                                "",
                                "Torque to Accelerate the Load",
                                "Ta = (Jr + Jm)*((2*pi*s)/ta)",
                                "Torque due to Thrust (Screw Drives)",
                                "Tt = F / (2*pi*p*e)",
                                "Torque due to Thrust (Conveyor, Rack & Pinion)",
                                "Tt = F * R",
                                "Torque due to Gravity - Vertical (Screw Drives)",
                                "Tg = W / (2*pi*p*e)",
                                "Torque due to Gravity - Vertical (Conveyor, Rack & Pinion)",
                                "Tg = W * R",
                                "",
                                "TOTAL TORQUE REQUIRED",
                                "Ttot = Ta + Tt + Tg",
                                "",
                                "",
                                "REDUCTIONS",
                                "",
                                "Any Reduction (Gearbox or Belt-Pulley) will effect the:",
                                "1. Reflected Inertia by dividing by the square of the reduction",
                                "2. Torque by dividing by the reduction",
                                "3. Speed by multiplying by the reduction",
                                "",
                                ""};

const QString printedDisclaimer = "DISCLAIMER:  This sizing is intended to be used as a tool to "
                                  "assist in motor selection.  ";
const QString savedDisclaimer =
    "DISCLAIMER:  This sizing is intended to be used as a tool to assist in motor selection.";
const QString noClaims =
    "It makes no claims or statements pertaining to the function of any machine.";

// The three identifying lines that head both the printed and the saved report.
struct HeaderLines {
    QString company;
    QString sizer;
    QString motor;
};

HeaderLines headerLines(const ReportHeader& header) {
    return {"Motor Sizing For: " + header.Company, "Sizing Completed By: " + header.Sizer,
            "User Selected Motor: " + header.MotorSelected};
}

} // namespace

QStringList assembleReport(const SizingRecord& record, const FindingsFigures& findings,
                           UnitSystem system) {
    const auto shown = [&](FindingsDisplay display) {
        return findingsText(findings, display, system);
    };
    // A calculation line: the figure as the findings show it, in its unit.
    const auto line = [&](const QString& name, FindingsDisplay display) {
        return name + " = " + shown(display) + " " + findingsRows()[int(display)].unit(system);
    };
    using enum FindingsDisplay;
    QStringList out{"**********MOTOR SIZING INPUT DATA**********", "", ""};
    if (const Application* application = record.AppType) {
        out << application->reportHeading;
        if (application->family == Family::Rotary)
            out << record.RLoadCalcs << record.MechanismLines << record.RMotionProfiles;
        else
            out << record.MechanismLines << record.LMotionProfiles;
        out << record.MotorSelection;
    }
    out << ""
        << ""
        << "**********MOTOR SIZING CALCULATIONS**********"
        << "";
    if (record.gearboxAdded())
        out << "Gearbox Added" << record.AddedGearbox << "";
    out << "INERTIA"
        << ""
        << "Reflected Inertia of Rotating Components" << line("Jr", ReflectedJ) << ""
        << "Given Motor Inertia" << line("Jm", MotorInertia) << ""
        << "INERTIA MISMATCH = " + shown(Mismatch) + " : 1"
        << "";
    out << mismatchExplained;
    out << ""
        << ""
        << "TORQUE"
        << ""
        << "Torque to Accelerate" << line("Ta", Taccl) << ""
        << "Torque Due to Constant Force" << line("Tt", Tthrust) << ""
        << "Torque Due to Gravity" << line("Tg", Tgravity) << ""
        << ""
        << "TOTAL TORQUE REQUIRED" << line("Ttot", T_Total) << ""
        << line("At a Max Speed", MaxSpeed) << ""
        << "This is the Torque Required at the Maximum Speed with No Margin"
        << "";
    // The thermal check, when the motor's continuous torque was given.
    const bool thermal = findings.continuousTorque > 0;
    if (thermal)
        out << "RMS TORQUE" << line("Trms", TRMS) << line("RMS Margin", RMSMargin) << "";
    out << "---REFERENCE FORMULAE---"
        << ""
        << "-INERTIA-"
        << "";
    if (record.MotionType == Motion::Rotary)
        out << rotaryFormulae;
    if (record.MotionType == Motion::Linear)
        out << linearFormulae;
    QStringList tail = referenceTail;
    if (thermal)
        tail.insert(tail.indexOf("Ttot = Ta + Tt + Tg") + 1,
                    "Trms = sqrt(sum(T^2 * t) / (move time + dwell time))");
    out << tail;
    return out;
}

ReportHeader reportHeader(const Form& f) {
    return {f.entry(fields::Sizer), f.entry(fields::Company), f.entry(fields::MotorSelected)};
}

ReportHeader reportHeader(const Form& f, const QString& libraryMotor) {
    ReportHeader header = reportHeader(f);
    if (header.MotorSelected.isEmpty())
        header.MotorSelected = libraryMotor;
    return header;
}

const Form& reportForm() {
    static const Form form = Form::initial(fields::report);
    return form;
}

std::optional<Message> checkHeader(const ReportHeader& header) {
    if (header.MotorSelected.isEmpty())
        return Message{"Motor P/N", "Please Define a Name or Part Number for the Selected Motor"};
    if (header.Company.isEmpty())
        return Message{"Company/Application",
                       "Please Define a Company or Application for this Sizing"};
    return std::nullopt;
}

QList<PrintedLine> printedLines(const ReportHeader& header, const QStringList& report) {
    const HeaderLines head = headerLines(header);
    using enum PrintedLine::Role;
    QList<PrintedLine> out{{"Motor Sizing", Title, 20, true}};
    auto add = [&](const QString& text, PrintedLine::Role role, int points) {
        out << PrintedLine{text, role, points, false};
    };
    for (const QString& line :
         {QString(), QString(), head.company, head.sizer, QString(), head.motor})
        add(line, Header, 12);
    for (int i = 0; i < 5; ++i)
        add({}, Header, 12);
    for (const QString& line : report)
        add(line, Body, 10);
    for (const QString& line : {printedDisclaimer, noClaims, QString(), QString()})
        add(line, Disclaimer, 8);
    return out;
}

QStringList savedLines(const ReportHeader& header, const QStringList& report) {
    const HeaderLines head = headerLines(header);
    return QStringList{"", head.company, "", head.sizer, "", "", head.motor, "", ""} + report +
           QStringList{"", savedDisclaimer, noClaims};
}

QByteArray savedBytes(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out += '"';
        for (char32_t c : line.toUcs4())
            out += c <= 0xFF ? char(c) : '?';
        out += "\"\r\n";
    }
    return out;
}

QString reportFilePath(const QString& chosen) {
    return withExtension(chosen, ".txt");
}

std::optional<Message> writeReportFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Message{"Save Error", "The report could not be saved as " +
                                         QFileInfo(path).absoluteFilePath() + ":  " +
                                         file.errorString()};
    return std::nullopt;
}
