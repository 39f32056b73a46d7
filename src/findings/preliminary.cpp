#include "findings/preliminary.h"

#include "findings/findingslogic.h"
#include "findings/findingssteps.h"
#include "findings/moveplot.h"
#include "findings/shades.h"
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
    layout->addLayout(resultUnitsRow());
    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    for (const FigureRow& figure : preliminaryRows()) {
        QLineEdit* shown = form::display(figure.name, colourOf(figure.shade));
        displays_ << shown;
        if (!figure.unit().isEmpty()) {
            rows.add(figure.label, shown, units_.add(figure.quantity));
            continue;
        }
        // The application type, longer than a figure, spans the units' column.
        const int letter = shown->fontMetrics().averageCharWidth();
        shown->setMinimumWidth(letter * 34);
        shown->setMaximumWidth(letter * 44);
        rows.span(shown, figure.label);
    }
    layout->addLayout(grid);
    layout->addWidget(plot_, 1);
    footer()->addLayout(buttonRow(
        button("Back", "BACK", [this] { moveTo(leavePreliminary(sizing())); }), closeButton(),
        button("Next", "SELECT  MOTOR", [this] { moveTo(openSelection(sizing())); })));
}

void Preliminary::showResults() {
    const auto& figures = sizing().results.preliminary;
    const UnitSystem system = sizing().resultUnits;
    for (int i = 0; i < displays_.size(); ++i)
        displays_[i]->setText(figures ? preliminaryText(*figures, PreliminaryDisplay(i), system)
                                      : QString());
    units_.show(system);
    plot_->setMove(figures ? figures->move : MoveProfile{}, system);
}
