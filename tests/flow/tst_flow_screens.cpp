#include "app/welcome.h"
#include "support/harness.h"
#include "support/stored.h"
#include "ui/colours.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

class FlowScreensTest : public QObject {
    Q_OBJECT

    // Goes from the welcome screen to the named screen of a direct drive sizing.
    static void roadTo(Harness& h, const QString& screen) {
        if (screen == "Welcome")
            return;
        if (screen == "LinearType")
            return h.click("Welcome", "Linear");
        h.click("Welcome", "Rotary");
        if (screen == "RotaryType")
            return;
        h.click("RotaryType", "DD");
        if (screen == "DirectDrive")
            return;
        h.enterDirectDrive("0.25", "10");
        if (screen == "RotaryMP")
            return;
        h.enterTriangular("10", "revs", "1");
        if (screen == "Preliminary")
            return;
        h.click("Preliminary", "Next");
        if (screen == "Selection")
            return;
        h.enterMotor("0.01", "150", "40");
    }

  private slots:
    void welcome() {
        Harness h;
        QCOMPARE(h.shownWindows(), QStringList{"Welcome"});
        QWidget* w = h.window("Welcome");
        QCOMPARE(w->windowTitle(), QString("Welcome"));
        QCOMPARE(h.text("Welcome", "Disclaimer"), Welcome::disclaimer);
        QVERIFY(Welcome::disclaimer.startsWith("DISCLAIMER:  This software is intended"));
        QVERIFY(Welcome::disclaimer.endsWith("agree with its statements. "));
        QStringList labels;
        for (const QLabel* l : w->findChildren<QLabel*>())
            labels << l->text();
        QVERIFY(labels.contains("Velmora Motor Sizing"));
        QVERIFY(labels.contains("Select Application Type"));
        QCOMPARE(h.control<QPushButton>("Welcome", "Rotary")->text(), QString("ROTARY"));
        QCOMPARE(h.control<QPushButton>("Welcome", "Linear")->text(), QString("LINEAR"));
        QCOMPARE(h.control<QPushButton>("Welcome", "Close")->text(), QString("CLOSE"));
        QVERIFY(!h.control("Welcome", "Back"));
    }

