#include "support/harness.h"

#include "app/screenset.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace {

// The offscreen platform warns about window features it lacks; nothing to see.
QtMessageHandler previous = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support"))
        return;
    previous(type, context, message);
}

} // namespace

void whenModal(QObject* context, std::function<void(QWidget*)> act) {
    // The dialog may not be shown, or not yet modal, when the timer first fires.
    auto* timer = new QTimer(context);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, context, [timer, act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
        dialog->close();
    });
    timer->start();
}

std::optional<QString> ScriptedDialogs::saveFileName(QWidget*, const QString& title,
                                                     const QString& filter, const QString& folder) {
    asked << title + "|" + filter;
    folders << folder;
    return saveAs;
}

std::optional<QString> ScriptedDialogs::openFileName(QWidget*, const QString& title,
                                                     const QString& filter, const QString& folder) {
    asked << title + "|" + filter;
    folders << folder;
    return openAs;
}

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    asked << "print";
    if (pdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
}

Harness::Harness(const QLocale& locale, const QString& folder)
    : app(
          messages, dialogs, [this] { closed = true; }, folder.isEmpty() ? data.path() : folder) {
    if (!previous)
        previous = qInstallMessageHandler(quietOffscreen);
    QLocale::setDefault(locale);
    registerScreens(app);
    app.screens().show(ScreenId::Welcome);
}

Harness::~Harness() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QWidget* Harness::window(const QString& name) const {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

QStringList Harness::shownWindows() const {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty())
            names << w->objectName();
    names.sort();
    return names;
}

QString Harness::text(const QString& windowName, const QString& name) const {
    if (auto* e = control<QLineEdit>(windowName, name))
        return e->text();
    if (auto* l = control<QLabel>(windowName, name))
        return l->text();
    return "<no " + windowName + "." + name + ">";
}

QColor Harness::colour(const QString& windowName, const QString& name) const {
    const QWidget* w = control(windowName, name);
    return w ? w->palette().color(QPalette::Base) : QColor();
}

namespace {

// Scrolls the control into view, as a person would before using it.
void reveal(QWidget* control) {
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(w))
            scroll->ensureWidgetVisible(control);
}

} // namespace

void Harness::click(const QString& windowName, const QString& button) {
    auto* b = control<QAbstractButton>(windowName, button);
    QVERIFY2(b, qPrintable("no button " + windowName + "." + button));
    reveal(b);
    // Near the left edge, where an option's indicator and caption are.
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(qMin(8, b->width() / 2), b->height() / 2));
}

void Harness::type(const QString& windowName, const QString& entry, const QString& text) {
    auto* e = control<QLineEdit>(windowName, entry);
    QVERIFY2(e, qPrintable("no entry " + windowName + "." + entry));
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else if (text.size() > 200 ||
             std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 127; }))
        paste(windowName, entry, text);
    else
        QTest::keyClicks(e, text);
}

void Harness::paste(const QString& windowName, const QString& entry, const QString& text) {
    auto* e = control<QLineEdit>(windowName, entry);
    QVERIFY2(e, qPrintable("no entry " + windowName + "." + entry));
    e->selectAll();
    if (text.isEmpty())
        e->del();
    else
        e->insert(text);
}

void Harness::choose(const QString& windowName, const QString& list, const QString& item) {
    if (auto* box = control<QListWidget>(windowName, list)) {
        const QList<QListWidgetItem*> found = box->findItems(item, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable("no item " + item));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          box->visualItemRect(found.first()).center());
        QVERIFY(found.first()->isSelected());
        return;
    }
    auto* c = control<QComboBox>(windowName, list);
    QVERIFY2(c, qPrintable("no list " + windowName + "." + list));
    const int index = c->findText(item);
    QVERIFY2(index >= 0, qPrintable("no item " + item));
    c->setCurrentIndex(index);
}

void Harness::fill(const QString& windowName, const QStringList& tokens) {
    for (const QString& token : tokens) {
        const QString name = token.section('=', 0, 0);
        const QString value = token.section('=', 1);
        if (!token.contains('='))
            click(windowName, name);
        else if (control<QComboBox>(windowName, name) || control<QListWidget>(windowName, name))
            choose(windowName, name, value);
        else
            type(windowName, name, value);
    }
}

QStringList Harness::items(const QString& windowName, const QString& list) const {
    QStringList out;
    if (auto* box = control<QListWidget>(windowName, list))
        for (int i = 0; i < box->count(); ++i)
            out << box->item(i)->text();
    if (auto* c = control<QComboBox>(windowName, list))
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
    return out;
}

QStringList Harness::labels(const QString& windowName) const {
    QStringList out;
    if (QWidget* w = window(windowName))
        for (const QLabel* l : w->findChildren<QLabel*>())
            out << l->text();
    return out;
}

void Harness::openDirectDrive() {
    click("Welcome", "Rotary");
    click("RotaryType", "DD");
}

void Harness::enterDirectDrive(const QString& inertia, const QString& torque) {
    type("DirectDrive", "DDInertia", inertia);
    type("DirectDrive", "TConst", torque);
    click("DirectDrive", "Next");
}

void Harness::enterTriangular(const QString& distance, const QString& unit, const QString& time) {
    click("RotaryMP", "Triangular");
    type("RotaryMP", "TriDist", distance);
    choose("RotaryMP", "TriMoveUnits", unit);
    type("RotaryMP", "TriMoveTime", time);
    click("RotaryMP", "Next");
}

void Harness::enterMotor(const QString& rotor, const QString& torque, const QString& speed) {
    type("Selection", "RotorInertia", rotor);
    type("Selection", "TorqueAvailable", torque);
    type("Selection", "SpeedAvailable", speed);
    click("Selection", "Next");
}

void fitsTheScreen(const Harness& h, const QString& step) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QString& name : h.shownWindows()) {
        QWidget* w = h.window(name);
        QVERIFY2(available.contains(w->frameGeometry()),
                 qPrintable(step + ": " + name + " leaves the screen"));
        for (const QPushButton* b : w->findChildren<QPushButton*>()) {
            if (!b->isVisibleTo(w) || b->text() == "?")
                continue;
            const QRect inWindow(b->mapTo(w, QPoint()), b->size());
            QVERIFY2(w->rect().contains(inWindow),
                     qPrintable(step + ": " + name + "." + b->objectName() + " out of view"));
        }
        // Pictures to look at, when asked for.
        if (const QByteArray folder = qgetenv("MOTOR_SIZING_SHOTS"); !folder.isEmpty())
            w->grab().save(QString("%1/%2-%3.png").arg(folder, step, name));
    }
}
