#include "findings/addgbox.h"

#include "findings/findingssteps.h"
#include "flow/quantity.h"
#include "mechanisms/mechanismfields.h"
#include "sizing/sizing.h"
#include "ui/colours.h"
#include "ui/form.h"
#include "ui/registry.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

AddGBox::AddGBox(Host& host)
    : Screen(host, ScreenId::AddGBox, "Add Gearbox Reduction"),
      reduction_(entry(fields::Reduction)), newJ_(form::display("NewJ", colours::lightPink)),
      newMis_(form::display("NewMis", colours::lightPink)),
      newT_(form::display("NewT", colours::lightPink)),
      newSp_(form::display("NewSp", colours::lightPink)) {
    bindForm([this]() -> Form& { return projectionForm(sizing()); });
    QVBoxLayout* layout = body();
    layout->addWidget(form::heading("Would a Gearbox Help?"));
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Enter Gearbox Reduction Ratio:", reduction_, ": 1");
    rows.skip(8);
    rows.whole(form::caption("PROJECTIONS:"));
    rows.add("REFLECTED INERTIA:", newJ_, units_.add(Quantity::Inertia));
    rows.add("INERTIA MISMATCH:", newMis_, ": 1");
    rows.add("TORQUE REQUIRED:", newT_, units_.add(Quantity::Torque));
    rows.add("AT A MOTOR SPEED OF:", newSp_, units_.add(Quantity::Speed));
    layout->addLayout(grid);
    QPushButton* cancel = button("RemoveGBButton", "CANCEL", [this] { this->cancel(); });
    setEscapeButton(cancel);
    footer()->addLayout(
        buttonRow(cancel, nullptr, button("AddGBButton", "ADD GEARBOX", [this] { add(); })));
    connect(reduction_, &QLineEdit::textEdited, this, [this] { ratioTyped(); });
}

void AddGBox::showResults() {
    units_.show(sizing().resultUnits);
    const Projection p = projectGearbox(sizing());
    if (p.message)
        return;
    newJ_->setText(p.NewJ);
    newMis_->setText(p.NewMis);
    newT_->setText(p.NewT);
    newSp_->setText(p.NewSp);
}

void AddGBox::ratioTyped() {
    const Projection p = projectTypedRatio(sizing());
    if (!p.message)
        return showResults();
    inform(*p.message);
    load();
    reduction_->selectAll();
}

void AddGBox::add() {
    if (!apply(submitGearbox(sizing())))
        return;
    hide();
    ScreenRegistry& screens = host().screens();
    Screen* findings = screens.existing(ScreenId::Findings);
    screens.show(ScreenId::Gearbox, findings);
    if (findings)
        findings->hide();
}

void AddGBox::cancel() {
    hide();
    host().screens().show(ScreenId::Findings);
}
