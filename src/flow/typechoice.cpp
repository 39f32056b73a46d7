#include "flow/typechoice.h"

#include "ui/form.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TypeChoice::TypeChoice(App& app, const QString& name, const QString& title, const QString& heading,
                       const QList<AppTypeInfo>& types)
    : Screen(app, name, title) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form::heading(heading));

    auto* grid = new QGridLayout;
    int row = 0;
    for (const AppTypeInfo& type : types) {
        QPushButton* choice = button(type.button, type.caption, [this, type] { choose(type); });
        choice->setMinimumWidth(260);
        choice->setEnabled(app.screens().knows(type.screen));
        grid->addWidget(choice, row, 0);
        grid->addWidget(helpButton(type.helpButton, {type.helpTitle, type.helpText}), row, 1);
        ++row;
    }
    auto* centre = new QHBoxLayout;
    centre->addStretch(1);
    centre->addLayout(grid);
    centre->addStretch(1);
    layout->addLayout(centre);
    layout->addSpacing(8);
    layout->addLayout(
        buttonRow(button("Back", "BACK", [this] { moveTo("Welcome"); }), closeButton(), nullptr));
}

void TypeChoice::choose(const AppTypeInfo& type) {
    record().AppType = type.appType;
    moveTo(type.screen);
}
