#include "flow/sizingrecord.h"

#include <QLocale>
#include <QTest>

class RecordTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void initialValues() {
        const SizingRecord r;
        QCOMPARE(r.MotionType, QString());
        QCOMPARE(r.AppType, QString());
        for (const QString* field :
             {&r.ReflectedJ, &r.T_Thrust, &r.T_Gravity, &r.Weight, &r.RotaryReduction,
              &r.LinearReduction, &r.SpdMultiplier, &r.T_Accel, &r.AddedGBReduction})
            QCOMPARE(*field, QString("0"));
        QCOMPARE(r.LoadCalc, QString("No"));
        QCOMPARE(r.MotionProfile, QString());
        QCOMPARE(r.GBAdded, QString());
        for (const QStringList* list :
             {&r.RDirectDrive, &r.RBeltPulley, &r.RGearbox, &r.LScrewDrive, &r.LBPScrew,
              &r.LGBScrew, &r.LNRScrew, &r.LRackPinion, &r.LConveyor, &r.RMotionProfiles,
              &r.LMotionProfiles, &r.RLoadCalcs, &r.MotorSelection})
            QVERIFY(list->isEmpty());
        QVERIFY(!r.gearboxAdded());
    }

    void loadInertiaEdited_data() {
        QTest::addColumn<QString>("loadCalc");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("after");
        QTest::newRow("typed inertia forgets the weight") << "No"
                                                          << "160"
                                                          << "0";
        QTest::newRow("calculator weight is kept") << "Yes"
                                                   << "160"
                                                   << "160";
    }
    void loadInertiaEdited() {
        QFETCH(QString, loadCalc);
        QFETCH(QString, weight);
        QFETCH(QString, after);
        SizingRecord r;
        r.LoadCalc = loadCalc;
        r.Weight = weight;
        r.loadInertiaEdited();
        QCOMPARE(r.Weight, after);
    }

    void numbersReadBack() {
        SizingRecord r;
        SizingRecord::store(r.ReflectedJ, 1.0 / 3);
        QCOMPARE(r.ReflectedJ, QString("0.333333333333333"));
        QCOMPARE(SizingRecord::number(r.ReflectedJ), 0.333333333333333);
        QCOMPARE(SizingRecord::number(SizingRecord::inertiaGiven), 0.0);
        r.AddedGBReduction = "2.5";
        QVERIFY(r.gearboxAdded());
    }
};

QTEST_GUILESS_MAIN(RecordTest)
#include "tst_record.moc"
