#include "ui/screen.h"

#include "ui/messages.h"
#include "ui/registry.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

Screen::Screen(Host& host, ScreenId id, const QString& title) : host_(host), id_(id) {
    setObjectName(screenName(id));
    setWindowTitle(title);
    setAttribute(Qt::WA_QuitOnClose, true);
}

void Screen::bindForm(std::function<Form&()> form) {
    form_ = std::move(form);
}

QLineEdit* Screen::entry(const QString& name) {
    QLineEdit* e = form::entry(name, {});
    entries_ << e;
    const auto keep = [this, name](const QString& text) {
        if (Form* f = form())
            f->entries[name] = text;
    };
    // An edit reaches the sizing before any reaction to it runs.
    connect(e, &QLineEdit::textEdited, this, keep);
    connect(e, &QLineEdit::textChanged, this, keep);
    return e;
}

QComboBox* Screen::unitList(const QString& name, const QStringList& items) {
    QComboBox* list = form::unitList(name, items);
    unitLists_ << list;
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, name] {
        if (Form* f = form())
            f->units[name] = list->currentIndex() < 0 ? QString() : list->currentText();
    });
    return list;
}

QRadioButton* Screen::option(const QString& frame, const QString& name, const QString& caption) {
    auto* b = new QRadioButton(caption);
    b->setObjectName(name);
    options_ << std::pair{frame, b};
    connect(b, &QRadioButton::toggled, this, [this, frame, name](bool on) {
        if (Form* f = form(); f && on)
            f->options[frame] = name;
    });
    return b;
}

void Screen::load() {
    if (const Form* f = form()) {
        for (QLineEdit* e : std::as_const(entries_)) {
            const QSignalBlocker quiet(e);
            const QString text = f->entry(e->objectName());
            if (e->text() != text) {
                e->setText(text);
                // A long figure shows from its start.
                e->setCursorPosition(0);
            }
        }
        for (QComboBox* list : std::as_const(unitLists_)) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(list->findText(f->unit(list->objectName()), Qt::MatchExactly));
        }
        for (const auto& [frame, b] : std::as_const(options_)) {
            const QSignalBlocker quiet(b);
            // An exclusive option can only be unchecked with its exclusivity off.
            b->setAutoExclusive(false);
            b->setChecked(f->option(frame) == b->objectName());
            b->setAutoExclusive(true);
        }
    }
    showResults();
}

void Screen::moveTo(ScreenId screen) {
    host_.screens().show(screen, this);
    hide();
}

void Screen::openBeside(ScreenId screen) {
    host_.screens().showBeside(screen, this);
}

void Screen::inform(const Message& message) {
    host_.messages().inform(this, message);
}

bool Screen::apply(const Outcome& outcome) {
    for (const Message& m : outcome.messages)
        inform(m);
    host_.screens().reloadShown();
    return outcome.proceed;
}

QPushButton* Screen::helpButton(const QString& name, const Message& message) {
    QPushButton* b = button(name, "?", [this, message] { inform(message); });
    b->setFixedWidth(28);
    return b;
}

QPushButton* Screen::closeButton() {
    return button("Close", "CLOSE", [this] { host_.closeProgram(); });
}

QPushButton* Screen::toolButton(const QString& name, const QString& caption, ScreenId screen) {
    return button(name, caption, [this, screen] { openBeside(screen); });
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
