#include "findings/addgbox.h"

#include "findings/addedgearbox.h"
#include "findings/findings.h"
#include "findings/projectionlogic.h"
#include "mechanisms/gearbox.h"
#include "ui/colours.h"
#include "ui/form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

AddGBox::AddGBox(App& app)
    : Screen(app, "AddGBox", "Add Gearbox Reduction"), reduction_(form::entry("Reduction")),
      newJ_(form::display("NewJ", colours::lightPink)),
      newMis_(form::display("NewMis", colours::lightPink)),
      newT_(form::display("NewT", colours::lightPink)),
      newSp_(form::display("NewSp", colours::lightPink)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form::heading("Would a Gearbox Help?"));
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    rows.add("Enter Gearbox Reduction Ratio:", reduction_, ": 1");
    rows.skip(8);
    rows.whole(form::caption("PROJECTIONS:"));
    rows.add("REFLECTED INERTIA:", newJ_, "oz-in-sec^2");
    rows.add("INERTIA MISMATCH:", newMis_, ": 1");
    rows.add("TORQUE REQUIRED:", newT_, "oz-in");
    rows.add("AT A MOTOR SPEED OF:", newSp_, "revs/sec");
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttonRow(button("RemoveGBButton", "CANCEL", [this] { cancel(); }), nullptr,
                                button("AddGBButton", "ADD GEARBOX", [this] { add(); })));
    connect(reduction_, &QLineEdit::textChanged, this, [this] { project(); });
}

void AddGBox::project() {
    auto* findings = app().screens().get<Findings>("Findings");
    if (!findings)
        return;
    const Projection p = ::project(findings->figures(), reduction_->text());
    if (p.message) {
        inform(*p.message);
        reduction_->setText("1");
        reduction_->selectAll();
        return;
    }
    newJ_->setText(p.NewJ);
    newMis_->setText(p.NewMis);
    newT_->setText(p.NewT);
    newSp_->setText(p.NewSp);
}

void AddGBox::add() {
    SizingRecord added = record();
    if (!apply(addGearbox(added, reduction_->text())))
        return;
    // The first gearbox keeps the sizing as it stands without one; the
    // gearbox drives the whole application as it was sized then.
    addedgearbox::keep(app());
    record() = added;
    const QString load =
        app().withoutGearbox() ? app().withoutGearbox()->record.ReflectedJ : record().ReflectedJ;
    auto* findings = app().screens().get<Findings>("Findings");
    hide();
    if (auto* gearbox = app().screens().get<Gearbox>("Gearbox")) {
        app().screens().show("Gearbox", findings);
        gearbox->addGearbox(record().AddedGBReduction, load, record().AppType == "Rotary: Gearbox");
    }
    if (findings)
        findings->hide();
}

void AddGBox::cancel() {
    hide();
    app().screens().show("Findings");
}
