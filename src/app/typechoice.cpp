#include "app/typechoice.h"

#include "mechanisms/applications.h"
#include "ui/form.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TypeChoice::TypeChoice(Host& host, Motion motion)
    : Screen(host, choiceScreenOf(motion), motion == Motion::Rotary ? "Rotary" : "Linear Motion") {
    QVBoxLayout* layout = body();
    layout->addWidget(form::heading(motion == Motion::Rotary ? "Select Rotary Motion Type"
                                                             : "Select Linear Motion Type"));

    auto* grid = new QGridLayout;
    int row = 0;
    for (const Application& a : applications()) {
        if (a.motion() != motion)
            continue;
        QPushButton* choice = button(a.choice.button, a.choice.caption, [this, &a] { choose(a); });
        choice->setMinimumWidth(260);
        grid->addWidget(choice, row, 0);
        grid->addWidget(helpButton(a.choice.help, {a.choice.helpTitle, a.choice.helpText}), row, 1);
        ++row;
    }
    auto* centre = new QHBoxLayout;
    centre->addStretch(1);
    centre->addLayout(grid);
    centre->addStretch(1);
    layout->addLayout(centre);
    layout->addSpacing(8);
    footer()->addLayout(buttonRow(button("Back", "BACK", [this] { moveTo(ScreenId::Welcome); }),
                                  closeButton(), nullptr));
}

void TypeChoice::choose(const Application& application) {
    sizing().chooseApplication(application);
    host().stepPassed();
    moveTo(application.screen);
}
