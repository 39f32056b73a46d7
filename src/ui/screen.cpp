#include "ui/screen.h"

#include "ui/form.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

Screen::Screen(App& app, const QString& name, const QString& title) : app_(app) {
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_QuitOnClose, true);
}

void Screen::moveTo(const QString& screen) {
    app_.screens().show(screen, this);
    hide();
}

void Screen::openBeside(const QString& screen) {
    app_.screens().showBeside(screen, this);
}

void Screen::inform(const Message& message) {
    app_.messages().inform(this, message);
}

bool Screen::apply(const Outcome& outcome) {
    for (const Message& m : outcome.messages)
        inform(m);
    for (const auto& [name, text] : outcome.entryTexts)
        if (auto* entry = findChild<QLineEdit*>(name))
            entry->setText(text);
    return outcome.proceed;
}

QPushButton* Screen::helpButton(const QString& name, const Message& message) {
    QPushButton* b = button(name, "?", [this, message] { inform(message); });
    b->setFixedWidth(28);
    return b;
}

QPushButton* Screen::closeButton() {
    return button("Close", "CLOSE", [this] { app_.closeProgram(); });
}

QPushButton* Screen::toolButton(const QString& name, const QString& caption,
                                const QString& screen) {
    QPushButton* b = button(name, caption, [this, screen] { openBeside(screen); });
    b->setEnabled(app_.screens().knows(screen));
    return b;
}

void Screen::setMainButton(QPushButton* button) {
    button->setDefault(true);
    mainButton_ = button;
}

void Screen::keyPressEvent(QKeyEvent* event) {
    // Entries pass Enter on to their screen, which presses its main button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && mainButton_ && mainButton_->isVisible() && mainButton_->isEnabled()) {
        mainButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

QBoxLayout* Screen::buttonRow(QPushButton* back, QPushButton* close, QPushButton* main) {
    auto* row = new QHBoxLayout;
    if (back)
        row->addWidget(back);
    if (close)
        row->addWidget(close);
    row->addStretch(1);
    if (main) {
        row->addWidget(main);
        setMainButton(main);
    }
    return row;
}
