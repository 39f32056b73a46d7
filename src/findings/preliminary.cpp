#include "findings/preliminary.h"

#include "findings/findingslogic.h"
#include "findings/findingssteps.h"
#include "findings/moveplot.h"
#include "ui/colours.h"
#include "ui/form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Preliminary::Preliminary(Host& host)
    : Screen(host, ScreenId::Preliminary, "Preliminary Findings"), plot_(new MovePlot) {
    QVBoxLayout* layout = body();
    letBodyFill();
    layout->addWidget(form::heading("Preliminary Findings"));
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    const auto display = [&](const QString& label, const QString& name, const QString& unit,
                             const QColor& colour) {
        QLineEdit* shown = form::display(name, colour);
        displays_ << shown;
        rows.add(label, shown, unit);
        return shown;
    };
    // The application type, longer than a figure, spans the units' column.
    QLineEdit* application = form::display("App", colours::lightGrey);
    displays_ << application;
    const int letter = application->fontMetrics().averageCharWidth();
    application->setMinimumWidth(letter * 34);
    application->setMaximumWidth(letter * 44);
    rows.span(application, "Application Type:");
    display("Load Weight:", "Weight", "oz", colours::lightGrey);
    display("Reflected Inertia:", "ReflectedJ", "oz-in-sec^2", colours::lightGrey);
    display("Torque to Accelerate:", "Taccl", "oz-in", colours::lightGrey);
    display("Thrust Torque:", "Tthrust", "oz-in", colours::lightGrey);
    display("Torque due to Gravity:", "Tgravity", "oz-in", colours::lightGrey);
    display("TOTAL TORQUE REQUIRED:", "T_Total", "oz-in", colours::lightYellow);
    display("AT A MOTOR SPEED OF:", "MaxSpeed", "revs/sec", colours::lightYellow);
    display("RMS TORQUE:", "TRMS", "oz-in", colours::lightYellow);
    layout->addLayout(grid);
    layout->addWidget(plot_, 1);
    footer()->addLayout(buttonRow(
        button("Back", "BACK", [this] { moveTo(leavePreliminary(sizing())); }), closeButton(),
        button("Next", "SELECT  MOTOR", [this] { moveTo(openSelection(sizing())); })));
}

void Preliminary::showResults() {
    const auto& figures = sizing().results.preliminary;
    for (int i = 0; i < displays_.size(); ++i)
        displays_[i]->setText(figures ? preliminaryText(*figures, PreliminaryDisplay(i))
                                      : QString());
    plot_->setMove(figures ? figures->move : MoveProfile{});
}
