#include "sizing/sizing.h"
#include "support/applications.h"
#include "support/harness.h"
#include "support/reportroad.h"

#include <QComboBox>
#include <QListWidget>

namespace {

const QString si = "SI (N-m, kg-cm^2, revs/min)";
const QString us = "US (oz-in, oz-in-sec^2, revs/sec)";

int chosen(Harness& h, const QString& window) {
    return h.control<QComboBox>(window, "ResultUnits")->currentIndex();
}

} // namespace

// The result units belong to the sizing: chosen on one screen they show on
// all at once, every figure is shown again in them, no entry changes and no
// message shows; the next sizing starts with them.
class ResultUnitsScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void switchEverywhere() {
        Harness h;
        QCOMPARE(h.items("Welcome", "ResultUnits"), (QStringList{us, si}));
        QCOMPARE(chosen(h, "Welcome"), 0);
        reportroad::drive(h, road("DirectDrive"));
        QCOMPARE(h.text("Findings", "ReflectedJ"), QString("0.250"));
        QCOMPARE(h.text("Findings", "MaxSpeed"), QString("20"));

        h.choose("Findings", "ResultUnits", si);
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.text("Findings", "ReflectedJ"), QString("17.668"));
        QCOMPARE(h.text("Findings", "MotorInertia"), QString("0.707"));
        QCOMPARE(h.text("Findings", "MaxSpeed"), QString("1200"));
        QCOMPARE(h.text("Findings", "TorqueMargin"), QString("99.08"));
        const QStringList labels = h.labels("Findings");
        for (const char* unit : {"kg-cm^2", "N-m", "revs/min"})
            QVERIFY2(labels.contains(unit), unit);
        QVERIFY(!labels.contains("oz-in"));
        QCOMPARE(h.sizing().resultUnits, UnitSystem::SI);

        h.click("Findings", "Back");
        QCOMPARE(h.text("Selection", "Speed"), QString("1200.0"));
        QCOMPARE(h.text("Selection", "Torque"), QString("0.514"));
        QCOMPARE(h.text("Selection", "RotorInertia"), QString("0.01"));
        h.click("Selection", "Back");
        QCOMPARE(chosen(h, "Preliminary"), 1);
        QCOMPARE(h.text("Preliminary", "MaxSpeed"), QString("1200.0"));

        // Back to US: the texts as the program always showed them.
        h.choose("Preliminary", "ResultUnits", us);
        QCOMPARE(h.text("Preliminary", "MaxSpeed"), QString("20.000"));
        h.choose("Preliminary", "ResultUnits", si);
        h.click("Preliminary", "Next");
        h.click("Selection", "Next");
        h.click("Findings", "ViewReport");
        QCOMPARE(chosen(h, "Report"), 1);
        const QListWidget* list = h.control<QListWidget>("Report", "ReportList");
        QVERIFY(!list->findItems("Jr = 17.668 kg-cm^2", Qt::MatchExactly).isEmpty());
        QVERIFY(!list->findItems("Load Inertia = 0.25 oz-in-sec^2", Qt::MatchExactly).isEmpty());

        // A new sizing starts in the units chosen last.
        h.click("Report", "Back");
        h.click("Findings", "StartNew");
        QCOMPARE(h.sizing().resultUnits, UnitSystem::SI);
        QCOMPARE(chosen(h, "Welcome"), 1);
    }
};

QTEST_MAIN(ResultUnitsScreensTest)
#include "tst_result_units_screens.moc"
