#include "motors/csv.h"
#include "support/reportroad.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>

namespace {

// Five motors as their data sheets give them.
const QByteArray fiveMotors =
    "Name,Rotor Inertia [kg-cm^2],Continuous Torque [N-m],Peak Torque [N-m],Max Speed "
    "[revs/min],Peak Curve [revs/min:N-m]\r\n"
    "MS-40 Compact,0.05,0.13,0.38,3000,\r\n"
    "MS-60 Standard,0.6,0.32,0.95,3000,0:0.95 2000:0.95 3000:0.5\r\n"
    "\"MS-60 Plus, sealed\",0.9,0.45,1.3,3000,\r\n"
    "MS-80 Large,2.4,1.27,3.8,3000\r\n"
    "MS-60 Slow,0.6,0.32,0.95,60,0:0.95 60:0.95\r\n";

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.write(bytes);
    return file.fileName();
}

// A table's column as shown.
QStringList column(const QTableView* view, int column, int role = Qt::DisplayRole) {
    QStringList out;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, column).data(role).toString();
    return out;
}

// The rack and pinion sized up to the motor selection.
void toSelection(Harness& h) {
    reportroad::drive(h, road("RackPinionDrive"), {}, "Selection");
}

void importFive(Harness& h, const QTemporaryDir& dir) {
    h.dialogs.openAs = write(dir, "motors.csv", fiveMotors);
    h.click("MotorLibrary", "ImportMotors");
    QCOMPARE(h.messages.take(), QList<Message>{});
}

void shoot(Harness& h, const QString& name) {
    if (const QByteArray folder = qgetenv("MOTOR_SIZING_SHOTS"); !folder.isEmpty())
        h.window(name)->grab().save(QString("%1/%2.png").arg(folder, name));
}

} // namespace

class MotorScreensTest : public QObject {
    Q_OBJECT
  private slots:
    // The library's window lists the motors already in its file the first
    // time it opens.
    void firstShowListsTheFile() {
        QTemporaryDir folder, dir;
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        {
            Harness h(english, folder.path());
            toSelection(h);
            h.click("Selection", "Library");
            importFive(h, dir);
        }
        Harness h(english, folder.path());
        toSelection(h);
        h.click("Selection", "Library");
        QVERIFY(h.text("MotorLibrary", "Status").startsWith("5 motors in "));
        auto* motors = h.control<QTableView>("MotorLibrary", "Motors");
        QCOMPARE(motors->verticalHeader()->count(), 5);
        const QRect first = motors->visualRect(motors->model()->index(0, 0));
        QVERIFY(first.isValid());
        QCOMPARE(motors->indexAt(first.center()).row(), 0);
        QCOMPARE(motors->selectionModel()->selectedRows().size(), 1);
    }

