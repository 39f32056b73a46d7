#include "support/applications.h"
#include "support/harness.h"
#include "support/stored.h"

#include "flow/numbers.h"
#include "ui/colours.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

namespace {

// Sizes the application from the welcome screen to its findings.
void size(Harness& h, const AppRoad& a) {
    h.click("Welcome", a.motion);
    h.click(a.motion + "Type", a.button);
    h.fill(a.screen, a.entries);
    h.click(a.screen, "Next");
    const QString profile = a.profile();
    h.fill(profile,
           {"Triangular", "TriDist=2",
            "TriMoveUnits=" + QString(a.motion == "Rotary" ? "revs" : "in"), "TriMoveTime=1"});
    h.click(profile, "Next");
    h.click("Preliminary", "Next");
    h.enterMotor("0.01", "500", "400");
    QCOMPARE(h.messages.take(), QList<Message>{});
    QCOMPARE(h.shownWindows(), QStringList{"Findings"});
}

// After ADD GEARBOX: through the gearbox screen (its own entries unless it is
// the application's mechanism), the mechanism screen, the profile, the
// preliminary findings and the motor selection, all unchanged.
void rerun(Harness& h, const AppRoad& a) {
    if (a.screen != "Gearbox") {
        h.fill("Gearbox", {"GBInertia=0.06", "GBUnits=oz-in^2"});
        h.click("Gearbox", "Next");
        QCOMPARE(h.shownWindows(), QStringList{a.screen});
        h.click(a.screen, "Next");
    } else {
        h.click("Gearbox", "Next");
    }
    QCOMPARE(h.shownWindows(), QStringList{a.profile()});
    h.click(a.profile(), "Next");
    h.click("Preliminary", "Next");
    h.click("Selection", "Next");
    QCOMPARE(h.messages.take(), QList<Message>{});
    QCOMPARE(h.shownWindows(), QStringList{"Findings"});
}

QStringList findingsShown(const Harness& h) {
    QStringList out;
    for (const char* d : {"MotorInertia", "ReflectedJ", "Mismatch", "Taccl", "Tthrust", "Tgravity",
                          "T_Total", "MaxSpeed", "TorqueMargin", "SpeedMargin"})
        out << h.text("Findings", d);
    return out;
}

QStringList reportLines(Harness& h) {
    h.click("Findings", "ViewReport");
    QStringList lines;
    auto* list = h.control<QListWidget>("Report", "ReportList");
    for (int i = 0; list && i < list->count(); ++i)
        lines << list->item(i)->text();
    h.click("Report", "Back");
    return lines;
}

bool close(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b)) + 1e-300;
}

} // namespace

