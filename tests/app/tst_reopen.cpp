#include "mechanisms/applications.h"
#include "support/applications.h"
#include "support/reportroad.h"
#include "ui/screen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

Q_DECLARE_METATYPE(AppRoad)

namespace {

// Every entry, display, list and option of the road's screens, as shown.
QStringList everyDisplay(Harness& h, const AppRoad& road) {
    QStringList out;
    for (const QString& name : {road.screen, road.profile(), QString("Preliminary"),
                                QString("Selection"), QString("Findings"), QString("Report")}) {
        Screen* screen = h.app.screens().show(*h.app.screens().named(name));
        for (const QLineEdit* e : screen->findChildren<QLineEdit*>())
            out << name + "." + e->objectName() + "=" + e->text();
        for (const QComboBox* c : screen->findChildren<QComboBox*>())
            out << name + "." + c->objectName() + "=" + c->currentText();
        for (const QAbstractButton* b : screen->findChildren<QAbstractButton*>())
            if (b->isCheckable())
                out << name + "." + b->objectName() + (b->isChecked() ? " on" : " off");
        for (const QListWidget* l : screen->findChildren<QListWidget*>())
            for (int i = 0; i < l->count(); ++i)
                out << name + "." + l->objectName() + "|" + l->item(i)->text();
        screen->hide();
    }
    return out;
}

// Back from the findings to the mechanism screen, an edit there, and on
// to the findings again: a load inertia typed over (the calculator's too),
// or a linear load made heavier.
void editAndSizeAgain(Harness& h, const AppRoad& road) {
    h.click("Findings", "Back");
    h.click("Selection", "Back");
    h.click("Preliminary", "Back");
    h.click(road.profile(), "Back");
    const QString inertia = applicationWithScreen(road.screen)->loadInertia;
    if (!inertia.isEmpty())
        h.type(road.screen, inertia, "0.3");
    else
        h.type(road.screen, "LoadWeight", "12");
    h.click(road.screen, "Next");
    h.click(road.profile(), "Next");
    h.click("Preliminary", "Next");
    h.click("Selection", "Next");
    QCOMPARE(h.messages.take(), QList<Message>{});
    QCOMPARE(h.shownWindows(), QStringList{"Findings"});
}

} // namespace

// A sizing opened from its file is the sizing saved: every screen shows
// what it showed, and it opens inside the screen.
class ReopenTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QApplication::setFont(QFont()); }

    void everyDisplayAsSaved_data() {
        QTest::addColumn<AppRoad>("road");
        for (const AppRoad& road : roads())
            QTest::newRow(qPrintable(road.screen)) << road;
        QTest::newRow("load calculator") << calculatorRoad();
    }
    void everyDisplayAsSaved() {
        QFETCH(AppRoad, road);
        QTemporaryDir folder;
        const QString path = folder.filePath("edited.motorsizing");
        QStringList shown;
        {
            Harness h(QLocale(road.locale));
            reportroad::drive(h, road);
            editAndSizeAgain(h, road);
            if (QTest::currentTestFailed())
                return;
            h.dialogs.saveAs = path;
            h.click("Findings", "SaveSizing");
            QCOMPARE(h.messages.take(), QList<Message>{});
            shown = everyDisplay(h, road);
        }
        if (road.calculator.size())
            QVERIFY(shown.contains("Preliminary.Weight=Inertia Given"));
        Harness h(QLocale(road.locale));
        QVERIFY(h.app.openSizingFile(path, h.window("Welcome")));
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        QCOMPARE(everyDisplay(h, road), shown);
    }

    // Opened from a file, through the recent list or from the command line,
    // the findings lie inside a laptop's screen with their foot buttons in
    // view, at 9, 10 and 11 pt.
    void openedInsideTheScreen_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("recent");
        for (int points : {9, 10, 11})
            for (bool recent : {false, true})
                QTest::addRow("%d pt, %s", points, recent ? "recent list" : "command line")
                    << points << recent;
    }
    void openedInsideTheScreen() {
        QFETCH(int, points);
        QFETCH(bool, recent);
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
        QTemporaryDir folder;
        const QString path = folder.filePath("zaxis.motorsizing");
        {
            Harness h(QLocale(QLocale::English, QLocale::UnitedStates), folder.path());
            reportroad::drive(h, road("GBScrewDrive"));
            h.dialogs.saveAs = path;
            h.click("Findings", "SaveSizing");
        }
        Harness h(QLocale(QLocale::English, QLocale::UnitedStates), folder.path());
        if (recent) {
            h.choose("Welcome", "RecentSizings", "zaxis.motorsizing");
            QTest::keyClick(h.control<QListWidget>("Welcome", "RecentSizings"), Qt::Key_Return);
        } else
            h.app.openSizingFile(path, h.window("Welcome"));
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        fitsTheScreen(h, QString("%1pt").arg(points));
    }
};

QTEST_MAIN(ReopenTest)
#include "tst_reopen.moc"