    // A new user imports five motors from their data sheets, sizes a rack and
    // pinion, and uses the smallest motor that fits.
    void smallestMotorThatFits() {
        Harness h;
        QTemporaryDir dir;
        toSelection(h);
        h.click("Selection", "Library");
        QCOMPARE(h.shownWindows(), (QStringList{"MotorLibrary", "Selection"}));
        importFive(h, dir);
        QCOMPARE(h.text("MotorLibrary", "Status"), "Read 5 motors from motors.csv: 5 added.");
        h.choose("MotorLibrary", "InertiaUnits", "kg-cm^2");
        h.choose("MotorLibrary", "TorqueUnits", "N-m");
        h.choose("MotorLibrary", "SpeedUnits", "revs/min");
        auto* motors = h.control<QTableView>("MotorLibrary", "Motors");
        QCOMPARE(column(motors, 0), (QStringList{"MS-40 Compact", "MS-60 Plus, sealed",
                                                 "MS-60 Slow", "MS-60 Standard", "MS-80 Large"}));
        QCOMPARE(column(motors, 1), (QStringList{"0.05", "0.9", "0.6", "0.6", "2.4"}));
        QCOMPARE(column(motors, 2), (QStringList{"0.13", "0.45", "0.32", "0.32", "1.27"}));
        QCOMPARE(column(motors, 4), (QStringList{"3000", "3000", "60", "3000", "3000"}));
        motors->selectRow(3);
        const auto* curve = h.control<QTableView>("MotorLibrary", "Curve");
        QCOMPARE(column(curve, 0), (QStringList{"0", "2000", "3000"}));
        QCOMPARE(column(curve, 1), (QStringList{"0.95", "0.95", "0.5"}));
        shoot(h, "MotorLibrary");
        h.click("MotorLibrary", "Close");

        h.click("Selection", "ChooseMotor");
        QCOMPARE(h.shownWindows(), (QStringList{"MotorFit", "Selection"}));
        QCOMPARE(h.window("MotorFit")->windowTitle(), "Choose a Motor");
        const auto* fits = h.control<QTableView>("MotorFit", "Fits");
        QCOMPARE(column(fits, 0), (QStringList{"MS-60 Standard", "MS-60 Plus, sealed",
                                               "MS-80 Large", "MS-60 Slow", "MS-40 Compact"}));
        QCOMPARE(column(fits, 1), (QStringList{"7.02", "4.68", "1.76", "7.02", "84.27"}));
        QCOMPARE(column(fits, 3, Qt::ToolTipRole),
                 (QStringList{"5135.60 ✓ OK", "5135.60 ✓ OK", "5135.60 ✓ OK", "4.71 ✗ LOW",
                              "5135.60 ✓ OK"}));
        const QColor green(128, 255, 128), red(255, 128, 128);
        for (int c = 1; c <= 4; ++c) {
            QCOMPARE(fits->model()->index(0, c).data(Qt::BackgroundRole).value<QBrush>().color(),
                     green);
            QVERIFY(!fits->model()->index(0, c).data(Qt::DecorationRole).value<QIcon>().isNull());
        }
        QCOMPARE(fits->model()->index(4, 1).data(Qt::BackgroundRole).value<QBrush>().color(), red);
        QVERIFY(!h.control<QLabel>("MotorFit", "EmptyNote")->isVisible());
        // No name is cut at the window's opening size.
        for (const QString& name : column(fits, 0))
            QVERIFY2(fits->columnWidth(0) > fits->fontMetrics().horizontalAdvance(name) + 8,
                     qPrintable(name));
        shoot(h, "MotorFit");

        // The best is chosen, the table in focus: Enter uses it and types its
        // figures.
        QCOMPARE(h.window("MotorFit")->focusWidget(), fits);
        QTest::keyClick(h.window("MotorFit")->focusWidget(), Qt::Key_Return);
        QCOMPARE(h.shownWindows(), (QStringList{"MotorFit", "Selection"}));
        QCOMPARE(h.text("Selection", "RotorInertia"), "0.00848985315983054");
        QCOMPARE(h.text("Selection", "TorqueAvailable"), "134.531305");
        QCOMPARE(h.text("Selection", "SpeedAvailable"), "50");
        QCOMPARE(h.text("Selection", "TorqueContinuous"), "45.315808");
        QCOMPARE(h.text("Selection", "MotorName"), "MS-60 Standard");
        h.click("MotorFit", "Close");
        h.click("Selection", "Next");
        QCOMPARE(h.messages.take(), QList<Message>{});
        for (const char* mark :
             {"MismatchMark", "TorqueMarginMark", "SpeedMarginMark", "RMSMarginMark"})
            QCOMPARE(h.text("Findings", mark), "✓ OK");
        QCOMPARE(h.text("Findings", "TorqueMargin"), "433.30");

        h.click("Findings", "ViewReport");
        QStringList report;
        const auto* list = h.control<QListWidget>("Report", "ReportList");
        for (int i = 0; i < list->count(); ++i)
            report << list->item(i)->text();
        const qsizetype at = report.indexOf("Selected Motor = MS-60 Standard");
        QVERIFY(at > 0);
        QCOMPARE(report.mid(at - 1, 6),
                 (QStringList{"", "Selected Motor = MS-60 Standard",
                              "Selected Motor's Rotor Inertia = 0.00848985315983054 oz-in-sec^2",
                              "Selected Motor's Torque Available at Max Speed = 134.531305 oz-in",
                              "Selected Motor's Speed Available at Torque Required = 50 revs/sec",
                              "Selected Motor's Continuous Torque = 45.315808 oz-in"}));
        // It is the selected motor the report names until another is typed.
        QCOMPARE(h.text("Report", "MotorSelected"), "MS-60 Standard");

        // The motor's name goes with the sizing file.
        h.dialogs.saveAs = dir.filePath("rack");
        h.click("Report", "SaveSizing");
        QFile saved(dir.filePath("rack.motorsizing"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\"motor\": \"MS-60 Standard\""));
        h.click("Report", "Back");
        h.click("Findings", "StartNew");
        QVERIFY(h.app.openSizingFile(saved.fileName(), h.window("Welcome")));
        h.click("Findings", "Back");
        QCOMPARE(h.text("Selection", "MotorName"), "MS-60 Standard");

        // A figure typed by hand is no longer the library motor's.
        h.type("Selection", "TorqueAvailable", "120");
        QCOMPARE(h.text("Selection", "MotorName"), "");
        h.click("Selection", "Next");
        h.click("Findings", "ViewReport");
        QVERIFY(!h.control<QListWidget>("Report", "ReportList")
                     ->findItems("Selected Motor = ", Qt::MatchStartsWith)
                     .size());
        QCOMPARE(h.text("Report", "MotorSelected"), "");
    }

