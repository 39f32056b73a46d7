#include "findings/findingslogic.h"
#include "support/stored.h"

#include <QLocale>
#include <QTest>

namespace {

// The preliminary findings showing that motor speed.
PreliminaryFigures showing(const QString& speed) {
    PreliminaryFigures p;
    p.need.speed = number(speed);
    return p;
}

QString shown(const FindingsFigures& f, FindingsDisplay display) {
    return findingsText(f, display);
}

} // namespace

class FindingsLogicTest : public QObject {
    Q_OBJECT

    // k = 100, Jr = 0.02, Tt = 5, Tg = 2, speed shown 12.500 unless a row says otherwise.
    static SizingRecord sized(const QString& reflected = "0.02", const QString& k = "100") {
        SizingRecord r;
        r.ReflectedJ = number(reflected);
        r.SpdMultiplier = number(k);
        r.T_Thrust = 5;
        r.T_Gravity = 2;
        return r;
    }

  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figures() {
        SizingRecord r = sized();
        const SelectionOutcome out = selectionNext(r, {"0.01", "30", "25"}, showing("12.500"));
        QVERIFY(out.outcome.proceed);
        QVERIFY(out.outcome.messages.isEmpty());
        const FindingsFigures& f = out.findings;
        QCOMPARE(shown(f, FindingsDisplay::MotorInertia), QString("0.010"));
        QCOMPARE(shown(f, FindingsDisplay::ReflectedJ), QString("0.020"));
        QCOMPARE(shown(f, FindingsDisplay::Mismatch), QString("2.00"));
        QCOMPARE(shown(f, FindingsDisplay::Taccl), QString("3.00"));
        QCOMPARE(shown(f, FindingsDisplay::Tthrust), QString("5.00"));
        QCOMPARE(shown(f, FindingsDisplay::Tgravity), QString("2.00"));
        QCOMPARE(shown(f, FindingsDisplay::T_Total), QString("10.00"));
        QCOMPARE(shown(f, FindingsDisplay::TorqueMargin), QString("200.00"));
        QCOMPARE(shown(f, FindingsDisplay::SpeedMargin), QString("100.00"));
        QCOMPARE(shown(f, FindingsDisplay::MaxSpeed), QString("12.5"));
        QCOMPARE(
            r.MotorSelection,
            (QStringList{"", "Selected Motor's Rotor Inertia = 0.01 oz-in-sec^2",
                         "Selected Motor's Torque Available at Max Speed = 30 oz-in",
                         "Selected Motor's Speed Available at Torque Required = 25 revs/sec"}));
    }

    void verdicts_data() {
        QTest::addColumn<QString>("reflected");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("rotor");
        QTest::addColumn<QString>("torque");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("mismatch");
        QTest::addColumn<bool>("mismatchGood");
        QTest::addColumn<QString>("torqueMargin");
        QTest::addColumn<bool>("torqueGood");
        QTest::addColumn<QString>("speedMargin");
        QTest::addColumn<bool>("speedGood");
        // k = 0 leaves a total torque of Tt + Tg = 7.
        QTest::newRow("mismatch exactly 10")
            << "0.01"
            << "0"
            << "0.001"
            << "70"
            << "25"
            << "10.00" << true << "900.00" << true << "100.00" << true;
        QTest::newRow("mismatch above 10")
            << "0.01"
            << "0"
            << "0.00099"
            << "70"
            << "25"
            << "10.10" << false << "900.00" << true << "100.00" << true;
        QTest::newRow("torque margin exactly 50")
            << "0.01"
            << "0"
            << "1"
            << "10.5"
            << "18.75"
            << "0.01" << true << "50.00" << false << "50.00" << false;
        QTest::newRow("margins just above 50")
            << "0.01"
            << "0"
            << "1"
            << "10.5007"
            << "18.7513"
            << "0.01" << true << "50.01" << true << "50.01" << true;
        QTest::newRow("motor too weak") << "0.01"
                                        << "0"
                                        << "1"
                                        << "5.6"
                                        << "10"
                                        << "0.01" << true << "-20.00" << false << "-20.00" << false;
    }
    void verdicts() {
        QFETCH(QString, reflected);
        QFETCH(QString, k);
        QFETCH(QString, rotor);
        QFETCH(QString, torque);
        QFETCH(QString, speed);
        QFETCH(QString, mismatch);
        QFETCH(bool, mismatchGood);
        QFETCH(QString, torqueMargin);
        QFETCH(bool, torqueGood);
        QFETCH(QString, speedMargin);
        QFETCH(bool, speedGood);
        SizingRecord r = sized(reflected, k);
        const FindingsFigures f =
            selectionNext(r, {rotor, torque, speed}, showing("12.500")).findings;
        const auto good = [](bool g) { return g ? Verdict::Good : Verdict::Bad; };
        QCOMPARE(shown(f, FindingsDisplay::Mismatch), mismatch);
        QCOMPARE(f.mismatchVerdict, good(mismatchGood));
        QCOMPARE(shown(f, FindingsDisplay::TorqueMargin), torqueMargin);
        QCOMPARE(f.torqueVerdict, good(torqueGood));
        QCOMPARE(shown(f, FindingsDisplay::SpeedMargin), speedMargin);
        QCOMPARE(f.speedVerdict, good(speedGood));
    }

