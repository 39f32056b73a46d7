#include "mechanisms/mechanismscreen.h"

#include "mechanisms/mechanismlogic.h"
#include "profiles/profilescreen.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

MechanismScreen::MechanismScreen(App& app, const Setup& setup)
    : Screen(app, setup.name, setup.title), reportLines_(setup.reportLines),
      choiceScreen_(setup.choiceScreen), rows_(new QGridLayout), frames_(new QGridLayout) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form::heading(setup.heading));
    layout->addWidget(new Illustration(setup.drawing, QSize(420, 170)), 0, Qt::AlignHCenter);
    rows_.grid()->setHorizontalSpacing(8);
    rows_.grid()->setColumnStretch(4, 1);
    layout->addLayout(rows_.grid());
    layout->addLayout(frames_);
    layout->addStretch(1);
    layout->addLayout(buttonRow(button("Back", "BACK", [this] { back(); }), closeButton(),
                                button("Next", "N E X T", [this] { next(); })));
}

form::Rows MechanismScreen::addFrame(QWidget* frame, int row, int column, int rowSpan) {
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    frames_->addWidget(frame, row, column, rowSpan, 1);
    return form::Rows(grid);
}

void MechanismScreen::openProfile(const QString& profileScreen, const QString& tag) {
    if (auto* profile = app().screens().get<ProfileScreen>(profileScreen))
        profile->setMechanismTag(tag);
    moveTo(profileScreen);
}

void MechanismScreen::back() {
    const QString target = mechanismBack(record(), record().*reportLines_, choiceScreen_);
    if (app().screens().knows(target))
        moveTo(target);
}
