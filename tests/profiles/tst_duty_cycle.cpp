#include "findings/findingslogic.h"
#include "flow/numbers.h"
#include "profiles/moveprofile.h"
#include "profiles/profilelogic.h"
#include "report/reportlogic.h"
#include "support/forms.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

// A sized record: reflected inertia 0.1, thrust 2 and gravity 3 oz-in.
SizingRecord sized() {
    SizingRecord r;
    r.MotionType = Motion::Rotary;
    r.RotaryReduction = 1;
    r.ReflectedJ = 0.1;
    r.T_Thrust = 2;
    r.T_Gravity = 3;
    return r;
}

ProfileOutcome profile(SizingRecord& r, const QStringList& tokens) {
    Form form = profileForm();
    fill(form, tokens);
    return profileNext(r, profileEntries(form), ProfileKind::Rotary);
}

const QStringList triangle{"Triangular", "TriDist=1", "TriMoveUnits=revs", "TriMoveTime=1"};

} // namespace

class DutyCycleTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Torques of 10 to accelerate, 2 of thrust and 3 of gravity, worked by hand:
    // accelerating 15, running 5, decelerating -5, at rest 3.
    void rms_data() {
        QTest::addColumn<double>("accelTime");
        QTest::addColumn<double>("moveTime");
        QTest::addColumn<double>("dwell");
        QTest::addColumn<double>("thrust");
        QTest::addColumn<double>("gravity");
        QTest::addColumn<double>("rms");
        QTest::addColumn<double>("meanSpeed"); // of a maximum speed of 2
        QTest::newRow("triangle, no dwell")
            << 0.5 << 1.0 << 0.0 << 2.0 << 3.0 << std::sqrt(125.0) << 1.0;
        QTest::newRow("trapezoid, no dwell")
            << 0.25 << 1.0 << 0.0 << 2.0 << 3.0 << std::sqrt(75.0) << 1.5;
        QTest::newRow("trapezoid and dwell")
            << 0.25 << 1.0 << 1.0 << 2.0 << 3.0 << std::sqrt(42.0) << 0.75;
        QTest::newRow("horizontal: nothing held at rest")
            << 0.5 << 1.0 << 1.0 << 2.0 << 0.0 << std::sqrt(52.0) << 0.5;
        QTest::newRow("constant velocity ignores the dwell")
            << 0.2 << 0.0 << 5.0 << 2.0 << 3.0 << 5.0 << 2.0;
        QTest::newRow("a dwell all day holds the load")
            << 0.5 << 1.0 << 1e300 << 2.0 << 3.0 << 3.0 << 1e-300;
    }
    void rms() {
        QFETCH(double, accelTime);
        QFETCH(double, moveTime);
        QFETCH(double, dwell);
        QFETCH(double, thrust);
        QFETCH(double, gravity);
        QFETCH(double, rms);
        QFETCH(double, meanSpeed);
        const MoveProfile move = moveProfile(2, accelTime, moveTime, 10, thrust, gravity, dwell);
        QVERIFY(qFuzzyCompare(move.rmsTorque, rms));
        QVERIFY(qFuzzyCompare(move.meanSpeed, meanSpeed));
        QVERIFY(qFuzzyCompare(rmsTorque(move, 10, thrust, gravity), rms));
        // The motor's inertia adds to the torque to accelerate: accelerating
        // 20 + 5, decelerating 5 - 20.
        if (moveTime == 1 && accelTime == 0.5 && dwell == 0)
            QVERIFY(qFuzzyCompare(rmsTorque(move, 20, thrust, gravity), std::sqrt(425.0)));
        // A dwell shows in the picture: the load held at rest.
        if (dwell > 0 && moveTime > 0)
            QCOMPARE(move.segments.last(),
                     (MoveSegment{moveTime, moveTime + dwell, 0, 0, gravity}));
    }

    // A servo motor maker's published worked example, from its description
    // manual: accelerating torque 83.2 N-m, 3.0 N-m while running and at
    // rest, accelerating and decelerating 0.08 s each, running 2.0 s, resting
    // 3.0 s; the RMS torque is 15.0 N-m.
    void publishedExample() {
        const double newtonMetre = 141.6119; // oz-in
        const MoveProfile move =
            moveProfile(1, 0.08, 2.16, 83.2 * newtonMetre, 0, 3.0 * newtonMetre, 3.0);
        QCOMPARE(numbers::significant(move.rmsTorque / newtonMetre, 3), QString("15.0"));
    }

    // The dwell is read after the profile's own checks, and a bad one
    // stores nothing.
    void dwellEntry_data() {
        QTest::addColumn<QString>("dwell");
        QTest::addColumn<QString>("title");
        QTest::newRow("letters") << "abc"
                                 << "Numbers Please";
        QTest::newRow("empty") << ""
                               << "Numbers Please";
        QTest::newRow("overflow") << "1e999"
                                  << "Numbers Please";
        QTest::newRow("comma in the wrong place") << "1,0,0.5"
                                                  << "Numbers Please";
        QTest::newRow("5,000 digits") << QString(5000, '9') << "Numbers Please";
        QTest::newRow("negative") << "-0.5"
                                  << "Dwell Time";
        QTest::newRow("minus zero") << "-0"
                                    << "";
        QTest::newRow("none") << "0"
                              << "";
        QTest::newRow("huge") << "1e300"
                              << "";
    }
    void dwellEntry() {
        QFETCH(QString, dwell);
        QFETCH(QString, title);
        SizingRecord r = sized();
        r.RMotionProfiles = {"earlier"};
        const ProfileOutcome out = profile(r, triangle + QStringList{"DwellTime=" + dwell});
        QCOMPARE(out.outcome.proceed, title.isEmpty());
        if (!title.isEmpty()) {
            const Message expected = title == "Dwell Time"
                                         ? Message{"Dwell Time", "Please enter a dwell time of 0 "
                                                                 "or more seconds."}
                                         : messages::numbersPlease();
            QCOMPARE(out.outcome.messages, QList<Message>{expected});
            QCOMPARE(r.RMotionProfiles, QStringList{"earlier"});
            QCOMPARE(r.SpdMultiplier, 0.0);
            return;
        }
        QVERIFY(std::isfinite(out.preliminary.move.rmsTorque));
        QCOMPARE(r.RMotionProfiles.size(), numbers::parse(dwell).value() > 0 ? 5 : 4);
        // A figure of the profile still comes first: its own message.
        const ProfileOutcome first = profile(r, {"Triangular", "TriDist=x", "DwellTime=-1"});
        QCOMPARE(first.outcome.messages, QList<Message>{messages::numbersPlease()});
    }

    void dwellReported() {
        SizingRecord r = sized();
        ProfileOutcome out = profile(r, triangle + QStringList{"DwellTime=2.50"});
        QVERIFY(out.outcome.proceed);
        QCOMPARE(r.RMotionProfiles.mid(1),
                 (QStringList{"Motion Profile Type = Triangular", "Move Distance = 1 revs",
                              "Move Time = 1 sec", "Dwell Time = 2.50 sec"}));
        QCOMPARE(out.preliminary.move.dwellTime, 2.5);
        QCOMPARE(preliminaryText(out.preliminary, PreliminaryDisplay::TRMS),
                 numbers::format(out.preliminary.move.rmsTorque, u"##0.000"));
        // A constant velocity takes no dwell, whatever is typed.
        out = profile(r, {"Trapezoidal", "MaxSpeed=2", "MaxSpeedUnits=revs/sec", "AccelTime=0.2",
                          "DwellTime=zz"});
        QVERIFY(out.outcome.proceed);
        QCOMPARE(out.preliminary.move.rmsTorque, 5.0);
        QVERIFY(!r.RMotionProfiles.join('|').contains("Dwell"));
    }

    // The continuous torque is optional; given, it is checked after the speed
    // and the RMS margin is worked out with the motor's inertia.
    void continuousTorque_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("continuous");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("margin");
        QTest::addColumn<bool>("good");
        QTest::newRow("not a number") << "10"
                                      << "x"
                                      << "Numbers Please" << QString() << false;
        QTest::newRow("speed first") << "0"
                                     << "-1"
                                     << "Speed Margin" << QString() << false;
        QTest::newRow("negative") << "10"
                                  << "-1"
                                  << "Continuous Torque" << QString() << false;
        QTest::newRow("none given") << "10"
                                    << "0"
                                    << "" << QString() << true;
        QTest::newRow("just too small") << "10"
                                        << "6.804"
                                        << ""
                                        << "24.99" << false;
        QTest::newRow("shown as 25 but under it") << "10"
                                                  << "6.80451"
                                                  << ""
                                                  << "25.00" << false;
        QTest::newRow("just over 25") << "10"
                                      << "6.8046"
                                      << ""
                                      << "25.00" << true;
        QTest::newRow("ample") << "10"
                               << "10.9"
                               << ""
                               << "100.23" << true;
    }
    void continuousTorque() {
        QFETCH(QString, speed);
        QFETCH(QString, continuous);
        QFETCH(QString, title);
        QFETCH(QString, margin);
        QFETCH(bool, good);
        SizingRecord r = sized();
        const ProfileOutcome moved = profile(r, triangle + QStringList{"DwellTime=1"});
        // With the motor: accelerating 6.28318 * 2 / 0.5 * 0.2 = 5.026544 on
        // top of 5, decelerating 5 less; 3 held for the second at rest: an RMS
        // torque of 5.44363.
        const SelectionOutcome out =
            selectionNext(r, {"0.1", "100", speed, continuous}, moved.preliminary);
        QCOMPARE(out.outcome.proceed, title.isEmpty());
        if (!title.isEmpty()) {
            QCOMPARE(out.outcome.messages.value(0).title, title);
            if (title == "Continuous Torque")
                QCOMPARE(out.outcome.messages.first().text,
                         QString("Please enter the continuous (rated) torque of the motor, or 0 "
                                 "to skip the RMS check."));
            return;
        }
        const FindingsFigures& f = out.findings;
        const double ta = 6.28318 * 2 / 0.5 * 0.2;
        const double rms =
            std::sqrt(((5 + ta) * (5 + ta) * 0.5 + (5 - ta) * (5 - ta) * 0.5 + 9 * 1) / 2);
        QVERIFY(qFuzzyCompare(f.rmsTorque, rms));
        QCOMPARE(findingsText(f, FindingsDisplay::TRMS), numbers::format(rms, u"##0.00"));
        QCOMPARE(findingsText(f, FindingsDisplay::RMSMargin), margin);
        QCOMPARE(f.rmsChecked(), !margin.isEmpty());
        if (!margin.isEmpty())
            QCOMPARE(f.rmsVerdict, good ? Verdict::Good : Verdict::Bad);
        QCOMPARE(r.MotorSelection.size(), margin.isEmpty() ? 4 : 5);
        if (!margin.isEmpty())
            QCOMPARE(r.MotorSelection.last(),
                     "Selected Motor's Continuous Torque = " + continuous + " oz-in");

        // The report's thermal lines come only with a continuous torque.
        r.AppType = nullptr;
        const QStringList report = assembleReport(r, f);
        const qsizetype at =
            report.indexOf("This is the Torque Required at the Maximum Speed with No Margin");
        const QStringList thermal{"RMS TORQUE",
                                  "Trms = " + findingsText(f, FindingsDisplay::TRMS) + " oz-in",
                                  "RMS Margin = " + margin + " %", ""};
        const QString formula = "Trms = sqrt(sum(T^2 * t) / (move time + dwell time))";
        if (margin.isEmpty()) {
            QCOMPARE(report.mid(at + 2, 1), QStringList{"---REFERENCE FORMULAE---"});
            QVERIFY(!report.contains(formula));
        } else {
            QCOMPARE(report.mid(at + 2, 4), thermal);
            QCOMPARE(report[report.indexOf("Ttot = Ta + Tt + Tg") + 1], formula);
        }
    }
};

QTEST_GUILESS_MAIN(DutyCycleTest)
#include "tst_duty_cycle.moc"