    void checks_data() {
        QTest::addColumn<QString>("rotor");
        QTest::addColumn<QString>("torque");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("speedShown");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString numbers = "Please enter numeric values only";
        QTest::newRow("numbers before inertia") << "0"
                                                << "x"
                                                << "1"
                                                << "12.500"
                                                << "100"
                                                << "Numbers Please" << numbers;
        QTest::newRow("empty speed") << "1"
                                     << "1"
                                     << ""
                                     << "12.500"
                                     << "100"
                                     << "Numbers Please" << numbers;
        QTest::newRow("overflowing text") << "1e999"
                                          << "1"
                                          << "1"
                                          << "12.500"
                                          << "100"
                                          << "Numbers Please" << numbers;
        QTest::newRow("rotor inertia") << "0"
                                       << "1"
                                       << "1"
                                       << "12.500"
                                       << "100"
                                       << "Motor's Inertia"
                                       << "Please enter the Rotor Inertia of the chosen motor.";
        QTest::newRow("torque available")
            << "1"
            << "-0"
            << "1"
            << "12.500"
            << "100"
            << "Torque Margin"
            << "Please enter the torque capability of the motor at the application maximum speed.";
        QTest::newRow("speed available")
            << "1"
            << "1"
            << "0"
            << "12.500"
            << "100"
            << "Speed Margin"
            << "Please enter the speed capability of the motor at the projected torque required.";
        QTest::newRow("zero motor speed")
            << "1"
            << "1"
            << "1"
            << "0.000"
            << "100"
            << "No Motor Speed"
            << "The motor speed is zero, so no speed margin can be worked out.  Please go back "
               "and check the move.";
        QTest::newRow("overflow") << "1e308"
                                  << "1"
                                  << "1"
                                  << "12.500"
                                  << "100"
                                  << "Out of Range"
                                  << "These entries give a result that cannot be worked out (a "
                                     "division by zero or a number too large). Please check the "
                                     "entries.";
    }
    void checks() {
        QFETCH(QString, rotor);
        QFETCH(QString, torque);
        QFETCH(QString, speed);
        QFETCH(QString, speedShown);
        QFETCH(QString, k);
        QFETCH(QString, title);
        QFETCH(QString, text);
        SizingRecord r = sized("0.02", k);
        r.MotorSelection = {"earlier"};
        const SelectionOutcome out = selectionNext(r, {rotor, torque, speed}, showing(speedShown));
        QCOMPARE(out.outcome.messages, (QList<Message>{{title, text}}));
        QVERIFY(!out.outcome.proceed);
        QCOMPARE(r.MotorSelection, QStringList{"earlier"});
    }

    void zeroTotalTorque() {
        SizingRecord r;
        r.SpdMultiplier = 0;
        const SelectionOutcome out = selectionNext(r, {"0.01", "10", "10"}, showing("12.500"));
        QCOMPARE(
            out.outcome.messages,
            (QList<Message>{{"No Torque Required",
                             "The total torque required is zero, so no torque margin can be "
                             "worked out.  Please go back and check the load and the move."}}));
    }

    void typedTextsQuotedAsTyped() {
        SizingRecord r = sized();
        const SelectionOutcome out = selectionNext(r, {".0005", "30.0", "25"}, showing("12.500"));
        QCOMPARE(shown(out.findings, FindingsDisplay::MotorInertia), QString("0.001"));
        QCOMPARE(r.MotorSelection[1],
                 QString("Selected Motor's Rotor Inertia = .0005 oz-in-sec^2"));
        QCOMPARE(r.MotorSelection[2],
                 QString("Selected Motor's Torque Available at Max Speed = 30.0 oz-in"));
    }

    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        SizingRecord r = sized("0,02", "100");
        const FindingsFigures f =
            selectionNext(r, {"0,01", "30", "25"}, showing("12,500")).findings;
        QCOMPARE(shown(f, FindingsDisplay::T_Total), QString("10,00"));
        QCOMPARE(shown(f, FindingsDisplay::MaxSpeed), QString("12,5"));
        QCOMPARE(shown(f, FindingsDisplay::Mismatch), QString("2,00"));
    }

    void preliminaryBack_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<QString>("weight");
        QTest::newRow("inertia given") << "Rotary"
                                       << "Inertia Given" << ScreenId::RotaryMP << "0";
        QTest::newRow("numeric weight") << "Rotary"
                                        << "160" << ScreenId::RotaryMP << "Inertia Given";
        QTest::newRow("linear") << "Linear"
                                << "16" << ScreenId::MotionProfiles << "Inertia Given";
    }
    void preliminaryBack() {
        QFETCH(QString, motion);
        QFETCH(QString, shown);
        QFETCH(ScreenId, screen);
        QFETCH(QString, weight);
        SizingRecord r;
        r.MotionType = motion == "Rotary" ? Motion::Rotary : Motion::Linear;
        r.Weight = {0, true};
        PreliminaryFigures figures;
        figures.weight = shown == "Inertia Given" ? LoadWeight{0, true} : LoadWeight{number(shown)};
        QCOMPARE(::preliminaryBack(r, figures), screen);
        QCOMPARE(r.Weight.text(), weight);
    }
};

QTEST_GUILESS_MAIN(FindingsLogicTest)
#include "tst_findings_logic.moc"
