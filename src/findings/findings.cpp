#include "findings/findings.h"

#include "findings/operatingplot.h"
#include "report/reportscreen.h"
#include "ui/colours.h"
#include "ui/form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using colours::lightGrey;
using colours::lightYellow;

Findings::Findings(App& app)
    : Screen(app, "Findings", "Findings"), motorInertia_(form::display("MotorInertia", lightGrey)),
      reflectedJ_(form::display("ReflectedJ", lightGrey)),
      taccl_(form::display("Taccl", lightGrey)), tthrust_(form::display("Tthrust", lightGrey)),
      tgravity_(form::display("Tgravity", lightGrey)),
      total_(form::display("T_Total", lightYellow)),
      maxSpeed_(form::display("MaxSpeed", lightYellow)),
      mismatch_(form::display("Mismatch", lightYellow)),
      misRatio_(form::display("MisRatio", lightYellow, " : 1")),
      torqueMargin_(form::display("TorqueMargin", lightYellow)),
      speedMargin_(form::display("SpeedMargin", lightYellow)), plot_(new OperatingPlot) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form::heading("Selection Findings"));

    misRatio_->setMinimumWidth(0);
    misRatio_->setFixedWidth(40);
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Motor Inertia:", motorInertia_, "oz-in-sec^2");
    rows.add("Reflected Inertia:", reflectedJ_, "oz-in-sec^2");
    rows.add("Torque to Accelerate:", taccl_, "oz-in");
    rows.add("Thrust Torque:", tthrust_, "oz-in");
    rows.add("Torque due to Gravity:", tgravity_, "oz-in");
    rows.add("TOTAL TORQUE REQUIRED:", total_, "oz-in");
    rows.add("AT A MOTOR SPEED OF:", maxSpeed_, "revs/sec");
    rows.skip(10);
    rows.add("Inertia Mismatch:", mismatch_, misRatio_,
             helpButton("MismatchWhat",
                        {"Inertia Mismatch",
                         "The inertia mismatch determines the settling time of an un-damped "
                         "system.  The greater the torque margin, the smaller the amplitude of "
                         "oscillation.  A good rule of thumb is to stay within 10:1, but "
                         "depending on the stiffness of the system, one may be able to go higher "
                         "(if more stiff), or may need to stay lower (if less stiff)."}));
    rows.add("TORQUE MARGIN: ", torqueMargin_, "%",
             helpButton("MarginWhat",
                        {"Margins Explained",
                         "Torque and Speed Margins are calculated from the entries for the "
                         "selected motor in the previous screen.  Actual acceptable margins are "
                         "to be determined on a project by project basis."}));
    rows.add("SPEED MARGIN: ", speedMargin_, "%");
    layout->addLayout(grid);
    layout->addWidget(plot_, 1);

    auto* actions = new QHBoxLayout;
    QPushButton* report = button("ViewReport", "V I E W    R E P O R T", [this] { viewReport(); });
    actions->addWidget(report);
    actions->addWidget(toolButton("AddGB", "Add Gearbox ?", "AddGBox"));
    actions->addStretch(1);
    actions->addWidget(button("StartNew", "START OVER", [this] { startOver(); }));
    layout->addSpacing(6);
    layout->addLayout(actions);
    layout->addLayout(
        buttonRow(button("Back", "BACK", [this] { moveTo("Selection"); }), closeButton(), nullptr));
    setMainButton(report);
}

void Findings::showFigures(const FindingsFigures& f) {
    figures_ = f;
    plot_->setPoints(f.operating);
    motorInertia_->setText(f.MotorInertia);
    reflectedJ_->setText(f.ReflectedJ);
    form::setBackground(mismatch_, colours::of(f.mismatch));
    form::setBackground(misRatio_, colours::of(f.mismatch));
    mismatch_->setText(f.Mismatch);
    taccl_->setText(f.Taccl);
    tthrust_->setText(f.Tthrust);
    tgravity_->setText(f.Tgravity);
    total_->setText(f.T_Total);
    torqueMargin_->setText(f.TorqueMargin);
    speedMargin_->setText(f.SpeedMargin);
    maxSpeed_->setText(f.MaxSpeed);
    form::setBackground(torqueMargin_, colours::of(f.torqueMargin));
    form::setBackground(speedMargin_, colours::of(f.speedMargin));
}

void Findings::viewReport() {
    if (auto* report = app().screens().get<Report>("Report"))
        report->showReport(
            record().AppType,
            assembleReport(record(), {figures_.ReflectedJ, figures_.MotorInertia, figures_.Mismatch,
                                      figures_.Taccl, figures_.Tthrust, figures_.Tgravity,
                                      figures_.T_Total, figures_.MaxSpeed}));
    moveTo("Report");
}

void Findings::startOver() {
    if (app().messages().ask(
            this, {"Start Over", "Do you really want to clear all data and start over?"}))
        app().startOver();
}