class AddedGearboxTest : public QObject {
    Q_OBJECT
  private slots:
    void projectionScreen() {
        Harness h;
        size(h, roads().first());
        h.click("Findings", "AddGB");
        QCOMPARE(h.shownWindows(), (QStringList{"AddGBox", "Findings"}));
        QCOMPARE(h.window("AddGBox")->windowTitle(), QString("Add Gearbox Reduction"));
        const QStringList labels = h.labels("AddGBox");
        for (const char* text :
             {"Would a Gearbox Help?", "Enter Gearbox Reduction Ratio:", ": 1",
              "PROJECTIONS:", "REFLECTED INERTIA:", "oz-in-sec^2",
              "INERTIA MISMATCH:", "TORQUE REQUIRED:", "oz-in", "AT A MOTOR SPEED OF:", "revs/sec"})
            QVERIFY2(labels.contains(text), text);
        QCOMPARE(h.text("AddGBox", "Reduction"), QString("0"));
        for (const char* d : {"NewJ", "NewMis", "NewT", "NewSp"}) {
            QCOMPARE(h.text("AddGBox", d), QString());
            QCOMPARE(h.colour("AddGBox", d), QColor(255, 192, 255));
            QVERIFY(h.control<QLineEdit>("AddGBox", d)->isReadOnly());
        }
        QCOMPARE(h.control<QPushButton>("AddGBox", "AddGBButton")->text(), QString("ADD GEARBOX"));
        QCOMPARE(h.control<QPushButton>("AddGBox", "RemoveGBButton")->text(), QString("CANCEL"));

        // Findings 0.250, 0.010, 176.79, 4: the projections for a ratio of 2.
        const QStringList before = findingsShown(h);
        QCOMPARE(before.mid(0, 2), (QStringList{"0.010", "0.250"}));
        h.type("AddGBox", "Reduction", "2");
        const double jr = number(before[1]), jm = number(before[0]);
        QCOMPARE(h.text("AddGBox", "NewJ"), numbers::format(jr / 4, u"##0.00"));
        QCOMPARE(h.text("AddGBox", "NewMis"), numbers::format(jr / 4 / jm, u"##0.00"));
        // The motor turns twice as fast: its own rotor needs twice the torque
        // to accelerate, the load's half, its constant torque half.
        QCOMPARE(h.text("AddGBox", "NewT"), QString("12.29"));
        QCOMPARE(h.text("AddGBox", "NewSp"), numbers::format(number(before[7]) * 2, u"##0.00"));
        QCOMPARE(h.text("AddGBox", "NewJ"), QString("0.06"));
        QCOMPARE(h.text("AddGBox", "NewMis"), QString("6.25"));
        QCOMPARE(h.text("AddGBox", "NewSp"), QString("8.00"));

        // The findings stay usable beside it; CANCEL changes nothing.
        h.click("Findings", "MarginWhat");
        QCOMPARE(h.messages.take().size(), 1);
        const SizingRecord record = h.record();
        h.click("AddGBox", "RemoveGBButton");
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        QCOMPARE(stored(h.record().AddedGBReduction), QString("0"));
        QCOMPARE(h.record().ReflectedJ, record.ReflectedJ);
        QCOMPARE(findingsShown(h), before);
        h.click("Findings", "AddGB");
        QCOMPARE(h.text("AddGBox", "Reduction"), QString("2"));
        QCOMPARE(h.text("AddGBox", "NewJ"), QString("0.06"));

        // START OVER discards it.
        h.click("Findings", "StartNew");
        h.openDirectDrive();
        h.enterDirectDrive("1");
        h.enterTriangular("1", "revs", "1");
        h.click("Preliminary", "Next");
        h.enterMotor("1", "1", "1");
        h.click("Findings", "AddGB");
        QCOMPARE(h.text("AddGBox", "Reduction"), QString("0"));
        QCOMPARE(h.text("AddGBox", "NewJ"), QString());
    }

