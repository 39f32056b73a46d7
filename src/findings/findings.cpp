#include "findings/findings.h"

#include "findings/findingslogic.h"
#include "findings/operatingplot.h"
#include "findings/shades.h"
#include "sizing/sizing.h"
#include "ui/colours.h"
#include "ui/form.h"
#include "ui/keeper.h"
#include "ui/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using colours::lightYellow;

Findings::Findings(Host& host)
    : Screen(host, ScreenId::Findings, "Findings"),
      misRatio_(form::display("MisRatio", lightYellow, " : 1")), plot_(new OperatingPlot) {
    for (const FigureRow& figure : findingsRows())
        displays_ << form::display(figure.name, colourOf(figure.shade));
    const auto shown = [this](FindingsDisplay d) { return displays_[int(d)]; };

    QVBoxLayout* layout = body();
    letBodyFill();
    layout->addWidget(form::heading("Selection Findings"));
    layout->addLayout(resultUnitsRow());

    misRatio_->setMinimumWidth(0);
    misRatio_->setFixedWidth(misRatio_->fontMetrics().horizontalAdvance(" : 1") + 14);
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    // The figures; the verdicts follow with their marks and help.
    for (FindingsDisplay d : findingsOrder())
        if (const FigureRow& figure = findingsRows()[int(d)]; figure.shade != Shade::Verdict)
            rows.add(figure.label, shown(d), units_.add(figure.quantity));
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
        button("SaveSizing", "Save Sizing...", [this] { this->host().keeper().saveSizing(this); }));
    actions->addWidget(button("SaveSizingAs", "Save Sizing As...",
                              [this] { this->host().keeper().saveSizingAs(this); }));
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
    const auto label = [](FindingsDisplay d) { return findingsRows()[int(d)].label; };
    const auto unit = [](FindingsDisplay d) { return findingsRows()[int(d)].unit(); };
    const auto mark = [&](const QString& name) {
        QLabel* label = form::label({});
        label->setObjectName(name);
        grid->addWidget(label, rows.row(), 4);
        marks_ << label;
    };
    mark("MismatchMark");
    rows.add(label(FindingsDisplay::Mismatch), shown(FindingsDisplay::Mismatch), misRatio_,
             helpButton("MismatchWhat",
                        {"Inertia Mismatch",
                         "The inertia mismatch determines the settling time of an un-damped "
                         "system.  The greater the torque margin, the smaller the amplitude of "
                         "oscillation.  A good rule of thumb is to stay within 10:1, but "
                         "depending on the stiffness of the system, one may be able to go higher "
                         "(if more stiff), or may need to stay lower (if less stiff)."}));
    mark("TorqueMarginMark");
    rows.add(label(FindingsDisplay::TorqueMargin), shown(FindingsDisplay::TorqueMargin),
             unit(FindingsDisplay::TorqueMargin),
             helpButton("MarginWhat",
                        {"Margins Explained",
                         "Torque and Speed Margins are calculated from the entries for the "
                         "selected motor in the previous screen.  Actual acceptable margins are "
                         "to be determined on a project by project basis."}));
    mark("SpeedMarginMark");
    rows.add(label(FindingsDisplay::SpeedMargin), shown(FindingsDisplay::SpeedMargin),
             unit(FindingsDisplay::SpeedMargin));
    mark("RMSMarginMark");
    rows.add(label(FindingsDisplay::RMSMargin), shown(FindingsDisplay::RMSMargin),
             unit(FindingsDisplay::RMSMargin),
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
        displays_[i]->setText(
            figures ? findingsText(*figures, FindingsDisplay(i), sizing().resultUnits) : QString());
    units_.show(sizing().resultUnits);
    plot_->setFigures(figures.value_or(FindingsFigures{}), sizing().resultUnits);
    for (QLabel* mark : std::as_const(marks_))
        mark->clear();
    if (!figures)
        return;
    // The RMS margin is judged only when the motor's continuous torque was given.
    form::setBackground(displays_[int(FindingsDisplay::RMSMargin)], colours::lightYellow);
    for (int k = 0; k < verdictsShown().size(); ++k) {
        const FindingsDisplay display = verdictsShown()[k];
        if (const auto verdict = verdictOf(*figures, display)) {
            form::setBackground(displays_[int(display)], colours::of(*verdict));
            marks_[k]->setText(verdictMark(display, *verdict));
        }
    }
    form::setBackground(misRatio_, colours::of(figures->mismatchVerdict));
}

void Findings::startOver() {
    if (host().messages().ask(
            this, {"Start Over", "Do you really want to clear all data and start over?"}))
        host().startOver(this);
}
