#include "findings/findingslogic.h"
#include "support/sizingroad.h"
#include "support/stored.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(AppRoad)

using namespace sizingroad;

namespace {

void everyApplication() {
    QTest::addColumn<AppRoad>("road");
    for (const AppRoad& road : roads())
        QTest::newRow(qPrintable(road.screen)) << road;
}

QString shown(const Sizing& s, FindingsDisplay display) {
    return findingsText(*s.results.findings, display);
}

} // namespace

// A gearbox added to a sized application, with no screen.
class AddedGearboxLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The added gearbox reflects the whole application through its ratio and
    // efficiency and adds its own inertia, as the gearbox screen does for its
    // own application; the report names it with its entries as typed.
    void reflectsThroughGearbox_data() { everyApplication(); }
    void reflectsThroughGearbox() {
        QFETCH(AppRoad, road);
        QLocale::setDefault(QLocale(road.locale));
        Sizing s;
        size(s, road);
        const SizingRecord before = s.record();
        addGearboxTo(s, road, "2", {"GBInertia=0.2", "GBUnits=kg-cm^2", "GBEfficiency=90"});
        if (QTest::currentTestFailed())
            return;
        const double jg = 0.2 * 35.2739 / 6.4516 / 386.4;
        const double expected = jg + before.ReflectedJ / (2 * 2 * 0.9);
        QVERIFY2(qAbs(s.record().ReflectedJ - expected) <= 1e-12 * expected,
                 qPrintable(stored(s.record().ReflectedJ) + " != " + stored(expected)));
        // The torques are divided by the ratio alone.
        QCOMPARE(stored(s.record().T_Thrust), stored(before.T_Thrust / 2));
        QCOMPARE(stored(s.record().T_Gravity), stored(before.T_Gravity / 2));

        const QStringList lines = report(s);
        const qsizetype at = lines.indexOf("Gearbox Added");
        QVERIFY(at > 0);
        const QString decimal = QLocale().decimalPoint();
        QCOMPARE(lines.mid(at, 6), (QStringList{"Gearbox Added", "Gearbox Reduction Ratio = 2 : 1",
                                                "Gearbox Inertia = 0" + decimal + "2 kg-cm^2",
                                                "Gearbox Efficiency = 90 %", "", "INERTIA"}));
    }

    // "Would a Gearbox Help?" shows what ADD GEARBOX gives with that ratio and
    // a gearbox of (next to) no inertia at 100 % efficiency.
    void projectionIsWhatAddingGives_data() {
        QTest::addColumn<AppRoad>("road");
        QTest::addColumn<QString>("ratio");
        for (const AppRoad& road : roads())
            for (const char* ratio : {"2", "3.5", "0.5"})
                QTest::addRow("%s, %s", qPrintable(road.screen), ratio) << road << ratio;
    }
    void projectionIsWhatAddingGives() {
        QFETCH(AppRoad, road);
        QFETCH(QString, ratio);
        QLocale::setDefault(QLocale(road.locale));
        ratio.replace('.', QLocale().decimalPoint());
        Sizing s;
        size(s, road);
        projectionForm(s).entries["Reduction"] = ratio;
        const Projection projected = projectGearbox(s);
        QVERIFY(!projected.message);
        addGearboxTo(s, road, ratio,
                     {"GBInertia=1e-12", "GBUnits=oz-in-sec^2", "GBEfficiency=100"});
        if (QTest::currentTestFailed())
            return;
        const auto twoDecimals = [](const QString& text) {
            return numbers::format(number(text), u"##0.00");
        };
        QCOMPARE(projected.NewT, shown(s, FindingsDisplay::T_Total));
        QCOMPARE(projected.NewSp, twoDecimals(shown(s, FindingsDisplay::MaxSpeed)));
    }
};

QTEST_GUILESS_MAIN(AddedGearboxLogicTest)
#include "tst_added_gearbox_logic.moc"