    // Every keystroke that makes the ratio unusable gives the message and
    // puts "1" back, with the projections for a ratio of 1.
    void badRatio_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("letters") << "abc"
                                 << "Numbers Please!";
        QTest::newRow("two separators") << "1.2.3"
                                        << "Numbers Please!";
        QTest::newRow("overflow") << "1e999"
                                  << "Numbers Please!";
        QTest::newRow("long text") << QString(10000, 'x') << "Numbers Please!";
        QTest::newRow("minus zero") << "-0"
                                    << "Positive Please!";
        QTest::newRow("negative") << "-3"
                                  << "Positive Please!";
        QTest::newRow("tiny") << "1e-300"
                              << "Out of Range";
    }
    void badRatio() {
        QFETCH(QString, text);
        QFETCH(QString, title);
        Harness h;
        size(h, roads().first());
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "5");
        h.paste("AddGBox", "Reduction", text);
        const QList<Message> shown = h.messages.take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, title);
        QCOMPARE(h.text("AddGBox", "Reduction"), QString("1"));
        QCOMPARE(h.text("AddGBox", "NewJ"), QString("0.25"));
        QCOMPARE(h.text("AddGBox", "NewMis"), QString("25.00"));
        // A ratio of 1 projects the findings as they are.
        QCOMPARE(h.text("AddGBox", "NewT"), h.text("Findings", "T_Total"));
        QCOMPARE(h.text("AddGBox", "NewSp"),
                 numbers::format(number(h.text("Findings", "MaxSpeed")), u"##0.00"));
    }

    void typedKeystrokes() {
        Harness h;
        size(h, roads().first());
        h.click("Findings", "AddGB");
        auto* entry = h.control<QLineEdit>("AddGBox", "Reduction");
        entry->selectAll();
        QTest::keyClicks(entry, "-2");
        // "-" asks for a number and puts back a selected "1"; "2" replaces it.
        QCOMPARE(h.messages.take().size(), 1);
        QCOMPARE(entry->text(), QString("2"));
        QCOMPARE(h.text("AddGBox", "NewJ"), QString("0.06"));
    }

    void addingRefusesARatioNotAboveZero() {
        Harness h;
        size(h, roads().first());
        h.click("Findings", "AddGB");
        h.click("AddGBox", "AddGBButton");
        QCOMPARE(
            h.messages.take(),
            (QList<Message>{{"Positive Please!", "Please enter positive reduction values only."}}));
        QCOMPARE(stored(h.record().AddedGBReduction), QString("0"));
        QVERIFY(!h.record().gearboxAdded());
        QCOMPARE(h.shownWindows(), (QStringList{"AddGBox", "Findings"}));
    }

    // Typing 0.5 passes through texts that are no ratio yet: they leave the
    // projections empty and say nothing.
    void ratioOnItsWay() {
        Harness h;
        size(h, roads().first());
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "2");
        auto* entry = h.control<QLineEdit>("AddGBox", "Reduction");
        entry->selectAll();
        QTest::keyClick(entry, Qt::Key_Backspace);
        for (const QString& typed : {QString(), QString("0"), QString("0."), QString("0.5")}) {
            if (!typed.isEmpty())
                QTest::keyClick(entry, typed.back().toLatin1());
            QCOMPARE(entry->text(), typed);
            QCOMPARE(h.messages.take(), QList<Message>{});
            const bool ratio = typed == "0.5";
            QCOMPARE(h.text("AddGBox", "NewJ"), QString(ratio ? "1.00" : ""));
            QCOMPARE(h.text("AddGBox", "NewSp"), QString(ratio ? "2.00" : ""));
        }
        // ADD GEARBOX still wants a ratio above 0.
        h.paste("AddGBox", "Reduction", "0.");
        h.click("AddGBox", "AddGBButton");
        QCOMPARE(h.messages.take().value(0).title, QString("Positive Please!"));
    }

    // The projection follows the findings while it is open.
    void followsTheFindings() {
        Harness h;
        size(h, roads().first());
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "2");
        QCOMPARE(h.text("AddGBox", "NewMis"), QString("6.25"));
        h.click("Findings", "Back");
        h.enterMotor("0.05", "500", "400");
        QCOMPARE(h.shownWindows(), (QStringList{"AddGBox", "Findings"}));
        QCOMPARE(h.text("AddGBox", "NewMis"), QString("1.25"));
    }

    // A rotor inertia too small for three decimals keeps three significant
    // digits on the findings, in the report, and in the projection.
    void smallMotorInertia() {
        Harness h;
        size(h, roads().first());
        h.click("Findings", "Back");
        h.enterMotor("0.0004", "500", "400");
        QCOMPARE(h.text("Findings", "MotorInertia"), QString("0.000400"));
        QCOMPARE(h.text("Findings", "Mismatch"), QString("625.00"));
        QVERIFY(reportLines(h).contains("Jm = 0.000400 oz-in-sec^2"));
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "2");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.text("AddGBox", "NewJ"), QString("0.06"));
        QCOMPARE(h.text("AddGBox", "NewMis"), QString("156.25"));
        // A projected reflected inertia too small for two decimals keeps its digits too.
        h.type("AddGBox", "Reduction", "20");
        QCOMPARE(h.text("AddGBox", "NewJ"), QString("0.000625"));
    }

    // For every application type: project, add, re-run unchanged, and read
    // findings that carry the gearbox as the projection says; then take it
    // away again.
    void everyApplication_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < roads().size(); ++i)
            QTest::newRow(qPrintable(roads()[i].screen)) << i;
    }
    void everyApplication() {
        QFETCH(int, index);
        const AppRoad& a = roads()[index];
        Harness h;
        size(h, a);
        const SizingRecord before = h.record();
        const QStringList findingsBefore = findingsShown(h);
        const QStringList reportBefore = reportLines(h);
        QVERIFY(!reportBefore.contains("Gearbox Added"));
        const QString speedBefore = h.text("Findings", "MaxSpeed");

        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "2");
        const QString projectedSpeed = h.text("AddGBox", "NewSp");
        const QString projectedJ = h.text("AddGBox", "NewJ");
        h.click("AddGBox", "AddGBButton");
        QCOMPARE(h.shownWindows(), QStringList{"Gearbox"});
        QCOMPARE(stored(h.record().AddedGBReduction), QString("2"));
        QVERIFY(h.record().gearboxAdded());
        QCOMPARE(h.text("Gearbox", "Reduction"), QString("2"));
        QCOMPARE(h.text("Gearbox", "LoadInertia"), stored(before.ReflectedJ));
        const bool own = a.screen == "Gearbox";
        for (const char* c : {"TConst", "DWhat", "LoadCalcs"})
            QCOMPARE(h.control<QWidget>("Gearbox", c)->isVisible(), own);

        rerun(h, a);
        const SizingRecord& after = h.record();
        // The speed as the preliminary findings showed it, to three decimals.
        QVERIFY(std::abs(number(h.text("Findings", "MaxSpeed")) - number(speedBefore) * 2) <=
                0.0011);
        QCOMPARE(numbers::format(number(h.text("Findings", "MaxSpeed")), u"##0.00"),
                 projectedSpeed);
        QVERIFY2(close(after.T_Thrust, before.T_Thrust / 2), qPrintable(stored(after.T_Thrust)));
        QVERIFY2(close(after.T_Gravity, before.T_Gravity / 2), qPrintable(stored(after.T_Gravity)));
        // The added gearbox's inertia and efficiency come on top of the
        // reflected load, as for the application's own gearbox.
        const double jg = 0.06 / 386.4;
        QVERIFY2(close(after.ReflectedJ, jg + before.ReflectedJ / (4 * 0.9)),
                 qPrintable(stored(after.ReflectedJ)));
        if (own)
            QCOMPARE(stored(after.RotaryReduction), QString("10"));
        // The projection worked from the inertia as the findings showed it.
        QCOMPARE(numbers::formatNonZero(number(findingsBefore[1]) / 4, u"##0.00"), projectedJ);
        const QStringList reportWith = reportLines(h);
        const int calculations =
            reportWith.indexOf("**********MOTOR SIZING CALCULATIONS**********");
        QCOMPARE(reportWith.mid(calculations, 8),
                 (QStringList{"**********MOTOR SIZING CALCULATIONS**********", "", "Gearbox Added",
                              "Gearbox Reduction Ratio = 2 : 1", "Gearbox Inertia = 0.06 oz-in^2",
                              "Gearbox Efficiency = 90 %", "", "INERTIA"}));
        QCOMPARE(reportWith.size(), reportBefore.size() + 5);

        // Back through the screens to the gearbox screen, and BACK there.
        h.click("Findings", "Back");
        h.click("Selection", "Back");
        h.click("Preliminary", "Back");
        h.click(a.profile(), "Back");
        if (!own) {
            QCOMPARE(h.shownWindows(), QStringList{a.screen});
            h.click(a.screen, "Back");
        }
        QCOMPARE(h.shownWindows(), QStringList{"Gearbox"});
        h.click("Gearbox", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        QCOMPARE(stored(h.record().AddedGBReduction), QString("0"));
        QVERIFY(!h.record().gearboxAdded());
        QCOMPARE(findingsShown(h), findingsBefore);
        QCOMPARE(h.colour("Findings", "Mismatch"),
                 number(findingsBefore[2]) > 10 ? colours::lightRed : colours::lightGreen);
        QCOMPARE(reportLines(h), reportBefore);
        // A profile NEXT reached by BACK sizes the application without it.
        h.click("Findings", "Back");
        h.click("Selection", "Back");
        h.click("Preliminary", "Back");
        h.click(a.profile(), "Next");
        h.click("Preliminary", "Next");
        h.click("Selection", "Next");
        QCOMPARE(findingsShown(h), findingsBefore);
    }

    void gearboxScreenRestored() {
        Harness h;
        const AppRoad& gearbox = roads()[2];
        size(h, gearbox);
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "3");
        h.click("AddGBox", "AddGBButton");
        QCOMPARE(h.text("Gearbox", "Reduction"), QString("3"));
        h.click("Gearbox", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        // Back through the application's own road: the gearbox screen shows
        // the application's own entries again.
        h.click("Findings", "Back");
        h.click("Selection", "Back");
        h.click("Preliminary", "Back");
        h.click("RotaryMP", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Gearbox"});
        QCOMPARE(h.text("Gearbox", "Reduction"), QString("5"));
        QCOMPARE(h.text("Gearbox", "LoadInertia"), QString("0.5"));
        QCOMPARE(h.text("Gearbox", "TConst"), QString("10"));
    }

    void hiddenForAConveyor() {
        Harness h;
        size(h, roads().last());
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "3");
        h.click("AddGBox", "AddGBButton");
        QCOMPARE(stored(h.record().AddedGBReduction), QString("3"));
        QWidget* gearbox = h.window("Gearbox");
        for (const char* c : {"TConst", "DWhat", "LoadCalcs"})
            QVERIFY2(h.control<QWidget>("Gearbox", c)->isHidden(), c);
        QStringList hiddenLabels;
        for (const QLabel* l : gearbox->findChildren<QLabel*>())
            if (l->isHidden())
                hiddenLabels << l->text();
        hiddenLabels.sort();
        QCOMPARE(hiddenLabels,
                 (QStringList{"Enter any constant torque applied:", "OR, Click >>", "oz-in"}));
        QVERIFY(h.control<QWidget>("Gearbox", "UnitConv")->isVisible());
        // A constant torque that is not a number is refused though it is hidden.
        h.control<QLineEdit>("Gearbox", "TConst")->setText("x");
        h.fill("Gearbox", {"GBInertia=0.06", "GBUnits=oz-in^2"});
        h.click("Gearbox", "Next");
        QCOMPARE(h.messages.take().value(0).title, QString("Numbers Please!"));
        h.control<QLineEdit>("Gearbox", "TConst")->setText("0");
        h.click("Gearbox", "Next");
        QCOMPARE(h.shownWindows(), QStringList{"ConveyorDrive"});
        h.click("ConveyorDrive", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Gearbox"});
        QCOMPARE(h.record().MechanismLines.size(), 10);
    }

    // A second gearbox replaces the first: it drives the application as it
    // was without any.
    void secondGearboxReplacesTheFirst() {
        Harness h;
        const AppRoad& a = roads()[3];
        size(h, a);
        const SizingRecord before = h.record();
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "2");
        h.click("AddGBox", "AddGBButton");
        rerun(h, a);
        QVERIFY(close(h.record().ReflectedJ, 0.06 / 386.4 + before.ReflectedJ / (4 * 0.9)));

        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "3");
        h.click("AddGBox", "AddGBButton");
        QCOMPARE(h.text("Gearbox", "LoadInertia"), stored(before.ReflectedJ));
        QCOMPARE(stored(h.record().AddedGBReduction), QString("3"));
        rerun(h, a);
        QVERIFY(close(h.record().ReflectedJ, 0.06 / 386.4 + before.ReflectedJ / (9 * 0.9)));
        QVERIFY(close(h.record().T_Gravity, before.T_Gravity / 3));
        QCOMPARE(stored(h.record().RotaryReduction), QString("3"));

        // Removing it returns to the sizing without any gearbox.
        h.click("Findings", "Back");
        h.click("Selection", "Back");
        h.click("Preliminary", "Back");
        h.click("MotionProfiles", "Back");
        h.click(a.screen, "Back");
        h.click("Gearbox", "Back");
        QCOMPARE(h.record().ReflectedJ, before.ReflectedJ);
        QCOMPARE(h.record().RotaryReduction, before.RotaryReduction);
    }
};

QTEST_MAIN(AddedGearboxTest)
#include "tst_added_gearbox.moc"
