#include "mechanisms/mechanismscreen.h"

#include "mechanisms/mechanismsteps.h"

#include <QGridLayout>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QVBoxLayout>

MechanismScreen::MechanismScreen(Host& host, const Application& mechanism, const Setup& setup)
    : Screen(host, mechanism.screen, setup.title), mechanism_(mechanism), rows_(new QGridLayout),
      frames_(new QGridLayout) {
    bindForm([this]() -> Form& { return mechanismForm(sizing(), mechanism_); });
    QVBoxLayout* layout = body();
    layout->addWidget(form::heading(setup.heading));
    layout->addWidget(new Illustration(setup.drawing, QSize(420, 170)), 0, Qt::AlignHCenter);
    rows_.grid()->setHorizontalSpacing(8);
    rows_.grid()->setColumnStretch(4, 1);
    layout->addLayout(rows_.grid());
    layout->addLayout(frames_);
    footer()->addLayout(buttonRow(button("Back", "BACK", [this] { back(); }), closeButton(),
                                  button("Next", "N E X T", [this] { next(); })));
}

form::Rows MechanismScreen::addFrame(QWidget* frame, int row, int column, int rowSpan) {
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    frames_->addWidget(frame, row, column, rowSpan, 1);
    return form::Rows(grid);
}

void MechanismScreen::next() {
    const Outcome outcome = submitMechanism(sizing(), mechanism_);
    if (apply(outcome) && outcome.next)
        moveTo(*outcome.next);
}

void MechanismScreen::back() {
    moveTo(leaveMechanism(sizing(), mechanism_));
}

namespace mechanismscreens {

namespace {

QMap<QString, Factory>& factories() {
    static QMap<QString, Factory> made;
    return made;
}

} // namespace

bool add(const char* screenName, Factory factory) {
    factories().insert(QString::fromLatin1(screenName), factory);
    return true;
}

Factory of(const Application& mechanism) {
    return factories().value(mechanism.screen.name());
}

} // namespace mechanismscreens
