#include "support/applications.h"
#include "support/harness.h"
#include "support/stored.h"

#include <QGroupBox>
#include <QRadioButton>

namespace {

// The six linear screens.
QList<AppRoad> linearScreens() {
    QList<AppRoad> out;
    for (const AppRoad& a : roads())
        if (a.motion == "Linear")
            out << a;
    return out;
}

// The number entries of a screen's valid set.
QStringList numberEntries(const Harness& h, const AppRoad& s) {
    QStringList out;
    for (const QString& token : s.entries)
        if (token.contains('=') && h.control<QLineEdit>(s.screen, token.section('=', 0, 0)))
            out << token.section('=', 0, 0);
    return out;
}

} // namespace

// The six linear mechanism screens, driven as a user would.
class LinearScreensTest : public QObject {
    Q_OBJECT

    static void open(Harness& h, const AppRoad& s) {
        h.click("Welcome", "Linear");
        h.click("LinearType", s.button);
    }

  private slots:
    void controls_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("entries"); // name=initial text
        QTest::addColumn<QStringList>("lists");   // name=items
        QTest::addColumn<QStringList>("frames");
        QTest::addColumn<QStringList>("labels");

        const QString lengths = "SystemUnits=in,ft,mm,cm,m";
        const QString weights = "Units=oz,lbs,g,kg";
        const QString pitches = "PitchUnits=revs/in,in/rev,revs/mm,mm/rev";
        const QString materials = "Material=Aluminum,Plastic,Steel";
        const QStringList load{
            "Enter the Weight of the Load:", "Enter any Thrust or Constant Force:", "Units:"};
        QTest::newRow("screw drive")
            << "ScrewDrive"
            << "Screw Drive"
            << QStringList{"ScrewDiameter=0", "ScrewLength=0",     "CouplerDiameter=0",
                           "CouplerLength=0", "LoadWeight=0",      "ThrustForce=0",
                           "ScrewPitch=0",    "ScrewEfficiency=60"}
            << QStringList{lengths, weights, pitches}
            << QStringList{"Rotating Components", "Orientation", "Load", "System"}
            << QStringList{"Rotating Screw",          "Enter Screw Diameter:",
                           "Enter Screw Length:",     "Enter Coupler Diameter:",
                           "Enter Coupler Length:",   "Enter Screw Pitch or Lead:",
                           "Enter Screw Efficiency:", "%"} +
                   load;
        QTest::newRow("belt-pulley screw")
            << "BeltScrewDrive"
            << "Belt Pulley Driving Screw"
            << QStringList{"ScrewDiameter=0",   "ScrewLength=0",     "PinionDiameter=0",
                           "DrivenDiameter=0",  "PulleyThickness=0", "BeltEfficiency=75",
                           "LoadWeight=0",      "ThrustForce=0",     "ScrewPitch=0",
                           "ScrewEfficiency=60"}
            << QStringList{lengths, weights, materials, pitches}
            << QStringList{"Rotating Components", "Orientation", "Load", "System"}
            << QStringList{"Belt Pulley Driving Screw", "Screw Diameter:",  "Screw Length:",
                           "Pinion Diameter:",          "Driven Diameter:", "Pulley Thickness:",
                           "Pulley Density:",           "Belt Efficiency:", "Screw Pitch or Lead:",
                           "Enter Screw Efficiency:"} +
                   load;
        QTest::newRow("gearbox screw")
            << "GBScrewDrive"
            << "Gearbox Driving Screw"
            << QStringList{"Reduction=0",     "GBInertia=0",   "GBEfficiency=90",
                           "ScrewDiameter=0", "ScrewLength=0", "LoadWeight=0",
                           "ThrustForce=0",   "ScrewPitch=0",  "ScrewEfficiency=60"}
            << QStringList{lengths, weights, pitches,
                           "GBUnits=oz-in^2,oz-in-sec^2,lb-in^2,lb-in-sec^2,g-cm^2,g-cm-sec^2,"
                           "kg-cm^2,kg-cm-sec^2"}
            << QStringList{"Gearbox Specs", "Orientation", "Load", "System"}
            << QStringList{"Gearbox Driving Screw",
                           "Reduction Ratio:",
                           ": 1",
                           "Gearbox Inertia:",
                           "Efficiency",
                           "Screw Diameter:",
                           "Screw Length:",
                           "Enter Screw Pitch or Lead:",
                           "Enter Screw Efficiency:"} +
                   load;
        QTest::newRow("non-rotating screw")
            << "NonRScrewDrive"
            << "Non-Rotating Screw Drive"
            << QStringList{"LoadWeight=0", "ThrustForce=0", "ScrewPitch=0", "ScrewEfficiency=60"}
            << QStringList{weights, pitches}
            << QStringList{"NOTE:", "Orientation", "Load", "System"}
            << QStringList{"Non-Rotating Screw",
                           "In Non-Rotating Screw Applications; either, the motor can move with "
                           "the load (as shown to the left), or the motor can be fixed and the "
                           "screw will thrust linearly.  Thus, add the weight of the moving "
                           "component (motor or screw) to the total weight below.",
                           "Enter Screw Pitch or Lead:"} +
                   load;
        QTest::newRow("rack and pinion")
            << "RackPinionDrive"
            << "Rack & Pinion"
            << QStringList{"PinionOD=0", "PulleyThickness=0", "LoadWeight=0", "ThrustForce=0"}
            << QStringList{"PinionUnits=in,mm,cm", weights}
            << QStringList{"NOTE:", "Orientation", "Load", "System"}
            << QStringList{"Rack and Pinion",
                           "In Rack and Pinion Linear Motion, the load is either coupled to the "
                           "rack (as shown), or mounted to a carriage that rides along with the "
                           "pinion.  In either case, since the rack or pinion and motor are "
                           "moving, the weights of all moving components must be added to the "
                           "weight of the load",
                           "Pinion Outer Diameter", "Pinion Thickness:"} +
                   load;
        QTest::newRow("conveyor") << "ConveyorDrive"
                                  << "Conveyor"
                                  << QStringList{"PinionDiameter=0",  "DrivenDiameter=0",
                                                 "PulleyThickness=0", "NumberPulleys=2",
                                                 "BeltEfficiency=75", "LoadWeight=0",
                                                 "ThrustForce=0"}
                                  << QStringList{lengths, materials, weights}
                                  << QStringList{"Rotating Components", "Orientation", "Load"}
                                  << QStringList{"Conveyor",         "Pinion Diameter:",
                                                 "Driven Diameter:", "Pulley Thickness:",
                                                 "Pulley Density:",  "Number of Pulleys:",
                                                 "Belt Efficiency:"} +
                                         load;
    }
    void controls() {
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, lists);
        QFETCH(QStringList, frames);
        QFETCH(QStringList, labels);
        Harness h;
        open(h, road(screen));
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QCOMPARE(h.window(screen)->windowTitle(), title);
        QCOMPARE(h.record().AppType->text.startsWith("Linear: "), true);
        for (const QString& e : entries)
            QCOMPARE(h.text(screen, e.section('=', 0, 0)), e.section('=', 1));
        for (const QString& l : lists) {
            const QString name = l.section('=', 0, 0);
            QCOMPARE(h.items(screen, name), l.section('=', 1).split(','));
            QCOMPARE(h.control<QComboBox>(screen, name)->currentIndex(), -1);
        }
        QStringList captions;
        for (const QGroupBox* frame : h.window(screen)->findChildren<QGroupBox*>())
            captions << frame->title();
        captions.sort();
        frames.sort();
        QCOMPARE(captions, frames);
        const QStringList shown = h.labels(screen);
        for (const QString& text : labels)
            QVERIFY2(shown.contains(text), qPrintable(text));
        for (const char* option : {"Vertical", "Horizontal"}) {
            auto* o = h.control<QRadioButton>(screen, option);
            QVERIFY2(o && !o->isChecked(), option);
            QCOMPARE(o->text(), QString(option));
        }
        for (const auto& [name, caption] : QList<std::pair<QString, QString>>{
                 {"Next", "N E X T"}, {"Back", "BACK"}, {"Close", "CLOSE"}})
            QCOMPARE(h.control<QPushButton>(screen, name)->text(), caption);
        // The screw screens explain the screw efficiency; the others have no help.
        if (h.control<QPushButton>(screen, "ScrewWhat")) {
            QVERIFY(screen.contains("Screw"));
            h.click(screen, "ScrewWhat");
            QCOMPARE(h.messages.take(),
                     (QList<Message>{{"Screw Efficiency", "Typical Screw Efficiency for a "
                                                          "Ballscrew is 90-95%, typical for "
                                                          "Leadscrew is 40-70%."}}));
        } else {
            QVERIFY(!screen.contains("Screw"));
        }
        QVERIFY(!h.control<QPushButton>(screen, "UnitConv"));
        QVERIFY(!h.control<QPushButton>(screen, "LoadCalcs"));
    }

    // Whatever is typed into any entry, NEXT shows one message (or goes on)
    // and the screen stays usable.
    void badInput_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");

        Harness h;
        const QList<std::pair<const char*, QString>> notNumbers{
            {"letters", "abc"},          {"blanks", "   "},     {"empty", ""},
            {"two separators", "1.2.3"}, {"overflow", "1e999"}, {"long text", QString(10000, 'x')}};
        for (const AppRoad& s : linearScreens()) {
            open(h, s);
            for (const QString& entry : numberEntries(h, s))
                for (const auto& [name, text] : notNumbers)
                    QTest::addRow("%s %s %s", qPrintable(s.screen), qPrintable(entry), name)
                        << s.screen << entry << text << "Numbers Please";
            h.click(s.screen, "Back");
            h.click("LinearType", "Back");
        }
        QTest::newRow("screw minus zero diameter") << "ScrewDrive"
                                                   << "ScrewDiameter"
                                                   << "-0"
                                                   << "Screw Drive";
        QTest::newRow("belt screw minus zero weight") << "BeltScrewDrive"
                                                      << "LoadWeight"
                                                      << "-0"
                                                      << "System Values";
        QTest::newRow("gearbox screw minus zero weight passes") << "GBScrewDrive"
                                                                << "LoadWeight"
                                                                << "-0"
                                                                << "";
        QTest::newRow("non-rotating minus zero pitch") << "NonRScrewDrive"
                                                       << "ScrewPitch"
                                                       << "-0"
                                                       << "System Values";
        QTest::newRow("rack negative thrust passes") << "RackPinionDrive"
                                                     << "ThrustForce"
                                                     << "-8"
                                                     << "";
        QTest::newRow("conveyor minus zero pulleys") << "ConveyorDrive"
                                                     << "NumberPulleys"
                                                     << "-0"
                                                     << "System Values";
        QTest::newRow("conveyor huge weight") << "ConveyorDrive"
                                              << "LoadWeight"
                                              << "1.7e308"
                                              << "Out of Range";
        QTest::newRow("screw pitch too fine") << "ScrewDrive"
                                              << "ScrewPitch"
                                              << "1e-320"
                                              << "Out of Range";
    }
    void badInput() {
        QFETCH(QString, screen);
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Harness h;
        const AppRoad& s = road(screen);
        open(h, s);
        h.fill(screen, s.entries);
        h.type(screen, entry, text);
        h.click(screen, "Next");
        const QList<Message> shown = h.messages.take();
        if (title.isEmpty()) {
            QCOMPARE(shown, QList<Message>{});
            QCOMPARE(h.shownWindows(), QStringList{"MotionProfiles"});
            return;
        }
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, title);
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QCOMPARE(h.text(screen, entry), text);
        QCOMPARE(stored(h.record().ReflectedJ), QString("0"));
        QVERIFY(std::isfinite(h.record().T_Gravity) && std::isfinite(h.record().Weight.oz));
        // Put right, the screen goes on.
        h.fill(screen, s.entries);
        h.click(screen, "Next");
        const QList<Message> after = h.messages.take();
        QVERIFY2(after.isEmpty(), qPrintable(after.value(0).title + after.value(0).text));
        QCOMPARE(h.shownWindows(), QStringList{"MotionProfiles"});
    }

    // The ratio stored before a later check fails stays stored.
    void storesBeforeAFailingCheck() {
        Harness h;
        const AppRoad& s = road("RackPinionDrive");
        open(h, s);
        h.fill("RackPinionDrive", s.entries);
        h.control<QComboBox>("RackPinionDrive", "Units")->setCurrentIndex(-1);
        h.click("RackPinionDrive", "Next");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{
                     {"Weight/Force Units", "Please enter the units for Weight and Force."}}));
        QCOMPARE(stored(h.record().LinearReduction).left(8), QString("0.159155"));
        QCOMPARE(h.record().Weight.text(), QString("0"));
        QVERIFY(h.record().MechanismLines.isEmpty());
    }

    void profileBackByTag_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("tag");
        QTest::newRow("screw") << "ScrewDrive"
                               << "Screw Drive";
        QTest::newRow("belt screw") << "BeltScrewDrive"
                                    << "BP Screw";
        QTest::newRow("gearbox screw") << "GBScrewDrive"
                                       << "GB Screw";
        QTest::newRow("non-rotating") << "NonRScrewDrive"
                                      << "NR Screw";
        QTest::newRow("rack") << "RackPinionDrive"
                              << "Rack & Pinion";
        QTest::newRow("conveyor") << "ConveyorDrive"
                                  << "Conveyor";
    }
    void profileBackByTag() {
        QFETCH(QString, screen);
        QFETCH(QString, tag);
        Harness h;
        const AppRoad& s = road(screen);
        open(h, s);
        h.fill(screen, s.entries);
        h.click(screen, "Next");
        // Shown as written: an ampersand doubled is an ampersand, not a shortcut mark.
        QCOMPARE(h.control<QGroupBox>("MotionProfiles", "Profile")->title(),
                 QString(tag).replace('&', "&&"));
        h.fill("MotionProfiles", {"Triangular", "TriDist=2", "TriMoveUnits=in", "TriMoveTime=1"});
        h.click("MotionProfiles", "Next");
        h.click("Preliminary", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"MotionProfiles"});
        QCOMPARE(h.record().LMotionProfiles.size(), 4);
        h.record().LoadCalc = true;
        h.click("MotionProfiles", "Back");
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QVERIFY(h.record().LMotionProfiles.isEmpty());
        QVERIFY(h.record().LoadCalc);
        h.click(screen, "Back");
        QCOMPARE(h.shownWindows(), QStringList{"LinearType"});
        // The entries stay as they were typed.
        h.click("LinearType", s.button);
        QCOMPARE(h.text(screen, "LoadWeight"), s.entries.filter("LoadWeight=").first().mid(11));
    }

    // The linear profile never shortens an acceleration time.
    void linearAccelTime() {
        Harness h;
        const AppRoad& s = road("NonRScrewDrive");
        open(h, s);
        h.fill("NonRScrewDrive", s.entries);
        h.click("NonRScrewDrive", "Next");
        h.fill("MotionProfiles", {"Trapezoidal", "TrapDist=2", "TrapMoveUnits=in", "TrapMoveTime=1",
                                  "AccelTime=0.6"});
        h.click("MotionProfiles", "Next");
        const QList<Message> shown = h.messages.take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, QString("Trap Info Errors"));
        QCOMPARE(h.text("MotionProfiles", "AccelTime"), QString("0.6"));
        h.type("MotionProfiles", "AccelTime", "0.5");
        h.click("MotionProfiles", "Next");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.text("Preliminary", "MaxSpeed"), QString("20.000"));
        QCOMPARE(h.record().LMotionProfiles.value(1), QString("Motion Profile Type = Trapezoidal"));
    }

    // A linear sizing after a rotary one in the same run gives the figures of
    // a fresh run: no rotary ratio is carried over.
    void linearAfterRotary() {
        auto linearFigures = [](Harness& h) {
            const AppRoad& s = road("ScrewDrive");
            h.click("LinearType", s.button);
            h.fill("ScrewDrive", s.entries);
            h.click("ScrewDrive", "Next");
            h.fill("MotionProfiles",
                   {"Triangular", "TriDist=2", "TriMoveUnits=in", "TriMoveTime=1"});
            h.click("MotionProfiles", "Next");
            QStringList figures;
            for (const char* d :
                 {"ReflectedJ", "Taccl", "Tthrust", "Tgravity", "T_Total", "MaxSpeed"})
                figures << h.text("Preliminary", d);
            return figures;
        };
        QStringList expected;
        {
            Harness fresh;
            fresh.click("Welcome", "Linear");
            expected = linearFigures(fresh);
        }
        QCOMPARE(expected.last(), QString("20.000"));

        Harness h;
        h.click("Welcome", "Rotary");
        h.click("RotaryType", "BP");
        h.fill("BeltPulley", {"PinionD=1", "DrivenD=3", "Thickness=0.5", "PulleyUnits=in",
                              "Material=Aluminum", "BPInertia=0.1"});
        h.click("BeltPulley", "Next");
        h.enterTriangular("10", "revs", "1");
        QCOMPARE(stored(h.record().RotaryReduction), QString("3"));
        h.click("Preliminary", "Back");
        h.click("RotaryMP", "Back");
        h.click("BeltPulley", "Back");
        h.click("RotaryType", "Back");
        h.click("Welcome", "Linear");
        QCOMPARE(linearFigures(h), expected);
        QCOMPARE(stored(h.record().RotaryReduction), QString("0"));
    }
};

QTEST_MAIN(LinearScreensTest)
#include "tst_linear_screens.moc"
