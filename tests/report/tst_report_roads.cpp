#include "report/reportlogic.h"
#include "session/replay.h"
#include "support/applications.h"
#include "support/reportroad.h"

Q_DECLARE_METATYPE(AppRoad)

using reportroad::viewAndSave;

namespace {

using Shown = QList<std::tuple<QString, QString, QString>>; // screen, display, text

} // namespace

// Each application from the welcome screen through its mechanism, the
// profile and the motor selection to a saved report; and the same sizing
// worked out again from its entries alone.
class ReportRoadsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyRoad_data() {
        QTest::addColumn<AppRoad>("road");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<Shown>("shown"); // displays on the way
        const auto road = [](const QString& screen) { return ::road(screen); };
        QTest::newRow("direct drive") << road("DirectDrive") << "Direct Drive" << Shown{};
        QTest::newRow("belt-pulley") << road("BeltPulley") << "Belt Pulley"
                                     << Shown{{"Preliminary", "App", "Rotary: Belt-Pulley"},
                                              {"Preliminary", "Weight", "Inertia Given"},
                                              {"Preliminary", "ReflectedJ", "0.017"},
                                              {"Preliminary", "Taccl", "13.088"},
                                              {"Preliminary", "MaxSpeed", "60.000"}};
        QTest::newRow("gearbox") << road("Gearbox") << "Gearbox"
                                 << Shown{{"Preliminary", "ReflectedJ", "0.022"},
                                          {"Preliminary", "Tthrust", "10.000"},
                                          {"Preliminary", "MaxSpeed", "75.000"}};
        QTest::newRow("load calculator") << calculatorRoad() << "Direct Drive"
                                         << Shown{{"DirectDrive", "DDInertia", "0.248"},
                                                  {"Preliminary", "Weight", "32"},
                                                  {"Preliminary", "Taccl", "77.911"}};
        QTest::newRow("screw") << road("ScrewDrive") << "Screw Drive"
                               << Shown{{"Findings", "Tgravity", "5.66"}};
        QTest::newRow("belt screw") << road("BeltScrewDrive") << "BP Screw" << Shown{};
        QTest::newRow("gearbox screw") << road("GBScrewDrive") << "GB Screw" << Shown{};
        QTest::newRow("non-rotating") << road("NonRScrewDrive") << "NR Screw" << Shown{};
        QTest::newRow("rack") << road("RackPinionDrive") << "Rack & Pinion"
                              << Shown{{"Findings", "MaxSpeed", "0.955"}};
        QTest::newRow("conveyor in a comma locale")
            << road("ConveyorDrive") << "Conveyor" << Shown{{"Findings", "T_Total", "32,42"}};
    }
    void everyRoad() {
        QFETCH(AppRoad, road);
        QFETCH(QString, tag);
        QFETCH(Shown, shown);
        Harness h{QLocale(road.locale)};
        reportroad::drive(h, road, [&](const QString& screen) {
            for (const auto& [window, display, text] : shown)
                if (window == screen)
                    QCOMPARE(h.text(window, display), text);
            if (screen == road.profile())
                QCOMPARE(h.control<QGroupBox>(screen, "Profile")->title(),
                         QString(tag).replace('&', "&&"));
        });

        // The sizing the screens hold works out again with no screen.
        const Replay again = replay(h.sizing(), Stage::Findings);
        QCOMPARE(again.messages, QList<Message>{});
        QCOMPARE(again.sizing.results, h.sizing().results);
        QCOMPARE(assembleReport(again.sizing.record(), *again.sizing.results.findings),
                 fixtureLines(road.fixture));
        viewAndSave(h, road.fixture);
    }
};

QTEST_MAIN(ReportRoadsTest)
#include "tst_report_roads.moc"
