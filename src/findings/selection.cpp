#include "findings/selection.h"

#include "findings/findings.h"
#include "findings/findingslogic.h"
#include "ui/colours.h"
#include "ui/form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Selection::Selection(App& app)
    : Screen(app, "Selection", "Motor Selection"), rotorInertia_(form::entry("RotorInertia")),
      torqueAvailable_(form::entry("TorqueAvailable")),
      speed_(form::display("Speed", colours::lightGrey)),
      speedAvailable_(form::entry("SpeedAvailable")),
      torque_(form::display("Torque", colours::lightGrey)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form::heading("Motor Selection"));

    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Enter the Rotor Inertia of the Selected Motor:", rotorInertia_, "oz-in-sec^2");
    rows.skip(14);
    // Each motor figure beside the application figure it answers.
    auto pair = [&](const QString& text, QLineEdit* entry, const QString& unit, QLineEdit* shown,
                    const QString& shownUnit) {
        const int row = rows.row();
        rows.add(text, entry, unit);
        QLabel* at = form::label("At");
        at->setBuddy(shown);
        grid->addWidget(at, row, 3, Qt::AlignRight);
        grid->addWidget(shown, row, 4);
        grid->addWidget(form::label(shownUnit), row, 5);
    };
    pair("Enter Torque Available:", torqueAvailable_, "oz-in", speed_, "revs/sec");
    pair("Enter Speed Capability:", speedAvailable_, "revs/sec", torque_, "oz-in");
    layout->addLayout(grid);

    auto* tools = new QHBoxLayout;
    tools->addWidget(toolButton("UnitConv", "Unit Conversion", "Conversion"));
    tools->addStretch(1);
    layout->addLayout(tools);
    layout->addStretch(1);
    layout->addLayout(buttonRow(button("Back", "BACK", [this] { back(); }), closeButton(),
                                button("Next", "N E X T", [this] { next(); })));
}

void Selection::showRequired(const QString& torque, const QString& speed) {
    torque_->setText(torque);
    speed_->setText(speed);
}

QString Selection::torqueRequired() const {
    return torque_->text();
}

QString Selection::speedRequired() const {
    return speed_->text();
}

void Selection::next() {
    // The speed shown beside the torque entry is the preliminary findings' own text.
    const SelectionOutcome result =
        selectionNext(record(), {rotorInertia_->text(), torqueAvailable_->text(),
                                 speedAvailable_->text(), speed_->text()});
    if (!apply(result.outcome))
        return;
    if (auto* findings = app().screens().get<Findings>("Findings"))
        findings->showFigures(result.findings);
    moveTo("Findings");
}

void Selection::back() {
    record().MotorSelection.clear();
    moveTo("Preliminary");
}
