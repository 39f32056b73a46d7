#include "findings/selection.h"

#include "findings/findingsfields.h"
#include "findings/findingslogic.h"
#include "findings/findingssteps.h"
#include "flow/quantity.h"
#include "sizing/sizing.h"
#include "ui/colours.h"
#include "ui/form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Selection::Selection(Host& host)
    : Screen(host, ScreenId::Selection, "Motor Selection"),
      speed_(form::display("Speed", colours::lightGrey)),
      torque_(form::display("Torque", colours::lightGrey)),
      motorName_(form::display("MotorName", colours::lightGrey)) {
    bindForm([this]() -> Form& { return selectionForm(sizing()); });
    QVBoxLayout* layout = body();
    layout->addWidget(form::heading("Motor Selection"));

    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Enter the Rotor Inertia of the Selected Motor:", entry(fields::RotorInertia),
             unitList(fields::RotorInertiaUnits));
    rows.skip(14);
    // Each motor figure beside the application figure it answers.
    auto pair = [&](const QString& text, QLineEdit* entry, QWidget* unit, QLineEdit* shown,
                    QLabel* shownUnit) {
        const int row = rows.row();
        rows.add(text, entry, unit);
        QLabel* at = form::label("At");
        at->setBuddy(shown);
        grid->addWidget(at, row, 3, Qt::AlignRight);
        grid->addWidget(shown, row, 4);
        grid->addWidget(shownUnit, row, 5);
    };
    pair("Enter Torque Available:", entry(fields::TorqueAvailable),
         unitList(fields::TorqueAvailableUnits), speed_, units_.add(Quantity::Speed));
    pair("Enter Speed Capability:", entry(fields::SpeedAvailable),
         unitList(fields::SpeedAvailableUnits), torque_, units_.add(Quantity::Torque));
    rows.add("Enter Continuous Torque:", entry(fields::TorqueContinuous),
             unitList(fields::TorqueContinuousUnits));
    rows.add("Library Motor:", motorName_);
    layout->addLayout(grid);
    // Figures typed by hand are no longer the library motor's.
    for (const Field& typed : fields::selection)
        if (typed.kind == Field::Kind::Entry)
            connect(findChild<QLineEdit*>(typed), &QLineEdit::textEdited, this, [this] {
                sizing().setLibraryMotor(std::nullopt);
                motorName_->clear();
            });

    auto* tools = new QHBoxLayout;
    tools->addWidget(toolButton("UnitConv", "Unit Conversion", ScreenId::Conversion));
    tools->addWidget(toolButton("ChooseMotor", "Choose Motor...", ScreenId::MotorFit));
    tools->addWidget(toolButton("Library", "Motor Library...", ScreenId::MotorLibrary));
    tools->addStretch(1);
    layout->addLayout(tools);
    footer()->addLayout(buttonRow(button("Back", "BACK", [this] { back(); }), closeButton(),
                                  button("Next", "N E X T", [this] { next(); })));
}

void Selection::showResults() {
    const auto& figures = sizing().results.preliminary;
    const auto shown = [&](PreliminaryDisplay d) {
        return figures ? preliminaryText(*figures, d, sizing().resultUnits) : QString();
    };
    units_.show(sizing().resultUnits);
    torque_->setText(shown(PreliminaryDisplay::T_Total));
    speed_->setText(shown(PreliminaryDisplay::MaxSpeed));
    motorName_->setText(sizing().motorName());
    motorName_->setCursorPosition(0);
}

void Selection::next() {
    const Outcome outcome = submitSelection(sizing());
    if (apply(outcome) && outcome.next)
        moveTo(*outcome.next);
}

void Selection::back() {
    leaveSelection(sizing());
    moveTo(ScreenId::Preliminary);
}
