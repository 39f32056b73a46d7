#include "support/applications.h"
#include "support/reportroad.h"
#include "ui/dialogs.h"
#include "ui/placement.h"

#include <QApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QScreen>

namespace {

QWidget* focused(const Harness& h, const QString& window) {
    QWidget* w = h.window(window);
    return w ? w->focusWidget() : nullptr;
}

QString focusedName(const Harness& h, const QString& window) {
    QWidget* f = focused(h, window);
    return f ? f->objectName() : QString();
}

// The names focus visits from the first focus on, by Tab.
QStringList tabOrder(const Harness& h, const QString& window, int steps) {
    QStringList names{focusedName(h, window)};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(focused(h, window), Qt::Key_Tab);
        names << focusedName(h, window);
    }
    return names;
}

} // namespace

// The program on a laptop's screen of 1366 by 768, at the usual fonts.
class DeskTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QApplication::setFont(QFont()); }

    void everyWindowFits_data() {
        QTest::addColumn<int>("points");
        for (int points : {9, 10, 11})
            QTest::addRow("%d pt", points) << points;
    }
    void everyWindowFits() {
        QFETCH(int, points);
        QApplication::setFont(QFont("DejaVu Sans", points));
        const QString pt = QString::number(points) + "pt";
        Harness h;
        fitsTheScreen(h, pt + "-welcome");
        reportroad::drive(h, road("Gearbox"), [&](const QString& screen) {
            fitsTheScreen(h, pt + "-" + screen);
            if (screen == "Selection") {
                h.click("Selection", "ChooseMotor");
                h.click("Selection", "Library");
                fitsTheScreen(h, pt + "-motors");
                h.click("MotorLibrary", "Close");
                h.click("MotorFit", "Close");
            }
            if (screen != "Gearbox")
                return;
            h.click("Gearbox", "LoadCalcs");
            h.click("Gearbox", "UnitConv");
            fitsTheScreen(h, pt + "-tools");
            h.click("LoadCalculations", "Close");
            h.click("Conversion", "Close");
        });
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "2");
        fitsTheScreen(h, pt + "-projection");
        h.click("AddGBox", "AddGBButton");
        fitsTheScreen(h, pt + "-added");
        // The load inertia the added gearbox drives shows whole.
        const auto* load = h.control<QLineEdit>("Gearbox", "LoadInertia");
        QCOMPARE(load->text(), QString("0.0223775017253278"));
        QVERIFY(load->width() > load->fontMetrics().horizontalAdvance(load->text()));
        h.click("Gearbox", "Next");
        h.click("RotaryMP", "Next");
        h.click("Preliminary", "Next");
        h.click("Selection", "Next");
        h.click("Findings", "ViewReport");
        fitsTheScreen(h, pt + "-report");
    }

    void linearScreensFit_data() { everyWindowFits_data(); }
    void linearScreensFit() {
        QFETCH(int, points);
        QApplication::setFont(QFont("DejaVu Sans", points));
        const QString pt = QString::number(points) + "pt";
        Harness linear;
        reportroad::drive(linear, road("BeltScrewDrive"),
                          [&](const QString& screen) { fitsTheScreen(linear, pt + "-" + screen); });
    }

    // A side tool opens beside the wizard where there is room, else over it;
    // a window larger than the room shrinks to it.
    void placement_data() {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QRect>("placed");
        const QRect room(0, 0, 1366, 736);
        QTest::newRow("room on the right") << QRect(100, 50, 500, 600) << QRect(608, 50, 400, 500);
        QTest::newRow("room on the left") << QRect(800, 50, 500, 600) << QRect(392, 50, 400, 500);
        QTest::newRow("over it") << QRect(300, 100, 800, 700) << QRect(316, 116, 400, 500);
    }
    void placement() {
        QFETCH(QRect, anchor);
        QFETCH(QRect, placed);
        const QRect room(0, 0, 1366, 736);
        QCOMPARE(placement::beside(QSize(400, 500), anchor, room), placed);
        QVERIFY(room.contains(placement::beside(QSize(400, 500), anchor, room)));
        QCOMPARE(placement::inside(QRect(1200, 600, 400, 900), room), QRect(966, 0, 400, 736));
        // The wizard's next screen keeps the place and size of the last.
        QCOMPARE(placement::replacing(QRect(10, 20, 700, 500), QSize(600, 600), room),
                 QRect(10, 20, 700, 600));
    }

    void firstFocusAndTabOrder() {
        Harness h;
        QCOMPARE(focusedName(h, "Welcome"), QString("Rotary"));
        h.click("Welcome", "Rotary");
        QCOMPARE(focusedName(h, "RotaryType"), QString("DD"));
        h.click("RotaryType", "DD");
        QCOMPARE(tabOrder(h, "DirectDrive", 8),
                 (QStringList{"DDInertia", "LoadCalcs", "TConst", "DWhat", "UnitConv", "Back",
                              "Close", "Next", "DDInertia"}));
    }

    // A window manager frames a window after it shows: where the frame then
    // reaches past the screen, the window moves inside.
    void framedInside() {
        Harness h;
        QWidget* welcome = h.window("Welcome");
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        welcome->move(welcome->x(), available.bottom() - welcome->height() / 2);
        QTRY_VERIFY(available.contains(welcome->frameGeometry()));
    }

    // Tab goes down a column of the profile, then the next, and the option
    // frames come before the buttons.
    void tabOrderOfColumnsAndFrames() {
        Harness h;
        h.openDirectDrive();
        h.enterDirectDrive("1");
        QCOMPARE(tabOrder(h, "RotaryMP", 17),
                 (QStringList{"TriDist", "TriMoveUnits", "TriMoveTime", "Trapezoidal", "TrapDist",
                              "TrapMoveUnits", "TrapMoveTime", "MaxSpeed", "MaxSpeedUnits",
                              "AccelTime", "AccelDist", "AccelDistUnits", "CV", "DwellTime", "Back",
                              "Close", "Next", "Triangular"}));
        Harness l;
        l.click("Welcome", "Linear");
        l.click("LinearType", "SDrive");
        QCOMPARE(tabOrder(l, "ScrewDrive", 16),
                 (QStringList{"ScrewDiameter", "ScrewLength", "CouplerDiameter", "CouplerLength",
                              "SystemUnits", "Vertical", "Horizontal", "LoadWeight", "ThrustForce",
                              "Units", "ScrewPitch", "PitchUnits", "ScrewEfficiency", "ScrewWhat",
                              "Back", "Close", "Next"}));
    }

    void findingsFocus() {
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        QCOMPARE(tabOrder(h, "Findings", 11),
                 (QStringList{"ViewReport", "AddGB", "SaveSizing", "SaveSizingAs", "StartNew",
                              "Back", "Close", "ResultUnits", "MismatchWhat", "MarginWhat",
                              "RMSWhat", "ViewReport"}));
        // Enter on a focused "?" explains; it does not open the report.
        h.control<QWidget>("Findings", "MismatchWhat")->setFocus();
        QTest::keyClick(focused(h, "Findings"), Qt::Key_Return);
        QCOMPARE(h.messages.take().value(0).title, QString("Inertia Mismatch"));
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
    }

    // A focused button takes Enter and Space itself; Enter in an entry
    // presses the screen's main button.
    void enterAndSpace() {
        Harness h;
        h.openDirectDrive();
        h.control<QWidget>("DirectDrive", "Back")->setFocus();
        QTest::keyClick(focused(h, "DirectDrive"), Qt::Key_Return);
        QCOMPARE(h.shownWindows(), QStringList{"RotaryType"});
        h.control<QWidget>("RotaryType", "DD")->setFocus();
        QTest::keyClick(focused(h, "RotaryType"), Qt::Key_Space);
        QCOMPARE(h.shownWindows(), QStringList{"DirectDrive"});
        h.type("DirectDrive", "DDInertia", "1");
        QTest::keyClick(h.control<QWidget>("DirectDrive", "DDInertia"), Qt::Key_Return);
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
    }

    void enterOnCancel() {
        Harness projection;
        reportroad::drive(projection, road("DirectDrive"));
        projection.click("Findings", "AddGB");
        projection.type("AddGBox", "Reduction", "2");
        projection.control<QWidget>("AddGBox", "RemoveGBButton")->setFocus();
        QTest::keyClick(focused(projection, "AddGBox"), Qt::Key_Return);
        QCOMPARE(projection.shownWindows(), QStringList{"Findings"});
        QVERIFY(!projection.record().gearboxAdded());
    }

    // Esc hides a side tool as its CLOSE or CANCEL does, and does nothing on
    // a wizard screen.
    void escape_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tool");
        QTest::newRow("load calculator") << "DirectDrive"
                                         << "LoadCalcs"
                                         << "LoadCalculations";
        QTest::newRow("unit conversion") << "DirectDrive"
                                         << "UnitConv"
                                         << "Conversion";
        QTest::newRow("gearbox projection") << "Findings"
                                            << "AddGB"
                                            << "AddGBox";
        QTest::newRow("motors that fit") << "Selection"
                                         << "ChooseMotor"
                                         << "MotorFit";
        QTest::newRow("motor library") << "Selection"
                                       << "Library"
                                       << "MotorLibrary";
    }
    void escape() {
        QFETCH(QString, opener);
        QFETCH(QString, button);
        QFETCH(QString, tool);
        Harness h;
        if (opener == "Findings" || opener == "Selection")
            reportroad::drive(h, road("DirectDrive"), {}, opener);
        else
            h.openDirectDrive();
        h.click(opener, button);
        QCOMPARE(h.shownWindows().size(), 2);
        QTest::keyClick(focused(h, tool), Qt::Key_Escape);
        QCOMPARE(h.shownWindows(), QStringList{opener});
        QTest::keyClick(h.window(opener), Qt::Key_Escape);
        QCOMPARE(h.shownWindows(), QStringList{opener});
        QVERIFY(!h.closed);
    }

    // The entries of the profile or shape not chosen are greyed out.
    void formsFollowTheChoices() {
        Harness h;
        h.openDirectDrive();
        h.enterDirectDrive("1");
        const auto enabled = [&](const QString& window, const QStringList& names) {
            QStringList out;
            for (const QString& name : names)
                if (h.control<QWidget>(window, name)->isEnabled())
                    out << name;
            return out;
        };
        const QStringList profile{"TriDist", "TriMoveUnits", "TrapDist", "MaxSpeed", "AccelDist"};
        QCOMPARE(enabled("RotaryMP", profile), profile);
        h.click("RotaryMP", "Triangular");
        QCOMPARE(enabled("RotaryMP", profile), (QStringList{"TriDist", "TriMoveUnits"}));
        h.click("RotaryMP", "Trapezoidal");
        QCOMPARE(enabled("RotaryMP", profile), profile.mid(2));
        QCOMPARE(focusedName(h, "RotaryMP"), QString("Trapezoidal"));

        h.click("RotaryMP", "Back");
        h.click("DirectDrive", "LoadCalcs");
        const QStringList shapes{"SolidOD", "HollowOD", "HollowID", "RectL", "RectW", "Weight"};
        QCOMPARE(enabled("LoadCalculations", shapes), shapes);
        h.click("LoadCalculations", "HollowCyl");
        QCOMPARE(enabled("LoadCalculations", shapes),
                 (QStringList{"HollowOD", "HollowID", "Weight"}));
    }

    // Pass or fail is told by a mark as well as by colour.
    void marks() {
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        QCOMPARE(h.text("Findings", "MismatchMark"), QString("\u2717 HIGH"));
        QCOMPARE(h.text("Findings", "TorqueMarginMark"), QString("\u2713 OK"));
        QCOMPARE(h.text("Findings", "SpeedMarginMark"), QString("\u2713 OK"));
    }

    // A name typed without its extension gets it from the dialog, which then
    // asks before replacing the file of that name; each filter names its kind.
    void saveDialogs_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("filter");
        QTest::newRow("sizing") << "*.motorsizing"
                                << "Motor sizings (*.motorsizing)";
        QTest::newRow("pdf") << "*.pdf"
                             << "PDF files (*.pdf)";
        QTest::newRow("csv") << "*.csv"
                             << "CSV files (*.csv)";
        QTest::newRow("text") << "*.txt"
                              << "Text files (*.txt)";
    }
    void saveDialogs() {
        QFETCH(QString, pattern);
        QFETCH(QString, filter);
        QTemporaryDir folder;
        const QString existing = folder.filePath("zaxis" + pattern.mid(1));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        QFileDialog dialog(nullptr, "Save", folder.path());
        setUpFileDialog(dialog, pattern, QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(dialog.nameFilters(), QStringList{filter});
        dialog.show();
        dialog.selectFile("zaxis");
        QString asked;
        whenModal(&dialog, [&](QWidget* question) {
            if (auto* box = qobject_cast<QMessageBox*>(question))
                asked = box->text();
        });
        static_cast<QDialog&>(dialog).accept();
        QVERIFY2(asked.contains("zaxis" + pattern.mid(1)), qPrintable(asked));
        QVERIFY(asked.contains("already exists"));
    }
};

QTEST_MAIN(DeskTest)
#include "tst_desk.moc"
