#include "findings/findings.h"

#include "findings/findingslogic.h"
#include "findings/operatingplot.h"
#include "sizing/sizing.h"
#include "ui/colours.h"
#include "ui/form.h"
#include "ui/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using colours::lightGrey;
using colours::lightYellow;

Findings::Findings(Host& host)
    : Screen(host, ScreenId::Findings, "Findings"),
      misRatio_(form::display("MisRatio", lightYellow, " : 1")), plot_(new OperatingPlot) {
    for (const auto& [name, colour] : {std::pair{"MotorInertia", lightGrey},
                                       {"ReflectedJ", lightGrey},
                                       {"Taccl", lightGrey},
                                       {"Tthrust", lightGrey},
                                       {"Tgravity", lightGrey},
                                       {"T_Total", lightYellow},
                                       {"MaxSpeed", lightYellow},
                                       {"Mismatch", lightYellow},
                                       {"TorqueMargin", lightYellow},
                                       {"SpeedMargin", lightYellow},
                                       {"TRMS", lightGrey},
                                       {"RMSMargin", lightYellow}})
        displays_ << form::display(name, colour);
    const auto shown = [this](FindingsDisplay d) { return displays_[int(d)]; };

    QVBoxLayout* layout = body();
    letBodyFill();
    layout->addWidget(form::heading("Selection Findings"));

    misRatio_->setMinimumWidth(0);
    misRatio_->setFixedWidth(misRatio_->fontMetrics().horizontalAdvance(" : 1") + 14);
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Motor Inertia:", shown(FindingsDisplay::MotorInertia), "oz-in-sec^2");
    rows.add("Reflected Inertia:", shown(FindingsDisplay::ReflectedJ), "oz-in-sec^2");
    rows.add("Torque to Accelerate:", shown(FindingsDisplay::Taccl), "oz-in");
    rows.add("Thrust Torque:", shown(FindingsDisplay::Tthrust), "oz-in");
    rows.add("Torque due to Gravity:", shown(FindingsDisplay::Tgravity), "oz-in");
    rows.add("TOTAL TORQUE REQUIRED:", shown(FindingsDisplay::T_Total), "oz-in");
    rows.add("AT A MOTOR SPEED OF:", shown(FindingsDisplay::MaxSpeed), "revs/sec");
    rows.add("RMS TORQUE:", shown(FindingsDisplay::TRMS), "oz-in");
    rows.skip(10);
    addVerdicts(grid, rows);
    grid->setColumnStretch(5, 1);
    layout->addLayout(grid);
    layout->addWidget(plot_, 1);

    auto* actions = new QHBoxLayout;
    QPushButton* report =
        button("ViewReport", "V I E W    R E P O R T", [this] { moveTo(ScreenId::Report); });
    actions->addWidget(report);
    actions->addWidget(toolButton("AddGB", "Add Gearbox ?", ScreenId::AddGBox));
    actions->addWidget(
        button("SaveSizing", "Save Sizing...", [this] { this->host().saveSizing(this); }));
    actions->addWidget(
        button("SaveSizingAs", "Save Sizing As...", [this] { this->host().saveSizingAs(this); }));
    actions->addStretch(1);
    actions->addWidget(button("StartNew", "START OVER", [this] { startOver(); }));
    footer()->addLayout(actions);
    footer()->addLayout(buttonRow(button("Back", "BACK", [this] { moveTo(ScreenId::Selection); }),
                                  closeButton(), nullptr));
    setMainButton(report);
}

// The mismatch and the margins, each with the mark beside it, so that a
// verdict does not rest on colour alone.
void Findings::addVerdicts(QGridLayout* grid, form::Rows& rows) {
    const auto shown = [this](FindingsDisplay d) { return displays_[int(d)]; };
    const auto mark = [&](const QString& name) {
        QLabel* label = form::label({});
        label->setObjectName(name);
        grid->addWidget(label, rows.row(), 4);
        marks_ << label;
    };
    mark("MismatchMark");
    rows.add("Inertia Mismatch:", shown(FindingsDisplay::Mismatch), misRatio_,
             helpButton("MismatchWhat",
                        {"Inertia Mismatch",
                         "The inertia mismatch determines the settling time of an un-damped "
                         "system.  The greater the torque margin, the smaller the amplitude of "
                         "oscillation.  A good rule of thumb is to stay within 10:1, but "
                         "depending on the stiffness of the system, one may be able to go higher "
                         "(if more stiff), or may need to stay lower (if less stiff)."}));
    mark("TorqueMarginMark");
    rows.add("TORQUE MARGIN: ", shown(FindingsDisplay::TorqueMargin), "%",
             helpButton("MarginWhat",
                        {"Margins Explained",
                         "Torque and Speed Margins are calculated from the entries for the "
                         "selected motor in the previous screen.  Actual acceptable margins are "
                         "to be determined on a project by project basis."}));
    mark("SpeedMarginMark");
    rows.add("SPEED MARGIN: ", shown(FindingsDisplay::SpeedMargin), "%");
    mark("RMSMarginMark");
    rows.add("RMS MARGIN:", shown(FindingsDisplay::RMSMargin), "%",
             helpButton("RMSWhat",
                        {"RMS Torque",
                         "The RMS torque is the steady torque that would heat the motor as much "
                         "as the move does when it repeats all day, the dwell at rest included.  "
                         "The RMS margin compares the motor's continuous (rated) torque with it.  "
                         "Published sizing practice keeps the RMS torque at or below 80 % of the "
                         "continuous torque: an RMS margin above 25 %."}));
}

void Findings::showResults() {
    const auto& figures = sizing().results.findings;
    for (int i = 0; i < displays_.size(); ++i)
        displays_[i]->setText(figures ? findingsText(*figures, FindingsDisplay(i)) : QString());
    plot_->setFigures(figures.value_or(FindingsFigures{}));
    for (QLabel* mark : std::as_const(marks_))
        mark->clear();
    if (!figures)
        return;
    QList<std::pair<FindingsDisplay, Verdict>> verdicts{
        {FindingsDisplay::Mismatch, figures->mismatchVerdict},
        {FindingsDisplay::TorqueMargin, figures->torqueVerdict},
        {FindingsDisplay::SpeedMargin, figures->speedVerdict}};
    // The RMS margin only when the motor's continuous torque was given.
    form::setBackground(displays_[int(FindingsDisplay::RMSMargin)], colours::lightYellow);
    if (figures->rmsChecked())
        verdicts.append({FindingsDisplay::RMSMargin, figures->rmsVerdict});
    for (int k = 0; k < verdicts.size(); ++k) {
        const auto [display, verdict] = verdicts[k];
        form::setBackground(displays_[int(display)], colours::of(verdict));
        marks_[k]->setText(verdictMark(display, verdict));
    }
    form::setBackground(misRatio_, colours::of(figures->mismatchVerdict));
}

void Findings::startOver() {
    if (host().messages().ask(
            this, {"Start Over", "Do you really want to clear all data and start over?"}))
        host().startOver(this);
}