    void emptyLibrary() {
        Harness h;
        toSelection(h);
        h.click("Selection", "ChooseMotor");
        const auto* note = h.control<QLabel>("MotorFit", "EmptyNote");
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), "The motor library is empty.\nPress \"Motor Library...\" to add "
                               "motors, or to import them\nfrom a CSV file of their data sheets.");
        QVERIFY(!h.control<QTableView>("MotorFit", "Fits")->isVisible());
        QVERIFY(!h.control<QPushButton>("MotorFit", "UseMotor")->isEnabled());
        // Filling the library fills the list.
        h.click("MotorFit", "Library");
        QTemporaryDir dir;
        importFive(h, dir);
        QVERIFY(!note->isVisible());
        auto* fits = h.control<QTableView>("MotorFit", "Fits");
        QCOMPARE(fits->model()->rowCount(), 5);
        // A double click on a motor uses it.
        const QModelIndex second = fits->model()->index(1, 0);
        const QPoint at = fits->visualRect(second).center();
        QTest::mouseClick(fits->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(fits->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(h.text("Selection", "MotorName"), second.data().toString());
    }

    // Editing in place: a refused figure keeps the cell; removing asks;
    // importing names already there asks once; export writes the file.
    void editImportExport() {
        Harness h;
        QTemporaryDir dir;
        toSelection(h);
        h.click("Selection", "Library");
        importFive(h, dir);
        auto* motors = h.control<QTableView>("MotorLibrary", "Motors");
        const QModelIndex inertia = motors->model()->index(0, 1);
        const QString before = inertia.data().toString();
        motors->setCurrentIndex(inertia);
        motors->edit(inertia);
        auto* editor = motors->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText("zero");
        QTest::keyClick(editor, Qt::Key_Return);
        // The table commits the edit once back in the event loop.
        QCoreApplication::processEvents();
        QCOMPARE(h.messages.take(),
                 (QList<Message>{
                     {"Motor Figures", "Please enter the rotor inertia as a number above 0."}}));
        QCOMPARE(motors->model()->index(0, 1).data().toString(), before);
        QCOMPARE(h.app.library().named("MS-40 Compact")->rotorInertia,
                 0.05 * 35.2739 / 6.4516 / 386.4);

        motors->selectRow(0);
        h.messages.answer = false;
        h.click("MotorLibrary", "RemoveMotor");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Remove Motor", "Remove the motor \"MS-40 Compact\" and its "
                                                  "curve from the library?"}}));
        QCOMPARE(motors->model()->rowCount(), 5);
        h.messages.answer = true;
        h.click("MotorLibrary", "RemoveMotor");
        h.messages.take();
        QCOMPARE(motors->model()->rowCount(), 4);

        h.messages.answer = false;
        h.dialogs.openAs = dir.filePath("motors.csv");
        h.click("MotorLibrary", "ImportMotors");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Replace Motors",
                                  "4 motors of the file are already in the library "
                                  "(MS-60 Standard, MS-60 Plus, sealed, MS-80 Large, MS-60 Slow). "
                                  "Replace them with the file's?"}}));
        QCOMPARE(h.text("MotorLibrary", "Status"),
                 "Read 5 motors from motors.csv: 1 added, 4 kept as the library had them.");

        h.dialogs.openAs = write(dir, "bad.csv", fiveMotors + "Broken,1,1,1\r\n");
        h.click("MotorLibrary", "ImportMotors");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Import Motors", "bad.csv cannot be imported: line 7: it has 4 "
                                                   "fields where the header has 6."}}));
        QCOMPARE(motors->model()->rowCount(), 5);

        h.dialogs.saveAs = dir.filePath("out");
        h.click("MotorLibrary", "ExportMotors");
        QCOMPARE(h.text("MotorLibrary", "Status"), "Wrote 5 motors to out.csv.");
        QFile out(dir.filePath("out.csv"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), motors::writeCsv(h.app.library().motors()));
        h.dialogs.saveAs = dir.filePath("missing/out.csv");
        h.click("MotorLibrary", "ExportMotors");
        const QList<Message> shown = h.messages.take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.front().title, "Export Error");
        QVERIFY(shown.front().text.startsWith("The motors could not be exported to " +
                                              dir.filePath("missing/out.csv") + ":  "));
        // Each file dialog after the first opens in the folder last used.
        QCOMPARE(h.dialogs.folders,
                 (QStringList{{}, dir.path(), dir.path(), dir.path(), dir.path()}));
    }
};

QTEST_MAIN(MotorScreensTest)
#include "tst_motor_screens.moc"
