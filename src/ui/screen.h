#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "flow/screenid.h"
#include "ui/form.h"
#include "ui/host.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QWidget>

#include <functional>

class QBoxLayout;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class QVBoxLayout;

// A window of the program: a top-level, non-modal widget named after its
// screen. It shows its part of the sizing: its entries live in the sizing,
// which it loads them from whenever it is shown and hands every change to.
// Its body scrolls when the screen is too small for it; the buttons at its
// foot stay in view.
class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(Host& host, ScreenId id, const QString& title);
    ScreenId id() const { return id_; }

    // Shows what the sizing now holds for this screen: its entries, as they
    // stand there, and what the screen shows of the results. Loading changes
    // no entry of the sizing and reacts to nothing.
    void load();

    // Opened: the keyboard starts on the first entry, or on the first choice
    // where the screen has none.
    void focusFirst();

    QSize sizeHint() const override;

    // The window's title: the screen's own, or the name of the sizing's file.
    void retitle();

  protected:
    Host& host() const { return host_; }
    Sizing& sizing() const { return host_.sizing(); }

    // Where in the sizing this screen's entries live.
    void bindForm(std::function<Form&()> form);
    // Entries, unit lists and options kept in the form.
    QLineEdit* entry(const QString& name);
    QComboBox* unitList(const QString& name, const QStringList& items);
    // A unit list of the screen's table, with the items it offers for that motion.
    QComboBox* unitList(const Field& list, Motion motion = Motion::None) {
        return unitList(list.name(), list.items(motion));
    }
    QRadioButton* option(const QString& frame, const QString& name, const QString& caption);

    // What the screen shows besides its entries; called by load.
    virtual void showResults() {}

    // The scrolling body, top down, and the rows of buttons at the foot.
    QVBoxLayout* body() const { return body_; }
    QVBoxLayout* footer() const { return footer_; }
    // A body with a part that grows with the window (a picture, a list)
    // fills it rather than keeping to the top.
    void letBodyFill();

    // Shows `screen` where this one stands and hides this one.
    void moveTo(ScreenId screen);
    // Shows a side tool beside this screen, which stays shown.
    void openBeside(ScreenId screen);

    void inform(const Message& message);
    // Shows the outcome's messages, then every shown screen as the sizing now
    // stands, and tells whether to move on.
    bool apply(const Outcome& outcome);

    // A button wired to a handler of this screen.
    template <class Handler>
    QPushButton* button(const QString& name, const QString& caption, Handler handler);
    // A "?" button that only shows its message.
    QPushButton* helpButton(const QString& name, const Message& message);
    // CLOSE ends the program.
    QPushButton* closeButton();
    // "Results in:" and the sizing's result units, the same on every screen
    // that shows it.
    QLayout* resultUnitsRow();
    // A button that opens a side tool beside this screen.
    QPushButton* toolButton(const QString& name, const QString& caption, ScreenId screen);

    // The main button, pressed by Enter in an entry; a focused button takes
    // Enter and Space itself.
    void setMainButton(QPushButton* button);
    // The button Esc presses: a side tool's CLOSE or CANCEL.
    void setEscapeButton(QPushButton* button) { escapeButton_ = button; }

    // The usual bottom row: BACK and CLOSE on the left, the main button on the right.
    QBoxLayout* buttonRow(QPushButton* back, QPushButton* close, QPushButton* main);

    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    // Closing a wizard screen's window ends the program, as CLOSE does.
    void closeEvent(QCloseEvent* event) override;

  private:
    // A window manager frames a window after it is shown; a frame that then
    // reaches past the screen's room for windows is moved and shrunk inside.
    void keepInside();

    // Tab follows what the screen shows: its body top down and left to
    // right, its buttons last.
    void orderTabs();
    Form* form() const { return form_ ? &form_() : nullptr; }

    Host& host_;
    ScreenId id_;
    QPushButton* mainButton_ = nullptr;
    QPushButton* escapeButton_ = nullptr;
    QScrollArea* scroll_;
    QVBoxLayout* body_;
    QVBoxLayout* footer_;
    bool tabsOrdered_ = false;
    QString title_; // the screen's own
    QElapsedTimer shown_;
    std::function<Form&()> form_;
    QList<QLineEdit*> entries_;
    QList<QComboBox*> unitLists_;
    QComboBox* resultUnits_ = nullptr;
    QList<std::pair<QString, QRadioButton*>> options_; // frame, option
};

template <class Handler>
QPushButton* Screen::button(const QString& name, const QString& caption, Handler handler) {
    QPushButton* b = form::button(name, caption);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
}
