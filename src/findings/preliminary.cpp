#include "findings/preliminary.h"

#include "findings/findingslogic.h"
#include "findings/moveplot.h"
#include "findings/selection.h"
#include "ui/colours.h"
#include "ui/form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Preliminary::Preliminary(App& app)
    : Screen(app, "Preliminary", "Preliminary Findings"),
      app_(form::display("App", colours::lightGrey)),
      weight_(form::display("Weight", colours::lightGrey)),
      reflectedJ_(form::display("ReflectedJ", colours::lightGrey)),
      taccl_(form::display("Taccl", colours::lightGrey)),
      tthrust_(form::display("Tthrust", colours::lightGrey)),
      tgravity_(form::display("Tgravity", colours::lightGrey)),
      total_(form::display("T_Total", colours::lightYellow)),
      maxSpeed_(form::display("MaxSpeed", colours::lightYellow)), plot_(new MovePlot) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form::heading("Preliminary Findings"));
    app_->setMinimumWidth(240);
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Application Type:", app_);
    rows.add("Load Weight:", weight_, "oz");
    rows.add("Reflected Inertia:", reflectedJ_, "oz-in-sec^2");
    rows.add("Torque to Accelerate:", taccl_, "oz-in");
    rows.add("Thrust Torque:", tthrust_, "oz-in");
    rows.add("Torque due to Gravity:", tgravity_, "oz-in");
    rows.add("TOTAL TORQUE REQUIRED:", total_, "oz-in");
    rows.add("AT A MOTOR SPEED OF:", maxSpeed_, "revs/sec");
    layout->addLayout(grid);
    layout->addWidget(plot_, 1);
    layout->addLayout(buttonRow(button("Back", "BACK", [this] { back(); }), closeButton(),
                                button("Next", "SELECT  MOTOR", [this] { selectMotor(); })));
}

void Preliminary::showFigures(const PreliminaryFigures& f) {
    app_->setText(f.App);
    weight_->setText(f.Weight);
    reflectedJ_->setText(f.ReflectedJ);
    taccl_->setText(f.Taccl);
    tthrust_->setText(f.Tthrust);
    tgravity_->setText(f.Tgravity);
    total_->setText(f.T_Total);
    maxSpeed_->setText(f.MaxSpeed);
    plot_->setMove(f.move);
}

PreliminaryFigures Preliminary::figures() const {
    return {app_->text(),   weight_->text(),   reflectedJ_->text(),
            taccl_->text(), tthrust_->text(),  tgravity_->text(),
            total_->text(), maxSpeed_->text(), plot_->move()};
}

void Preliminary::selectMotor() {
    if (auto* selection = app().screens().get<Selection>("Selection"))
        selection->showRequired(total_->text(), maxSpeed_->text());
    moveTo("Selection");
}

void Preliminary::back() {
    const QString target = preliminaryBack(record(), weight_->text());
    if (app().screens().knows(target))
        moveTo(target);
}
