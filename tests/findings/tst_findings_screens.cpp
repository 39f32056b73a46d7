#include "support/applications.h"
#include "support/harness.h"
#include "support/reportroad.h"
#include "support/stored.h"
#include "ui/colours.h"

class FindingsScreensTest : public QObject {
    Q_OBJECT

    // J = 0.01, triangular 10 revs in 1 sec: speed 20.000, acceleration 251.3272.
    static void toSelection(Harness& h) {
        h.openDirectDrive();
        h.enterDirectDrive("0.01");
        h.enterTriangular("10", "revs", "1");
        h.click("Preliminary", "Next");
    }

  private slots:
    void preliminaryBack() {
        Harness h;
        toSelection(h);
        h.click("Selection", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Preliminary"});
        QCOMPARE(h.text("Preliminary", "Weight"), QString("Inertia Given"));
        QCOMPARE(h.record().Weight.text(), QString("Inertia Given"));
        h.click("Preliminary", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
        QCOMPARE(h.record().Weight.text(), QString("0"));
        QCOMPARE(h.text("RotaryMP", "TriDist"), QString("10"));
        h.click("RotaryMP", "Next");
        QCOMPARE(h.record().Weight.text(), QString("Inertia Given"));
    }

    void badInput_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        const QList<std::pair<const char*, QString>> texts{
            {"letters", "abc"},          {"blanks", "  "},      {"empty", ""},
            {"two separators", "1.2.3"}, {"overflow", "1e999"}, {"long text", QString(10000, '-')}};
        for (const char* entry :
             {"RotorInertia", "TorqueAvailable", "SpeedAvailable", "TorqueContinuous"})
            for (const auto& [name, text] : texts)
                QTest::addRow("%s %s", entry, name) << entry << text;
    }
    void badInput() {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        Harness h;
        toSelection(h);
        h.type("Selection", "RotorInertia", "0");
        h.type("Selection", "TorqueAvailable", "5");
        h.type("Selection", "SpeedAvailable", "40");
        h.type("Selection", entry, text);
        h.click("Selection", "Next");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Numbers Please", "Please enter numeric values only"}}));
        QCOMPARE(h.shownWindows(), QStringList{"Selection"});
        QCOMPARE(h.text("Selection", entry), text);
        QVERIFY(h.record().MotorSelection.isEmpty());
    }

    void colours_data() {
        QTest::addColumn<QString>("rotor");
        QTest::addColumn<QString>("torque");
        QTest::addColumn<QString>("mismatch");
        QTest::addColumn<QColor>("mismatchColour");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<QColor>("marginColour");
        const QColor good = colours::lightGreen, bad = colours::lightRed;
        QTest::newRow("mismatch 10, margin above 50") << "0.001"
                                                      << "4.2"
                                                      << "10.00" << good << "51.92" << good;
        QTest::newRow("mismatch above 10, margin below 50") << "0.00099"
                                                            << "4.1"
                                                            << "10.10" << bad << "48.44" << bad;
    }
    void colours() {
        QFETCH(QString, rotor);
        QFETCH(QString, torque);
        QFETCH(QString, mismatch);
        QFETCH(QColor, mismatchColour);
        QFETCH(QString, margin);
        QFETCH(QColor, marginColour);
        Harness h;
        toSelection(h);
        h.enterMotor(rotor, torque, "30");
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        QCOMPARE(h.text("Findings", "Mismatch"), mismatch);
        QCOMPARE(h.colour("Findings", "Mismatch"), mismatchColour);
        QCOMPARE(h.colour("Findings", "MisRatio"), mismatchColour);
        QCOMPARE(h.text("Findings", "TorqueMargin"), margin);
        QCOMPARE(h.colour("Findings", "TorqueMargin"), marginColour);
        QCOMPARE(h.text("Findings", "SpeedMargin"), QString("50.00"));
        QCOMPARE(h.colour("Findings", "SpeedMargin"), colours::lightRed);
    }

    void findingsButtons() {
        Harness h;
        toSelection(h);
        h.enterMotor("0.001", "10", "40");
        const QList<std::tuple<QString, QString, bool>> buttons{
            {"ViewReport", "V I E W    R E P O R T", true},
            {"AddGB", "Add Gearbox ?", true},
            {"StartNew", "START OVER", true},
            {"Back", "BACK", true},
            {"Close", "CLOSE", true}};
        for (const auto& [name, caption, enabled] : buttons) {
            auto* b = h.control<QPushButton>("Findings", name);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->text(), caption);
            QCOMPARE(b->isEnabled(), enabled);
        }
        h.click("Findings", "MarginWhat");
        h.click("Findings", "MismatchWhat");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{
                     {"Margins Explained",
                      "Torque and Speed Margins are calculated from the entries for the selected "
                      "motor in the previous screen.  Actual acceptable margins are to be "
                      "determined on a project by project basis."},
                     {"Inertia Mismatch",
                      "The inertia mismatch determines the settling time of an un-damped system.  "
                      "The greater the torque margin, the smaller the amplitude of oscillation.  A "
                      "good rule of thumb is to stay within 10:1, but depending on the stiffness "
                      "of the system, one may be able to go higher (if more stiff), or may need to "
                      "stay lower (if less stiff)."}}));
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
    }

    void backKeepsEntriesAndEmptiesMotorLines() {
        Harness h;
        toSelection(h);
        h.enterMotor(".0005", "10", "40");
        QCOMPARE(h.text("Findings", "MotorInertia"), QString("0.001"));
        QCOMPARE(h.record().MotorSelection[1],
                 QString("Selected Motor's Rotor Inertia = .0005 oz-in-sec^2"));
        h.click("Findings", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Selection"});
        QCOMPARE(h.text("Selection", "RotorInertia"), QString(".0005"));
        QCOMPARE(h.record().MotorSelection.size(), 4);
        h.click("Selection", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Preliminary"});
        QVERIFY(h.record().MotorSelection.isEmpty());
    }

    void failedCheckLeavesFindings() {
        Harness h;
        toSelection(h);
        h.enterMotor("0.001", "10", "40");
        h.click("Findings", "Back");
        h.type("Selection", "SpeedAvailable", "0");
        h.click("Selection", "Next");
        QCOMPARE(h.messages.take().first().title, QString("Speed Margin"));
        QCOMPARE(h.shownWindows(), QStringList{"Selection"});
        QCOMPARE(h.record().MotorSelection.size(), 4);
        h.type("Selection", "SpeedAvailable", "40");
        h.click("Selection", "Next");
        QCOMPARE(h.text("Findings", "SpeedMargin"), QString("100.00"));
    }

    // A vertical screw that rests between moves: a motor whose continuous
    // torque is just too small, then one that is ample; the report and the
    // saved file carry the dwell and the thermal check.
    void thermalCheck() {
        Harness h;
        const AppRoad& screw = road("ScrewDrive");
        AppRoad resting = screw;
        resting.move << "DwellTime=2";
        reportroad::drive(h, resting);
        QCOMPARE(h.text("Findings", "RMSMargin"), QString());
        QCOMPARE(h.colour("Findings", "RMSMargin"), colours::lightYellow);
        QCOMPARE(h.text("Findings", "RMSMarginMark"), QString());
        const QString trms = h.text("Findings", "TRMS");
        QCOMPARE(h.colour("Findings", "TRMS"), colours::lightGrey);
        const double rms = number(trms);
        QVERIFY(rms > 0 && rms < number(h.text("Findings", "T_Total")));

        h.click("Findings", "Back");
        h.type("Selection", "TorqueContinuous", numbers::general(rms * 1.2));
        h.click("Selection", "Next");
        QCOMPARE(h.colour("Findings", "RMSMargin"), colours::lightRed);
        QCOMPARE(h.text("Findings", "RMSMarginMark"), QString("\u2717 LOW"));
        h.click("Findings", "Back");
        h.type("Selection", "TorqueContinuous", "40");
        h.click("Selection", "Next");
        QCOMPARE(h.colour("Findings", "RMSMargin"), colours::lightGreen);
        QCOMPARE(h.text("Findings", "RMSMarginMark"), QString("\u2713 OK"));
        h.click("Findings", "RMSWhat");
        QCOMPARE(h.messages.take().value(0).title, QString("RMS Torque"));
        const QString margin = h.text("Findings", "RMSMargin");

        h.click("Findings", "ViewReport");
        QStringList listed;
        auto* list = h.control<QListWidget>("Report", "ReportList");
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        for (const QString& line :
             {QString("Dwell Time = 2 sec"),
              QString("Selected Motor's Continuous Torque = 40 oz-in"), QString("RMS TORQUE"),
              "Trms = " + trms + " oz-in", "RMS Margin = " + margin + " %"})
            QVERIFY2(listed.contains(line), qPrintable(line));
        QTemporaryDir dir;
        h.type("Report", "Company", "Acme Mill");
        h.type("Report", "MotorSelected", "M-23");
        h.dialogs.saveAs = dir.filePath("sizing");
        h.click("Report", "SaveReport");
        QFile saved(dir.filePath("sizing.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QVERIFY(bytes.contains("\"Dwell Time = 2 sec\"\r\n"));
        QVERIFY(bytes.contains("\"Trms = sqrt(sum(T^2 * t) / (move time + dwell time))\"\r\n"));
    }
};

QTEST_MAIN(FindingsScreensTest)
#include "tst_findings_screens.moc"
