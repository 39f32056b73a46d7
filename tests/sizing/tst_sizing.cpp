#include "findings/findingssteps.h"
#include "flow/numbers.h"
#include "mechanisms/applications.h"
#include "mechanisms/mechanismsteps.h"
#include "profiles/moveprofile.h"
#include "profiles/profilesteps.h"
#include "report/reportlogic.h"
#include "session/replay.h"
#include "support/applications.h"
#include "support/fixture.h"
#include "support/forms.h"
#include "support/sizingroad.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(AppRoad)

using namespace sizingroad;

class SizingTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Every application, a triangle, a trapezoid, a constant velocity and the
    // load calculator among them: the report written by hand, and the same
    // results worked out again from the entries alone.
    void everyRoad_data() {
        QTest::addColumn<AppRoad>("road");
        for (const AppRoad& road : ::roads())
            QTest::newRow(qPrintable(road.screen)) << road;
        QTest::newRow("load calculator") << calculatorRoad();
    }
    void everyRoad() {
        QFETCH(AppRoad, road);
        QLocale::setDefault(QLocale(road.locale));
        Sizing s;
        size(s, road);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(report(s), fixtureLines(road.fixture));

        const Replay again = replay(s, Stage::Findings);
        QCOMPARE(again.messages, QList<Message>{});
        QCOMPARE(again.screen, ScreenId::Findings);
        QCOMPARE(again.sizing.results, s.results);
        QCOMPARE(again.sizing.forms, s.forms);
    }

    // A replay stops at the step whose check fails, with its message.
    void replayStops_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Stage>("until");
        QTest::addColumn<ScreenId>("stands");
        QTest::addColumn<QString>("title");
        QTest::newRow("mechanism")
            << "DDInertia" << Stage::Findings << ScreenId{"DirectDrive"} << "Numbers Please";
        QTest::newRow("profile") << "TriDist" << Stage::Findings << ScreenId::RotaryMP
                                 << "Numbers Please";
        QTest::newRow("motor") << "RotorInertia" << Stage::Findings << ScreenId::Selection
                               << "Numbers Please";
        QTest::newRow("only to the preliminary findings")
            << "RotorInertia" << Stage::Preliminary << ScreenId::Preliminary << "";
        QTest::newRow("only the mechanism")
            << "TriDist" << Stage::Mechanism << ScreenId{"DirectDrive"} << "";
    }
    void replayStops() {
        QFETCH(QString, screen);
        QFETCH(Stage, until);
        QFETCH(ScreenId, stands);
        QFETCH(QString, title);
        Sizing s;
        size(s, ::roads().first());
        for (Form& form : s.forms)
            if (form.entries.contains(screen))
                form.entries[screen] = "x";
        const Replay again = replay(s, until);
        QCOMPARE(again.screen, stands);
        QCOMPARE(again.messages.size(), title.isEmpty() ? 0 : 1);
        if (!title.isEmpty())
            QCOMPARE(again.messages.first().title, title);
        QCOMPARE(again.sizing.forms, s.forms);
    }

    // A gearbox added to a sized screw drive: the gearbox screen's entries,
    // the mechanism, the move and the motor again; then taken away.
    void addedGearbox() {
        // With a dwell and a continuous torque, so that the thermal check rides along.
        AppRoad road = ::road("ScrewDrive");
        road.move << "DwellTime=1";
        road.motor << "TorqueContinuous=20";
        road.fixture.clear();
        const Application& a = applicationOf(road);
        const Application& gearbox = applicationOn(ScreenId::Gearbox);
        Sizing s;
        size(s, road);
        const Results without = s.results;

        projectionForm(s).entries["Reduction"] = "2";
        pass(submitGearbox(s), ScreenId::Gearbox);
        QCOMPARE(mechanismForm(s, gearbox).entry("Reduction"), QString("2"));
        QCOMPARE(mechanismForm(s, gearbox).entry("LoadInertia"),
                 numbers::general(without.record.ReflectedJ));
        QVERIFY(gearboxControlsHidden(s));
        fill(mechanismForm(s, gearbox), {"GBInertia=0.06", "GBUnits=oz-in^2"});
        pass(submitMechanism(s, gearbox), a.screen);
        pass(submitMechanism(s, a), a.profile());
        pass(submitProfile(s, ProfileKind::Linear), ScreenId::Preliminary);
        pass(submitSelection(s), ScreenId::Findings);

        const SizingRecord& r = s.record();
        // The gearbox's own 0.06 oz-in^2, the load reflected at 90 %.
        QVERIFY(qFuzzyCompare(r.ReflectedJ, 0.06 / 386.4 + without.record.ReflectedJ / 4 / 0.9));
        QVERIFY(qFuzzyCompare(r.T_Gravity, without.record.T_Gravity / 2));
        QVERIFY(qFuzzyCompare(s.results.findings->need.speed, without.findings->need.speed * 2));
        // The RMS torque follows the torques of the re-run.
        const FindingsFigures& f = *s.results.findings;
        QVERIFY(qFuzzyCompare(f.rmsTorque, rmsTorque(s.results.preliminary->move,
                                                     f.need.accelTorque, r.T_Thrust, r.T_Gravity)));
        QVERIFY(f.rmsTorque < without.findings->rmsTorque);
        const QStringList with = report(s);
        const qsizetype at = with.indexOf("**********MOTOR SIZING CALCULATIONS**********");
        QCOMPARE(with.mid(at, 8),
                 (QStringList{"**********MOTOR SIZING CALCULATIONS**********", "", "Gearbox Added",
                              "Gearbox Reduction Ratio = 2 : 1", "Gearbox Inertia = 0.06 oz-in^2",
                              "Gearbox Efficiency = 90 %", "", "INERTIA"}));

        const Replay again = replay(s, Stage::Findings);
        QCOMPARE(again.messages, QList<Message>{});
        QCOMPARE(again.screen, ScreenId::Findings);
        QCOMPARE(again.sizing.results, s.results);
        QCOMPARE(*again.sizing.withoutGearbox, without);

        QCOMPARE(leaveMechanism(s, a), ScreenId::Gearbox);
        QCOMPARE(leaveMechanism(s, gearbox), ScreenId::Findings);
        QCOMPARE(s.results, without);
    }
};

QTEST_GUILESS_MAIN(SizingTest)
#include "tst_sizing.moc"