    void choiceScreens_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons"); // name=caption, + when enabled
        QTest::newRow("rotary") << "Rotary"
                                << "RotaryType"
                                << "Rotary"
                                << QStringList{"DD=DIRECT DRIVE+", "BP=BELT-PULLEY+",
                                               "GB=GEARBOX+"};
        QTest::newRow("linear") << "Linear"
                                << "LinearType"
                                << "Linear Motion"
                                << QStringList{"SDrive=SCREW DRIVEN+",
                                               "BPScrew=BELT-PULLEY DRIVING SCREW+",
                                               "GBScrew=GEARBOX DRIVING SCREW+",
                                               "NonRotating=NON-ROTATING SCREW+",
                                               "RackDrive=RACK && PINION+",
                                               "Conveyor=CONVEYOR+"};
    }
    void choiceScreens() {
        QFETCH(QString, motion);
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(QStringList, buttons);
        Harness h;
        h.click("Welcome", motion);
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QCOMPARE(h.window(screen)->windowTitle(), title);
        QCOMPARE(motionText(h.record().MotionType), motion);
        for (QString b : buttons) {
            const bool enabled = b.endsWith('+');
            b.remove('+');
            auto* button = h.control<QPushButton>(screen, b.section('=', 0, 0));
            QVERIFY2(button, qPrintable(b));
            QCOMPARE(button->text(), b.section('=', 1));
            QCOMPARE(button->isEnabled(), enabled);
        }
        QCOMPARE(h.control<QPushButton>("LinearType", "RackDrive") == nullptr, motion == "Rotary");
        h.click(screen, "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Welcome"});
    }

    void helpMessages_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("direct drive") << "Rotary"
                                      << "DWhat"
                                      << "Direct Drive Explained"
                                      << "Direct Drive includes all loads coupled directly to the "
                                         "motor.";
        QTest::newRow("belt-pulley")
            << "Rotary"
            << "BWhat"
            << "Belt-Pulley Explained"
            << "Belt-Pulley type applications include those in which the motor is offset from the "
               "load yet connected via belt and pulleys or chain and sprockets.";
        QTest::newRow("gearbox")
            << "Rotary"
            << "GWhat"
            << "Gearbox System Explained"
            << "A Gearbox driven system is one in which two or more gears provide a mechanical "
               "advantage whem moving a load.  This advantage can be a reduction in required motor "
               "torque, increased resolution, or lower reflected system inertia.";
        QTest::newRow("screw") << "Linear"
                               << "ScrewWhat"
                               << "Screw Drive"
                               << "Screw Driven defines motion resulting from coupling a motor and "
                                  "rotating a ballscrew or leadscrew to actuate motion.";
        QTest::newRow("belt screw") << "Linear"
                                    << "BPScrewWhat"
                                    << "Belt-Pulley Screw Drive"
                                    << "Where a Belt-Pulley reduction is combined with a Screw "
                                       "Drive to actuate linear motion.";
        QTest::newRow("gearbox screw") << "Linear"
                                       << "GBScrewWhat"
                                       << "Gearbox Driving a Screw"
                                       << "Where a Gearbox reduction is combined with a Screw "
                                          "Drive to actuate linear motion.";
        QTest::newRow("non-rotating") << "Linear"
                                      << "NonWhat"
                                      << "Non-Rotating Screw Drive"
                                      << "In a non-rotating screw actuation, either the motor or "
                                         "screw moves with the load.";
        QTest::newRow("rack") << "Linear"
                              << "RackWhat"
                              << "Rack & Pinion Drive"
                              << "In Rack & Pinion linear motion, either the rack or pinion move "
                                 "with the load.";
        QTest::newRow("conveyor") << "Linear"
                                  << "ConveyorWhat"
                                  << "Conveyor System"
                                  << "A Conveyor System, or Tangential Drive, is where the load is "
                                     "coupled to, or transferred by, the belt in a Belt-Pulley "
                                     "system.";
    }
    void helpMessages() {
        QFETCH(QString, motion);
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Harness h;
        h.click("Welcome", motion);
        const QString screen = motion + "Type";
        h.click(screen, button);
        QCOMPARE(h.messages.take(), (QList<Message>{{title, text}}));
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QCOMPARE(h.record().AppType, nullptr);
    }

    void chooseAgain() {
        Harness h;
        h.click("Welcome", "Rotary");
        h.click("RotaryType", "Back");
        h.click("Welcome", "Linear");
        QCOMPARE(h.record().MotionType, Motion::Linear);
        QCOMPARE(h.record().AppType, nullptr);
        QCOMPARE(h.shownWindows(), QStringList{"LinearType"});
    }

    void closeEndsProgram_data() {
        QTest::addColumn<QString>("screen");
        for (const char* s : {"Welcome", "RotaryType", "LinearType", "DirectDrive", "RotaryMP",
                              "Preliminary", "Selection", "Findings"})
            QTest::newRow(s) << s;
    }
    void closeEndsProgram() {
        QFETCH(QString, screen);
        Harness h;
        roadTo(h, screen);
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QVERIFY(!h.closed);
        h.click(screen, "Close");
        QVERIFY(h.closed);
        QVERIFY(h.messages.shown.isEmpty());
    }

    void directDriveRoad_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("point");
        QTest::newRow("point decimal") << QLocale(QLocale::English, QLocale::UnitedStates) << ".";
        QTest::newRow("comma decimal") << QLocale(QLocale::German, QLocale::Germany) << ",";
    }
    void directDriveRoad() {
        QFETCH(QLocale, locale);
        QFETCH(QString, point);
        auto n = [&](QString s) { return s.replace('.', point); };
        Harness h(locale);
        h.click("Welcome", "Rotary");
        const QPoint at = h.window("RotaryType")->pos();
        h.click("RotaryType", "DD");
        QCOMPARE(h.record().AppType->text, QString("Rotary: Direct Drive"));
        QCOMPARE(h.window("DirectDrive")->pos(), at);

        h.enterDirectDrive(n("0.25"), "10");
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
        QCOMPARE(h.control<QGroupBox>("RotaryMP", "Profile")->title(), QString("Direct Drive"));
        QCOMPARE(h.text("RotaryMP", "MotionProfile"), QString("Rotary Motion Profiles"));
        QCOMPARE(h.record().MechanismLines,
                 (QStringList{"", n("Load Inertia = 0.25 oz-in-sec^2")}));

        h.enterTriangular("10", "revs", "1");
        QCOMPARE(h.shownWindows(), QStringList{"Preliminary"});
        const QList<std::pair<QString, QString>> preliminary{
            {"App", "Rotary: Direct Drive"}, {"Weight", "Inertia Given"},
            {"ReflectedJ", n("0.250")},      {"Taccl", n("62.832")},
            {"Tthrust", n("10.000")},        {"Tgravity", n("0.000")},
            {"T_Total", n("72.832")},        {"MaxSpeed", n("20.000")}};
        for (const auto& [name, text] : preliminary)
            QCOMPARE(h.text("Preliminary", name), text);
        QCOMPARE(h.colour("Preliminary", "T_Total"), colours::lightYellow);
        QCOMPARE(h.colour("Preliminary", "Taccl"), colours::lightGrey);

        h.click("Preliminary", "Next");
        QCOMPARE(h.text("Selection", "Torque"), n("72.832"));
        QCOMPARE(h.text("Selection", "Speed"), n("20.000"));

        h.enterMotor(n("0.01"), "150", "40");
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        QVERIFY(h.messages.shown.isEmpty());
        const QList<std::pair<QString, QString>> findings{
            {"MotorInertia", n("0.010")}, {"ReflectedJ", n("0.250")},  {"Taccl", n("65.35")},
            {"Tthrust", n("10.00")},      {"Tgravity", n("0.00")},     {"T_Total", n("75.35")},
            {"MaxSpeed", "20"},           {"Mismatch", n("25.00")},    {"MisRatio", " : 1"},
            {"TorqueMargin", n("99.08")}, {"SpeedMargin", n("100.00")}};
        for (const auto& [name, text] : findings)
            QCOMPARE(h.text("Findings", name), text);
        QCOMPARE(h.colour("Findings", "Mismatch"), colours::lightRed);
        QCOMPARE(h.colour("Findings", "MisRatio"), colours::lightRed);
        QCOMPARE(h.colour("Findings", "TorqueMargin"), colours::lightGreen);
        QCOMPARE(h.colour("Findings", "SpeedMargin"), colours::lightGreen);
        QCOMPARE(h.colour("Findings", "MotorInertia"), colours::lightGrey);
        QCOMPARE(h.colour("Findings", "T_Total"), colours::lightYellow);
        QCOMPARE(h.record().MotorSelection.size(), 4);
        QCOMPARE(h.record().MotionProfile, ProfileType::Triangular);
    }

    void startOver() {
        Harness h;
        roadTo(h, "Findings");
        h.messages.answer = false;
        h.click("Findings", "StartNew");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{
                     {"Start Over", "Do you really want to clear all data and start over?"}}));
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        QCOMPARE(stored(h.record().ReflectedJ), QString("0.25"));

        h.messages.answer = true;
        h.click("Findings", "StartNew");
        QCOMPARE(h.shownWindows(), QStringList{"Welcome"});
        QCOMPARE(h.record().AppType, nullptr);
        QCOMPARE(stored(h.record().ReflectedJ), QString("0"));
        QVERIFY(h.record().MechanismLines.isEmpty());
        QVERIFY(h.record().MotorSelection.isEmpty());

        h.openDirectDrive();
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("0"));
        QCOMPARE(h.text("DirectDrive", "TConst"), QString("0"));
        h.enterDirectDrive("1");
        QCOMPARE(h.control<QGroupBox>("RotaryMP", "Profile")->title(), QString("Direct Drive"));
        QVERIFY(!h.control<QRadioButton>("RotaryMP", "Triangular")->isChecked());
        QCOMPARE(h.text("RotaryMP", "TriDist"), QString("0"));
        QCOMPARE(h.control<QComboBox>("RotaryMP", "TriMoveUnits")->currentIndex(), -1);
    }

    // Every screen's entries come from the sizing: shown first, each holds a
    // number, and the sizing holds the same texts.
    void firstEntriesFromTheSizing_data() {
        QTest::addColumn<ScreenId>("screen");
        using S = ScreenId;
        for (S screen :
             {S{"DirectDrive"}, S{"BeltPulley"}, S::Gearbox, S{"ScrewDrive"}, S{"BeltScrewDrive"},
              S{"GBScrewDrive"}, S{"NonRScrewDrive"}, S{"RackPinionDrive"}, S{"ConveyorDrive"},
              S::LoadCalculations, S::RotaryMP, S::MotionProfiles, S::Selection, S::AddGBox})
            QTest::newRow(qPrintable(screenName(screen))) << screen;
    }
    void firstEntriesFromTheSizing() {
        QFETCH(ScreenId, screen);
        Harness h;
        h.record().MotionType = Motion::Rotary;
        QWidget* shown = h.app.screens().show(screen);
        QVERIFY(shown);
        const QList<QLineEdit*> entries = shown->findChildren<QLineEdit*>();
        int typed = 0;
        for (const QLineEdit* e : entries) {
            if (e->isReadOnly())
                continue;
            ++typed;
            QVERIFY2(numbers::isNumeric(e->text()), qPrintable(e->objectName()));
            const Form& form = h.sizing().forms.value(screen);
            QCOMPARE(form.entry(e->objectName()), e->text());
        }
        QVERIFY(typed > 0);
    }
};

QTEST_MAIN(FlowScreensTest)
#include "tst_flow_screens.moc"
