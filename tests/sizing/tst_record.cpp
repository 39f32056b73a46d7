#include "mechanisms/applications.h"
#include "mechanisms/directdrivelogic.h"
#include "sizing/record.h"
#include "sizing/sizing.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(LoadWeight)

class RecordTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The report quotes the mechanism of the application being sized, never
    // the lines another application's NEXT left behind.
    void chooseApplication() {
        Sizing s;
        const Application& direct = applicationOn(ScreenId{"DirectDrive"});
        s.chooseApplication(direct);
        s.record().MechanismLines = directDriveNext(s.record(), {"0.25", "10"}).reportLines;
        s.reached = Stage::Findings;
        s.chooseApplication(direct);
        QCOMPARE(s.record().MechanismLines, (QStringList{"", "Load Inertia = 0.25 oz-in-sec^2"}));
        QCOMPARE(s.reached, Stage::Mechanism);
        s.chooseApplication(applicationOn(ScreenId{"BeltPulley"}));
        QCOMPARE(s.record().AppType, &applicationOn(ScreenId{"BeltPulley"}));
        QVERIFY(s.record().MechanismLines.isEmpty());
    }

    void loadInertiaEdited_data() {
        QTest::addColumn<bool>("loadCalc");
        QTest::addColumn<double>("after");
        QTest::newRow("typed inertia forgets the weight") << false << 0.0;
        QTest::newRow("calculator weight is kept") << true << 160.0;
    }
    void loadInertiaEdited() {
        QFETCH(bool, loadCalc);
        QFETCH(double, after);
        SizingRecord r;
        r.LoadCalc = loadCalc;
        r.Weight = {160, false};
        r.loadInertiaEdited();
        QCOMPARE(r.Weight.oz, after);
    }

    // The weight as the preliminary findings show it, in the locale's form.
    void weightText_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<LoadWeight>("weight");
        QTest::addColumn<QString>("text");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale de(QLocale::German, QLocale::Germany);
        QTest::newRow("inertia given") << us << LoadWeight{0, true} << "Inertia Given";
        QTest::newRow("a third") << us << LoadWeight{1.0 / 3} << "0.333333333333333";
        QTest::newRow("comma locale") << de << LoadWeight{2.5} << "2,5";
    }
    void weightText() {
        QFETCH(QLocale, locale);
        QFETCH(LoadWeight, weight);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(weight.text(), text);
    }

    // The first gearbox keeps the results without it; a second keeps the
    // same; removing it puts them back.
    void addedGearboxUndo() {
        Sizing s;
        s.record().ReflectedJ = 0.25;
        s.results.preliminary = PreliminaryFigures{"Rotary: Direct Drive", {}, {0.25}, {}};
        const Results before = s.results;
        s.keepWithoutGearbox();
        s.record().AddedGBReduction = 2;
        s.record().ReflectedJ = 0.0625;
        s.results.preliminary->need.reflectedInertia = 0.0625;
        s.keepWithoutGearbox();
        QCOMPARE(*s.withoutGearbox, before);
        s.reached = Stage::Gearbox;
        s.removeGearbox();
        QCOMPARE(s.results, before);
        QVERIFY(!s.withoutGearbox);
        QCOMPARE(s.reached, Stage::Findings);
        QVERIFY(!s.record().gearboxAdded());
    }
};

QTEST_GUILESS_MAIN(RecordTest)
#include "tst_record.moc"
