#include "findings/findingslogic.h"
#include "flow/axis.h"
#include "profiles/moveprofile.h"
#include "profiles/profilelogic.h"

#include <QLocale>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(QList<MoveSegment>)

// The figures the two plots draw, worked out without a display.
class PlotLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void moveSegments_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("accelTime");
        QTest::addColumn<double>("moveTime");
        QTest::addColumn<QList<MoveSegment>>("segments");
        QTest::addColumn<bool>("openEnded");
        // Torques: accelerating 25, thrust 5, gravity 2.
        QTest::newRow("triangle") << 20.0 << 0.5 << 1.0
                                  << QList<MoveSegment>{{0, 0.5, 0, 20, 32}, {0.5, 1, 20, 0, -18}}
                                  << false;
        QTest::newRow("trapezoid") << 15.0 << 0.25 << 1.0
                                   << QList<MoveSegment>{{0, 0.25, 0, 15, 32},
                                                         {0.25, 0.75, 15, 15, 7},
                                                         {0.75, 1, 15, 0, -18}}
                                   << false;
        QTest::newRow("constant velocity")
            << 10.0 << 0.2 << 0.0 << QList<MoveSegment>{{0, 0.2, 0, 10, 32}, {0.2, 0.4, 10, 10, 7}}
            << true;
        QTest::newRow("no speed") << 0.0 << 0.5 << 1.0 << QList<MoveSegment>{} << false;
        QTest::newRow("no acceleration time")
            << 20.0 << 0.0 << 1.0 << QList<MoveSegment>{} << false;
        QTest::newRow("acceleration past half the move")
            << 20.0 << 0.6 << 1.0 << QList<MoveSegment>{} << false;
        QTest::newRow("infinite speed") << std::numeric_limits<double>::infinity() << 0.5 << 1.0
                                        << QList<MoveSegment>{} << false;
    }
    void moveSegments() {
        QFETCH(double, speed);
        QFETCH(double, accelTime);
        QFETCH(double, moveTime);
        QFETCH(QList<MoveSegment>, segments);
        QFETCH(bool, openEnded);
        const MoveProfile move = moveProfile(speed, accelTime, moveTime, 25, 5, 2);
        QCOMPARE(move.segments, segments);
        QCOMPARE(move.openEnded, openEnded);
        if (!segments.isEmpty()) {
            QCOMPARE(move.maxSpeed, speed);
            QCOMPARE(move.accelTime, accelTime);
            QCOMPARE(move.moveTime, moveTime);
        }
    }

    // The profile hands the plot the move it worked out.
    void fromTheProfile() {
        SizingRecord r;
        r.RotaryReduction = 1;
        r.ReflectedJ = 0.1;
        r.T_Thrust = 5;
        ProfileEntries e;
        e.Trapezoidal = true;
        e.TrapDist = "10";
        e.TrapMoveUnits = "revs";
        e.TrapMoveTime = "1";
        e.MaxSpeed = "15";
        e.MaxSpeedUnits = "revs/sec";
        const MoveProfile move = profileNext(r, e, ProfileKind::Rotary).preliminary.move;
        QCOMPARE(move.segments.size(), 3);
        QCOMPARE(move.maxSpeed, 15.0);
        QCOMPARE(move.moveTime, 1.0);
        QVERIFY(qFuzzyCompare(move.accelTime, 1.0 / 3));
        QVERIFY(qFuzzyCompare(move.segments[0].torque, 5 + 28.27431));
        QCOMPARE(move.segments[1].torque, 5.0);
        QVERIFY(qFuzzyCompare(move.segments[2].torque, 5 - 28.27431));
    }

    void ticks_data() {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QList<double>>("ticks");
        QTest::newRow("to 20") << 0.0 << 20.0 << QList<double>{0, 5, 10, 15, 20};
        QTest::newRow("to 23") << 0.0 << 23.0 << QList<double>{0, 5, 10, 15, 20, 25};
        QTest::newRow("to 0.46") << 0.0 << 0.46 << QList<double>{0, 0.1, 0.2, 0.3, 0.4, 0.5};
        QTest::newRow("to 1") << 0.0 << 1.0 << QList<double>{0, 0.2, 0.4, 0.6, 0.8, 1};
        QTest::newRow("both signs") << -60.0 << 80.0 << QList<double>{-100, -50, 0, 50, 100};
        QTest::newRow("below zero only") << -3.0 << -1.0 << QList<double>{-3, -2, -1, 0};
        QTest::newRow("no span") << 0.0 << 0.0 << QList<double>{};
        QTest::newRow("infinite") << 0.0 << std::numeric_limits<double>::infinity()
                                  << QList<double>{};
        QTest::newRow("not a number")
            << 0.0 << std::numeric_limits<double>::quiet_NaN() << QList<double>{};
    }
    void ticks() {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QList<double>, ticks);
        QCOMPARE(axisTicks(low, high), ticks);
    }

    void labels() {
        QCOMPARE(plotLabel(0.333333333), QString("0.3333"));
        QCOMPARE(plotLabel(15), QString("15"));
        QCOMPARE(plotLabel(0.6 * 3), QString("1.8"));
        QCOMPARE(plotLabel(12345.6), QString("12350"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(plotLabel(0.25), QString("0,25"));
    }

    // The findings carry what the torque-speed picture draws: the need, the
    // motor's two figures and the margins' verdicts.
    // The figures stated under the picture of the move.
    void moveCaption_data() {
        QTest::addColumn<double>("accelTime");
        QTest::addColumn<double>("moveTime");
        QTest::addColumn<QStringList>("caption");
        QTest::newRow("triangle") << 0.5 << 1.0
                                  << QStringList{"max speed = 20 revs/sec", "ta = 0.500 s",
                                                 "t = 1.00 s"};
        QTest::newRow("a third of a second")
            << 1.0 / 3 << 1.0
            << QStringList{"max speed = 20 revs/sec", "ta = 0.333 s", "t = 1.00 s"};
        QTest::newRow("long and short")
            << 0.0125 << 12.5
            << QStringList{"max speed = 20 revs/sec", "ta = 0.0125 s", "t = 12.5 s"};
        QTest::newRow("constant velocity")
            << 0.2 << 0.0
            << QStringList{"max speed = 20 revs/sec", "ta = 0.200 s", "then at constant speed"};
    }
    void moveCaption() {
        QFETCH(double, accelTime);
        QFETCH(double, moveTime);
        QFETCH(QStringList, caption);
        QCOMPARE(::moveCaption(moveProfile(20, accelTime, moveTime, 25, 5, 2)), caption);
        if (moveTime > 0)
            QCOMPARE(::moveCaption(moveProfile(20, accelTime, moveTime, 25, 5, 2, 1.5)),
                     caption + QStringList{"dwell = 1.50 s"});
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(::moveCaption(moveProfile(20, accelTime, moveTime, 25, 5, 2)).value(1),
                 caption.value(1).replace('.', ','));
    }
    void operatingPoints() {
        SizingRecord r;
        r.ReflectedJ = 0.25;
        r.SpdMultiplier = 251.3272;
        r.T_Thrust = 10;
        PreliminaryFigures preliminary;
        preliminary.need.speed = 20;
        preliminary.need.totalTorque = 75.345;
        SelectionOutcome out = selectionNext(r, {"0.01", "150", "40"}, preliminary);
        QVERIFY(out.outcome.proceed);
        FindingsFigures f = out.findings;
        QCOMPARE(f.need.speed, 20.0);
        QVERIFY(qFuzzyCompare(f.need.totalTorque, 251.3272 * 0.26 + 10));
        QCOMPARE(f.torqueAvailable, 150.0);
        QCOMPARE(f.speedAvailable, 40.0);
        QCOMPARE(f.torqueVerdict, Verdict::Good);
        QCOMPARE(f.speedVerdict, Verdict::Good);
        QVERIFY(drawable(f));
        // The motor's speed point stands at the torque the engineer read it at.
        QCOMPARE(f.requiredTorque, 75.345);
        QCOMPARE(
            operatingLegend(f),
            (QStringList{"needed: 75.35 oz-in at 20 revs/sec",
                         "motor: 150 oz-in at 20.000 revs/sec, 40 revs/sec at 75.345 oz-in",
                         "torque margin: 99.08 % \u2713 OK", "speed margin: 100.00 % \u2713 OK"}));

        f = selectionNext(r, {"0.01", "80", "25"}, preliminary).findings;
        QCOMPARE(f.torqueVerdict, Verdict::Bad);
        QCOMPARE(f.speedVerdict, Verdict::Bad);
        QCOMPARE(operatingLegend(f).mid(2), (QStringList{"torque margin: 6.18 % \u2717 LOW",
                                                         "speed margin: 25.00 % \u2717 LOW"}));
        QCOMPARE(verdictMark(FindingsDisplay::Mismatch, Verdict::Bad), QString("\u2717 HIGH"));

        // A need of no torque, or less than none, is not drawn.
        r.T_Thrust = -100;
        f = selectionNext(r, {"0.01", "80", "25"}, preliminary).findings;
        QVERIFY(f.need.totalTorque < 0);
        QVERIFY(!drawable(f));
        QVERIFY(!drawable(FindingsFigures{}));
    }
};

QTEST_GUILESS_MAIN(PlotLogicTest)
#include "tst_plot_logic.moc"
