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
                                       {"SpeedMargin", lightYellow}})
        displays_ << form::display(name, colour);
    const auto shown = [this](FindingsDisplay d) { return displays_[int(d)]; };

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form::heading("Selection Findings"));

    misRatio_->setMinimumWidth(0);
    misRatio_->setFixedWidth(40);
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Motor Inertia:", shown(FindingsDisplay::MotorInertia), "oz-in-sec^2");
    rows.add("Reflected Inertia:", shown(FindingsDisplay::ReflectedJ), "oz-in-sec^2");
    rows.add("Torque to Accelerate:", shown(FindingsDisplay::Taccl), "oz-in");
    rows.add("Thrust Torque:", shown(FindingsDisplay::Tthrust), "oz-in");
    rows.add("Torque due to Gravity:", shown(FindingsDisplay::Tgravity), "oz-in");
    rows.add("TOTAL TORQUE REQUIRED:", shown(FindingsDisplay::T_Total), "oz-in");
    rows.add("AT A MOTOR SPEED OF:", shown(FindingsDisplay::MaxSpeed), "revs/sec");
    rows.skip(10);
    rows.add("Inertia Mismatch:", shown(FindingsDisplay::Mismatch), misRatio_,
             helpButton("MismatchWhat",
                        {"Inertia Mismatch",
                         "The inertia mismatch determines the settling time of an un-damped "
                         "system.  The greater the torque margin, the smaller the amplitude of "
                         "oscillation.  A good rule of thumb is to stay within 10:1, but "
                         "depending on the stiffness of the system, one may be able to go higher "
                         "(if more stiff), or may need to stay lower (if less stiff)."}));
    rows.add("TORQUE MARGIN: ", shown(FindingsDisplay::TorqueMargin), "%",
             helpButton("MarginWhat",
                        {"Margins Explained",
                         "Torque and Speed Margins are calculated from the entries for the "
                         "selected motor in the previous screen.  Actual acceptable margins are "
                         "to be determined on a project by project basis."}));
    rows.add("SPEED MARGIN: ", shown(FindingsDisplay::SpeedMargin), "%");
    layout->addLayout(grid);
    layout->addWidget(plot_, 1);

    auto* actions = new QHBoxLayout;
    QPushButton* report =
        button("ViewReport", "V I E W    R E P O R T", [this] { moveTo(ScreenId::Report); });
    actions->addWidget(report);
    actions->addWidget(toolButton("AddGB", "Add Gearbox ?", ScreenId::AddGBox));
    actions->addStretch(1);
    actions->addWidget(button("StartNew", "START OVER", [this] { startOver(); }));
    layout->addSpacing(6);
    layout->addLayout(actions);
    layout->addLayout(buttonRow(button("Back", "BACK", [this] { moveTo(ScreenId::Selection); }),
                                closeButton(), nullptr));
    setMainButton(report);
}

void Findings::showResults() {
    const auto& figures = sizing().results.findings;
    for (int i = 0; i < displays_.size(); ++i)
        displays_[i]->setText(figures ? findingsText(*figures, FindingsDisplay(i)) : QString());
    plot_->setFigures(figures.value_or(FindingsFigures{}));
    if (!figures)
        return;
    const auto colour = [&](FindingsDisplay d, Verdict v) {
        form::setBackground(displays_[int(d)], colours::of(v));
    };
    colour(FindingsDisplay::Mismatch, figures->mismatchVerdict);
    form::setBackground(misRatio_, colours::of(figures->mismatchVerdict));
    colour(FindingsDisplay::TorqueMargin, figures->torqueVerdict);
    colour(FindingsDisplay::SpeedMargin, figures->speedVerdict);
}

void Findings::startOver() {
    if (host().messages().ask(
            this, {"Start Over", "Do you really want to clear all data and start over?"}))
        host().startOver();
}
