#include "findings/projectionlogic.h"
#include "support/stored.h"

#include <QLocale>
#include <QTest>

namespace {

// The motor's acceleration rate of the findings below, rad/sec^2.
constexpr double accelRate = 400;

// Findings that show these figures, worked out at `accelRate`: with a motor
// of 0.010 and a load of 0.100 oz-in-sec^2, 44 oz-in to accelerate.
FindingsFigures shown(const QString& reflected, const QString& motor, const QString& thrust,
                      const QString& speed) {
    FindingsFigures f;
    f.need.reflectedInertia = number(reflected);
    f.motorInertia = number(motor);
    f.need.thrustTorque = number(thrust);
    f.need.accelTorque = accelRate * (f.motorInertia + f.need.reflectedInertia);
    f.need.totalTorque = f.need.accelTorque + f.need.thrustTorque;
    f.need.speed = number(speed);
    return f;
}

} // namespace

class ProjectionLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void project_data() {
        QTest::addColumn<QString>("reduction");
        QTest::addColumn<QString>("motor"); // MotorInertia shown
        QTest::addColumn<QString>("title"); // empty: projected
        QTest::addColumn<QStringList>("projected");

        QTest::newRow("ratio 2") << "2"
                                 << "0.010"
                                 << "" << QStringList{"0.03", "2.50", "31.00", "20.00"};
        QTest::newRow("ratio 1 gives the findings")
            << "1"
            << "0.010"
            << "" << QStringList{"0.10", "10.00", "50.00", "10.00"};
        QTest::newRow("fractional ratio") << "0.5"
                                          << "0.010"
                                          << "" << QStringList{"0.40", "40.00", "94.00", "5.00"};
        QTest::newRow("motor inertia shown as zero")
            << "2"
            << "0.000"
            << "" << QStringList{"0.03", "", "23.00", "20.00"};
        // On the way to 0.5 or 1e2: nothing projected, nothing said.
        for (const char* typing : {"", " ", "+", "0", "0.", ".", "0.0", "1e", "2E-"})
            QTest::addRow("on the way: '%s'", typing) << typing << "0.010"
                                                      << "" << QStringList{"", "", "", ""};
        QTest::newRow("a small reflected inertia keeps its digits")
            << "20"
            << "0.010"
            << "" << QStringList{"0.000250", "0.03", "82.30", "200.00"};
        QTest::newRow("zero never raised") << "0e5"
                                           << "0.010"
                                           << "Positive Please!" << QStringList{};
        QTest::newRow("a blank after zero") << "0 "
                                            << "0.010"
                                            << "Positive Please!" << QStringList{};
        QTest::newRow("letters") << "two"
                                 << "0.010"
                                 << "Numbers Please!" << QStringList{};
        QTest::newRow("overflow") << "1e999"
                                  << "0.010"
                                  << "Numbers Please!" << QStringList{};
        QTest::newRow("minus zero") << "-0"
                                    << "0.010"
                                    << "Positive Please!" << QStringList{};
        QTest::newRow("negative") << "-2"
                                  << "0.010"
                                  << "Positive Please!" << QStringList{};
        QTest::newRow("tiny ratio") << "1e-300"
                                    << "0.010"
                                    << "Out of Range" << QStringList{};
    }
    void project() {
        QFETCH(QString, reduction);
        QFETCH(QString, motor);
        QFETCH(QString, title);
        QFETCH(QStringList, projected);
        const Projection p = ::project(shown("0.100", motor, "6", "10"), accelRate, reduction);
        QCOMPARE(p.message.has_value(), !title.isEmpty());
        if (p.message) {
            QCOMPARE(p.message->title, title);
            if (title == "Numbers Please!")
                QCOMPARE(p.message->text,
                         QString("Enter a numeric value for the reduction ratio."));
            if (title == "Positive Please!")
                QCOMPARE(p.message->text, QString("Please enter positive reduction values only."));
            return;
        }
        QCOMPARE((QStringList{p.NewJ, p.NewMis, p.NewT, p.NewSp}), projected);
    }

    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const Projection p = ::project(shown("0,100", "0,010", "1.190,50", "10"), accelRate, "2,5");
        QCOMPARE((QStringList{p.NewJ, p.NewMis, p.NewT, p.NewSp}),
                 (QStringList{"0,02", "1,60", "502,20", "25,00"}));
        // The comma forms on the way.
        for (const char* typing : {"0,", ",", "0,0"}) {
            const Projection typed =
                ::project(shown("0,100", "0,010", "1.190,50", "10"), accelRate, typing);
            QVERIFY(!typed.message);
            QCOMPARE(typed.NewJ, QString());
        }
    }

    void add_data() {
        QTest::addColumn<QString>("reduction");
        QTest::addColumn<QString>("title"); // empty: added
        QTest::newRow("ratio 3") << "3"
                                 << "";
        QTest::newRow("blanks around") << " 2.5 "
                                       << "";
        QTest::newRow("not a number") << "3x"
                                      << "Oops";
        QTest::newRow("empty") << ""
                               << "Oops";
        QTest::newRow("the first 0") << "0"
                                     << "Positive Please!";
        QTest::newRow("negative") << "-1"
                                  << "Positive Please!";
    }
    void add() {
        QFETCH(QString, reduction);
        QFETCH(QString, title);
        SizingRecord r;
        const Outcome out = addGearbox(r, reduction);
        QCOMPARE(out.proceed, title.isEmpty());
        if (title.isEmpty()) {
            QVERIFY(r.gearboxAdded());
            QCOMPARE(stored(r.AddedGBReduction), reduction.trimmed());
            QVERIFY(r.gearboxAdded());
        } else {
            QCOMPARE(out.messages.size(), 1);
            QCOMPARE(out.messages.first().title, title);
            QCOMPARE(out.messages.first().text,
                     QString(title == "Oops" ? "Please enter numeric values for Reduction."
                                             : "Please enter positive reduction values only."));
            QVERIFY(!r.gearboxAdded());
            QCOMPARE(stored(r.AddedGBReduction), QString("0"));
        }
    }
};

QTEST_GUILESS_MAIN(ProjectionLogicTest)
#include "tst_projection_logic.moc"
