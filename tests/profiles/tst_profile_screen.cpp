#include "profiles/profilescreen.h"
#include "support/harness.h"
#include "support/stored.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

class ProfileScreenTest : public QObject {
    Q_OBJECT

    static void toProfile(Harness& h) {
        h.openDirectDrive();
        h.enterDirectDrive("0.1");
    }

  private slots:
    void firstLoad_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("distance");
        QTest::addColumn<QStringList>("speed");
        QTest::newRow("rotary") << "Rotary"
                                << "Rotary Motion Profiles" << QStringList{"revs", "degrees"}
                                << QStringList{"revs/sec", "revs/min", "degrees/sec"};
        QTest::newRow("linear") << "Linear"
                                << "Linear Motion Profiles" << QStringList{"in", "mm", "cm"}
                                << QStringList{"in/sec", "mm/sec", "cm/sec"};
        QTest::newRow("not chosen") << ""
                                    << "Motion Profiles" << QStringList{} << QStringList{};
    }
    void firstLoad() {
        QFETCH(QString, motion);
        QFETCH(QString, heading);
        QFETCH(QStringList, distance);
        QFETCH(QStringList, speed);
        Harness h;
        h.record().MotionType = motion == "Rotary"   ? Motion::Rotary
                                : motion == "Linear" ? Motion::Linear
                                                     : Motion::None;
        h.app.screens().show(ScreenId::RotaryMP);
        QCOMPARE(h.window("RotaryMP")->windowTitle(), QString("Rotary Motion"));
        QCOMPARE(h.text("RotaryMP", "MotionProfile"), heading);
        QCOMPARE(h.control<QGroupBox>("RotaryMP", "Profile")->title(), QString("Profile Options"));
        for (const char* list : {"TriMoveUnits", "TrapMoveUnits", "AccelDistUnits"}) {
            auto* c = h.control<QComboBox>("RotaryMP", list);
            QStringList items;
            for (int i = 0; i < c->count(); ++i)
                items << c->itemText(i);
            QCOMPARE(items, distance);
            QCOMPARE(c->currentIndex(), -1);
        }
        QCOMPARE(h.control<QComboBox>("RotaryMP", "MaxSpeedUnits")->count(), speed.size());
        for (const char* e : {"TriDist", "TriMoveTime", "TrapDist", "TrapMoveTime", "MaxSpeed",
                              "AccelTime", "AccelDist", "DwellTime"})
            QCOMPARE(h.text("RotaryMP", e), QString("0"));
        QVERIFY(!h.control<QRadioButton>("RotaryMP", "Triangular")->isChecked());
        QVERIFY(!h.control<QRadioButton>("RotaryMP", "Trapezoidal")->isChecked());
        // The motion type is read once: the lists stay as first loaded.
        h.record().MotionType = motion == "Rotary" ? Motion::Linear : Motion::Rotary;
        h.app.screens().show(ScreenId::RotaryMP);
        QCOMPARE(h.text("RotaryMP", "MotionProfile"), heading);
    }

    // An entry that is not a number stops NEXT before anything is stored.
    void badInput_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        const QList<std::pair<const char*, QString>> texts{
            {"letters", "abc"},         {"blanks", "  "},      {"empty", ""},
            {"two separators", "1..5"}, {"overflow", "1e999"}, {"long text", QString(10000, 'a')}};
        for (const char* entry : {"TriDist", "TriMoveTime", "TrapDist", "TrapMoveTime", "MaxSpeed",
                                  "AccelTime", "AccelDist", "DwellTime"})
            for (const auto& [name, text] : texts)
                QTest::addRow("%s %s", entry, name) << entry << text;
    }
    void badInput() {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        Harness h;
        toProfile(h);
        h.type("RotaryMP", "TriDist", "10");
        h.choose("RotaryMP", "TriMoveUnits", "revs");
        h.type("RotaryMP", "TriMoveTime", "1");
        h.type("RotaryMP", entry, text);
        // Typed before the choice greys out the other profile's entries.
        h.click("RotaryMP", "Triangular");
        h.click("RotaryMP", "Next");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Numbers Please", "Please enter numeric values only"}}));
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
        QCOMPARE(h.text("RotaryMP", entry), text);
        // The dwell is read after the profile's own checks, by which time an
        // inertia-only load reads "Inertia Given".
        QCOMPARE(h.record().Weight.text(), QString(entry == "DwellTime" ? "Inertia Given" : "0"));
        QCOMPARE(stored(h.record().SpdMultiplier), QString("0"));
        QVERIFY(h.record().RMotionProfiles.isEmpty());

        // Mended, the same NEXT goes on; the other profile's entry is mended
        // with that profile chosen.
        const bool other = !entry.startsWith("Tri");
        if (other)
            h.click("RotaryMP", "Trapezoidal");
        h.type("RotaryMP", entry, other ? "0" : "1");
        h.click("RotaryMP", "Triangular");
        h.click("RotaryMP", "Next");
        QVERIFY(h.messages.shown.isEmpty());
        QCOMPARE(h.shownWindows(), QStringList{"Preliminary"});
    }

    void accelTimeShortened() {
        Harness h;
        toProfile(h);
        h.click("RotaryMP", "Trapezoidal");
        h.type("RotaryMP", "TrapDist", "10");
        h.choose("RotaryMP", "TrapMoveUnits", "revs");
        h.type("RotaryMP", "TrapMoveTime", "1");
        h.type("RotaryMP", "AccelTime", "0.6");
        h.click("RotaryMP", "Next");
        QCOMPARE(h.messages.take().first().title, QString("Accel Time"));
        QCOMPARE(h.text("Preliminary", "MaxSpeed"), QString("20.000"));
        h.click("Preliminary", "Back");
        QCOMPARE(h.text("RotaryMP", "AccelTime"), QString("0.5"));
        QCOMPARE(h.record().RMotionProfiles.last(), QString("Acceleration Time = 0.5 sec"));
    }

    void tooMuchInformationResets() {
        Harness h;
        toProfile(h);
        h.click("RotaryMP", "Trapezoidal");
        h.type("RotaryMP", "TrapDist", "10");
        h.choose("RotaryMP", "TrapMoveUnits", "revs");
        h.type("RotaryMP", "TrapMoveTime", "1");
        h.type("RotaryMP", "MaxSpeed", "15");
        h.choose("RotaryMP", "MaxSpeedUnits", "revs/sec");
        h.type("RotaryMP", "AccelDist", "2.5");
        h.click("RotaryMP", "Next");
        QCOMPARE(h.messages.take().first().title, QString("Too Much Information"));
        for (const char* e : {"MaxSpeed", "AccelTime", "AccelDist"})
            QCOMPARE(h.text("RotaryMP", e), QString("0"));
        QCOMPARE(h.text("RotaryMP", "TrapDist"), QString("10"));
    }

    void constantVelocityHelp() {
        Harness h;
        toProfile(h);
        QCOMPARE(h.control<QPushButton>("RotaryMP", "CV")->text(), QString("Constant Velocity?"));
        h.click("RotaryMP", "CV");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Constant Velocity",
                                  "To enter a constant velocity application, you must select "
                                  "TRAPEZOIDAL, then enter the Max Speed, AND either Acceleration "
                                  "Time or Acceleration Distance."}}));
    }

    void backToMechanism() {
        Harness h;
        toProfile(h);
        h.enterTriangular("10", "revs", "1");
        h.click("Preliminary", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
        QCOMPARE(h.record().RMotionProfiles.size(), 4);
        h.record().LoadCalc = true;
        h.click("RotaryMP", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"DirectDrive"});
        QVERIFY(h.record().RMotionProfiles.isEmpty());
        QVERIFY(!h.record().LoadCalc);
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("0.1"));
    }
};

QTEST_MAIN(ProfileScreenTest)
#include "tst_profile_screen.moc"
