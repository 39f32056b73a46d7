#include "mechanisms/applications.h"
#include "mechanisms/loadcalclogic.h"
#include "mechanisms/mechanismsteps.h"
#include "support/near.h"

#include <QLocale>
#include <QTest>

using Shape = LoadCalcEntries::Shape;
Q_DECLARE_METATYPE(LoadCalcEntries)

namespace {

LoadCalcEntries solid(const QString& d, const QString& weight, const QString& weightUnits) {
    LoadCalcEntries e;
    e.shape = Shape::SolidCylinder;
    e.SolidOD = d;
    e.LUnits = "in";
    e.Weight = weight;
    e.WTUnits = weightUnits;
    return e;
}

} // namespace

class LoadCalcLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void enter_data() {
        QTest::addColumn<LoadCalcEntries>("entries");
        QTest::addColumn<QString>("inertia"); // as written into the mechanism screen
        QTest::addColumn<QString>("weight");  // the record's, in oz
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("solid cylinder")
            << solid("4", "2", "lbs") << "0.166"
            << "32"
            << QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 4 in",
                           "Load Weight = 2 lbs"};
        LoadCalcEntries eccentric = solid("4", "2", "lbs");
        eccentric.Eccentricity = "1";
        QTest::newRow("solid cylinder, eccentric")
            << eccentric << "0.248"
            << "32"
            << QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 4 in",
                           "Load Weight = 2 lbs", "Eccentric Radius = 1 in"};
        LoadCalcEntries hollow;
        hollow.shape = Shape::HollowCylinder;
        hollow.SolidOD = "9"; // ignored for a hollow cylinder
        hollow.HollowOD = "4";
        hollow.HollowID = "2";
        hollow.LUnits = "in";
        hollow.Weight = "32";
        hollow.WTUnits = "oz";
        QTest::newRow("hollow cylinder")
            << hollow << "0.207"
            << "32"
            << QStringList{"Load Type = Hollow Cylinder", "Cylinder Outer Diameter = 4 in",
                           "Cylinder Inner Diameter = 2 in", "Load Weight = 32 oz"};
        LoadCalcEntries rect;
        rect.shape = Shape::Rectangular;
        rect.RectL = "6";
        rect.RectW = "4";
        rect.LUnits = "in";
        rect.Weight = "32";
        rect.WTUnits = "oz";
        QTest::newRow("rectangular")
            << rect << "0.359"
            << "32"
            << QStringList{"Load Type = Rectangular Solid", "Rectangular Length = 6 in",
                           "Rectangular Width = 4 in", "Load Weight = 32 oz"};
        LoadCalcEntries mm = solid("25.4", "100", "oz");
        mm.LUnits = "mm";
        QTest::newRow("millimetres")
            << mm << "0.032"
            << "100"
            << QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 25.4 mm",
                           "Load Weight = 100 oz"};
        QTest::newRow("grams at the calculator's factor")
            << solid("4", "28.35", "g") << "0.005"
            << "1"
            << QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 4 in",
                           "Load Weight = 28.35 g"};
        QTest::newRow("kilograms at the calculator's factor")
            << solid("4", "1", "kg") << "0.183"
            << "35.27"
            << QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 4 in",
                           "Load Weight = 1 kg"};
        // A load too small for three decimals keeps three significant digits.
        QTest::newRow("small load")
            << solid("1", "1", "oz") << "0.000323"
            << "1"
            << QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 1 in",
                           "Load Weight = 1 oz"};
        QTest::newRow("smaller load")
            << solid("0.5", "1", "oz") << "0.0000809"
            << "1"
            << QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 0.5 in",
                           "Load Weight = 1 oz"};
        QTest::newRow("negative weight passes")
            << solid("4", "-32", "oz") << "-0.166"
            << "-32"
            << QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 4 in",
                           "Load Weight = -32 oz"};
    }
    void enter() {
        QFETCH(LoadCalcEntries, entries);
        QFETCH(QString, inertia);
        QFETCH(QString, weight);
        QFETCH(QStringList, lines);
        SizingRecord r;
        const LoadCalcOutcome result = loadCalcEnter(r, entries);
        QVERIFY(result.outcome.messages.isEmpty());
        QVERIFY(result.outcome.proceed);
        QCOMPARE(result.inertia, inertia);
        QCOMPARE(r.Weight.text(), weight);
        QVERIFY(r.LoadCalc);
        QCOMPARE(r.RLoadCalcs, lines);
    }

    void grams() {
        SizingRecord r;
        QVERIFY(loadCalcEnter(r, solid("4", "28.3495", "g")).outcome.proceed);
        QVERIFY(r.Weight.oz < 1);
        QVERIFY(near(r.Weight.oz, 28.3495 / 28.35));
    }

    void checks_data() {
        QTest::addColumn<LoadCalcEntries>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("loadCalc"); // afterwards

        auto with = [](auto change) {
            LoadCalcEntries e = solid("4", "2", "lbs");
            change(e);
            return e;
        };
        const QString numbers = "Please enter numeric values only";
        QTest::newRow("empty weight")
            << with([](auto& e) { e.Weight = ""; }) << "Numbers Please" << numbers << "No";
        QTest::newRow("letters in an unused dimension")
            << with([](auto& e) { e.RectW = "wide"; }) << "Numbers Please" << numbers << "No";
        QTest::newRow("overflowing diameter")
            << with([](auto& e) { e.SolidOD = "1e999"; }) << "Numbers Please" << numbers << "No";
        QTest::newRow("no shape") << with([](auto& e) { e.shape = Shape::None; }) << "Load Select"
                                  << "Please select load type."
                                  << "Yes";
        QTest::newRow("no units") << with([](auto& e) { e.LUnits.clear(); }) << "Units"
                                  << "Please select geometry units."
                                  << "Yes";
        QTest::newRow("no diameter") << with([](auto& e) { e.SolidOD = "0"; }) << "Solid OD"
                                     << "Please enter Solid Cylinder Outer Diameter."
                                     << "Yes";
        QTest::newRow("hollow without inner")
            << with([](auto& e) {
                   e.shape = Shape::HollowCylinder;
                   e.HollowOD = "4";
               })
            << "Hollow Cylinder"
            << "For a Hollow Cylinder, please enter Inner and Outer Diameters."
            << "Yes";
        QTest::newRow("rectangle without width")
            << with([](auto& e) {
                   e.shape = Shape::Rectangular;
                   e.RectL = "4";
               })
            << "Rectangular Load"
            << "For a Rectangular Load, please enter Length and Width."
            << "Yes";
        QTest::newRow("no weight units, no weight") << with([](auto& e) {
            e.WTUnits.clear();
            e.Weight = "0";
        }) << "Weight Units"
                                                    << "Please enter the units for weight."
                                                    << "Yes";
        QTest::newRow("no weight") << with([](auto& e) { e.Weight = "-0"; }) << "Weight"
                                   << "Please enter the weight of the load."
                                   << "Yes";
        QTest::newRow("weight overflows") << with([](auto& e) { e.Weight = "1e308"; })
                                          << "Out of Range" << messages::outOfRange().text << "Yes";
    }
    void checks() {
        QFETCH(LoadCalcEntries, entries);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, loadCalc);
        SizingRecord r;
        r.Weight = {7};
        const LoadCalcOutcome result = loadCalcEnter(r, entries);
        QCOMPARE(result.outcome.messages, (QList<Message>{{title, text}}));
        QVERIFY(!result.outcome.proceed);
        QVERIFY(result.outcome.entryTexts.isEmpty());
        QCOMPARE(r.LoadCalc, loadCalc == "Yes");
        QCOMPARE(r.Weight.text(), QString("7"));
        QVERIFY(r.RLoadCalcs.isEmpty());
    }

    void eccentricity() {
        SizingRecord r;
        LoadCalcEntries e = solid("4", "2", "lbs");
        e.Eccentricity = "one";
        LoadCalcOutcome result = loadCalcEnter(r, e);
        QCOMPARE(
            result.outcome.messages,
            (QList<Message>{{"Error", "Please enter positive numeric values for Eccentricity."}}));
        QCOMPARE(result.outcome.entryTexts,
                 (QList<std::pair<QString, QString>>{{"Eccentricity", "0"}}));
        QVERIFY(!result.outcome.proceed);
        QCOMPARE(r.Weight.text(), QString("32")); // stored before the eccentricity is read
        QVERIFY(r.RLoadCalcs.isEmpty());

        // A negative one is refused, and the load goes on without it.
        e.Eccentricity = "-1";
        result = loadCalcEnter(r, e);
        QCOMPARE(
            result.outcome.messages,
            (QList<Message>{{"Error", "Please enter positive numbers only for Eccentricity."}}));
        QCOMPARE(result.outcome.entryTexts,
                 (QList<std::pair<QString, QString>>{{"Eccentricity", "0"}}));
        QVERIFY(result.outcome.proceed);
        QCOMPARE(result.inertia, QString("0.166"));
        QCOMPARE(r.RLoadCalcs.size(), 3);

        // In millimetres like the dimensions.
        e.Eccentricity = "25.4";
        e.SolidOD = "101.6";
        e.LUnits = "mm";
        result = loadCalcEnter(r, e);
        QCOMPARE(result.inertia, QString("0.248"));
        QCOMPARE(r.RLoadCalcs.last(), QString("Eccentric Radius = 25.4 mm"));
    }

    // ENTER writes into the load inertia entry of the rotary screen that
    // opened the calculator; opened by none, it stays open.
    void writesIntoItsOpener_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("entry");
        QTest::newRow("direct drive") << "Rotary: Direct Drive"
                                      << "DDInertia";
        QTest::newRow("belt-pulley") << "Rotary: Belt-Pulley"
                                     << "BPInertia";
        QTest::newRow("gearbox") << "Rotary: Gearbox"
                                 << "LoadInertia";
        QTest::newRow("none") << ""
                              << "";
    }
    void writesIntoItsOpener() {
        QFETCH(QString, opener);
        QFETCH(QString, entry);
        Sizing s;
        Form& calculator = loadCalcForm(s);
        calculator.options["LoadType"] = "SolidCyl";
        calculator.units["LUnits"] = "in";
        calculator.entries["SolidOD"] = "4";
        calculator.entries["Weight"] = "2";
        calculator.units["WTUnits"] = "lbs";
        const Application* target = applicationNamed(opener);
        s.record().AppType = target;
        const Outcome out = submitLoadCalc(s);
        QVERIFY(out.messages.isEmpty());
        QCOMPARE(out.proceed, target != nullptr);
        QCOMPARE(s.record().RLoadCalcs.size(), 3);
        QVERIFY(s.loadCalculated);
        if (target)
            QCOMPARE(mechanismForm(s, *target).entry(entry), QString("0.166"));
    }

    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        SizingRecord r;
        LoadCalcEntries e = solid("101,6", "0,5", "kg");
        e.LUnits = "mm";
        const LoadCalcOutcome result = loadCalcEnter(r, e);
        QVERIFY(result.outcome.proceed);
        QCOMPARE(result.inertia, QString("0,091"));
        QCOMPARE(r.Weight.text(), QString("17,635"));
        QCOMPARE(r.RLoadCalcs[1], QString("Cylinder Diameter = 101,6 mm"));
    }

    void clear() {
        SizingRecord r;
        r.Weight = {32};
        r.LoadCalc = true;
        const auto entries = loadCalcClear(r);
        QCOMPARE(entries.size(), 7);
        for (const auto& [name, text] : entries)
            QCOMPARE(text, QString("0"));
        QCOMPARE(entries.first().first, QString("SolidOD"));
        QCOMPARE(r.Weight.text(), QString("0"));
        QVERIFY(r.LoadCalc);
    }
};

QTEST_GUILESS_MAIN(LoadCalcLogicTest)
#include "tst_loadcalc_logic.moc"
