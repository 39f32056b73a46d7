#pragma once

#include "ui/app.h"
#include "ui/form.h"

#include <QPushButton>
#include <QWidget>

class QBoxLayout;

// A wizard window: a top-level, non-modal widget named after the screen.
class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(App& app, const QString& name, const QString& title);

  protected:
    App& app() const { return app_; }
    SizingRecord& record() const { return app_.record(); }

    // Shows `screen` where this one stands and hides this one.
    void moveTo(const QString& screen);
    // Shows a side tool beside this screen, which stays shown.
    void openBeside(const QString& screen);

    void inform(const Message& message);
    // Shows the outcome's messages, sets the entries it names and tells
    // whether to move on.
    bool apply(const Outcome& outcome);

    // A button wired to a handler of this screen.
    template <class Handler>
    QPushButton* button(const QString& name, const QString& caption, Handler handler);
    // A "?" button that only shows its message.
    QPushButton* helpButton(const QString& name, const Message& message);
    // CLOSE ends the program.
    QPushButton* closeButton();
    // A button that opens a screen beside this one; disabled while the
    // program has no such screen.
    QPushButton* toolButton(const QString& name, const QString& caption, const QString& screen);

    // The main button, pressed by Enter anywhere on the screen.
    void setMainButton(QPushButton* button);

    // The usual bottom row: BACK and CLOSE on the left, the main button on the right.
    QBoxLayout* buttonRow(QPushButton* back, QPushButton* close, QPushButton* main);

    void keyPressEvent(QKeyEvent* event) override;

  private:
    App& app_;
    QPushButton* mainButton_ = nullptr;
};

template <class Handler>
QPushButton* Screen::button(const QString& name, const QString& caption, Handler handler) {
    QPushButton* b = form::button(name, caption);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
}
