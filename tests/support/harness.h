#pragma once

#include "app/app.h"
#include "mechanisms/applications.h"
#include "ui/dialogs.h"
#include "ui/messages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// Dialogs that answer as a test tells them and remember what was asked.
class ScriptedDialogs final : public Dialogs {
  public:
    std::optional<QString> saveFileName(QWidget*, const QString& title, const QString& filter,
                                        const QString& folder) override;
    std::optional<QString> openFileName(QWidget*, const QString& title, const QString& filter,
                                        const QString& folder) override;
    bool choosePrinter(QWidget*, QPrinter& printer) override;

    std::optional<QString> saveAs; // the save dialog's answer; nothing: cancelled
    std::optional<QString> openAs; // the open dialog's answer; nothing: cancelled
    QString pdf;                   // the print dialog prints to this file; empty: cancelled
    QStringList asked;   // "title|filter" of each save dialog, "print" of each print dialog
    QStringList folders; // the folder each file dialog opened in
};

// Once a modal dialog is shown, lets `act` look at it, then closes it.
void whenModal(QObject* context, std::function<void(QWidget* dialog)> act);

// A running program with recorded messages, driven the way a user would:
// windows and controls are found by object name.
class Harness {
  public:
    // The program keeps its own files in `folder`, by default a fresh one.
    explicit Harness(const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates),
                     const QString& folder = {});
    ~Harness();

    Sizing& sizing() { return app.sizing(); }
    SizingRecord& record() { return app.sizing().record(); }

    // The shown top-level window of that name, or nullptr.
    QWidget* window(const QString& name) const;
    QStringList shownWindows() const;

    template <class T = QWidget> T* control(const QString& windowName, const QString& name) const {
        QWidget* w = window(windowName);
        if (!w)
            return nullptr;
        if (w->objectName() == name)
            return qobject_cast<T*>(w);
        return w->findChild<T*>(name);
    }
    QString text(const QString& windowName, const QString& name) const;
    QColor colour(const QString& windowName, const QString& name) const;

    // Fails the test when the control is missing; clicking a disabled button does nothing.
    void click(const QString& windowName, const QString& button);
    void type(const QString& windowName, const QString& entry, const QString& text);
    // Replaces the entry's text with a pasted one.
    void paste(const QString& windowName, const QString& entry, const QString& text);
    // Picks an item of a drop-down list or a list box.
    void choose(const QString& windowName, const QString& list, const QString& item);
    // Fills a screen from "Entry=text", "List=item" and "Option" tokens, in order.
    void fill(const QString& windowName, const QStringList& tokens);
    // The items of a drop-down list or a list box, in order.
    QStringList items(const QString& windowName, const QString& list) const;
    // Every label's text on the window.
    QStringList labels(const QString& windowName) const;

    // The road of a direct drive, screen by screen.
    void openDirectDrive();
    void enterDirectDrive(const QString& inertia, const QString& torque = "0");
    void enterTriangular(const QString& distance, const QString& unit, const QString& time);
    void enterMotor(const QString& rotor, const QString& torque, const QString& speed);

    MessageRecorder messages;
    ScriptedDialogs dialogs;
    bool closed = false;
    QTemporaryDir data;
    App app;
};

// Every shown window lies inside the screen's room for windows, and the
// buttons at its foot are in view; with MOTOR_SIZING_SHOTS set, each is
// grabbed into that folder as STEP-NAME.png.
void fitsTheScreen(const Harness& h, const QString& step);
