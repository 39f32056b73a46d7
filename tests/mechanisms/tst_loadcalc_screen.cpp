#include "support/harness.h"
#include "support/stored.h"

#include <QGroupBox>
#include <QRadioButton>

// The load inertia calculator beside the three rotary screens.
class LoadCalcScreenTest : public QObject {
    Q_OBJECT

    static void openFrom(Harness& h, const QString& button) {
        h.click("Welcome", "Rotary");
        h.click("RotaryType", button);
    }
    // The solid cylinder of the worked example: 4 in, 2 lbs.
    static void fillSolid(Harness& h) {
        h.click("LoadCalculations", "SolidCyl");
        h.choose("LoadCalculations", "LUnits", "in");
        h.type("LoadCalculations", "SolidOD", "4");
        h.type("LoadCalculations", "Weight", "2");
        h.choose("LoadCalculations", "WTUnits", "lbs");
    }

  private slots:
    void controls() {
        Harness h;
        openFrom(h, "DD");
        h.click("DirectDrive", "LoadCalcs");
        QCOMPARE(h.shownWindows(), (QStringList{"DirectDrive", "LoadCalculations"}));
        QWidget* w = h.window("LoadCalculations");
        QCOMPARE(w->windowTitle(), QString("Load Calculations"));
        QCOMPARE(h.control<QGroupBox>("LoadCalculations", "LoadType")->title(),
                 QString("Direct Drive"));
        const QList<std::pair<QString, QString>> options{{"SolidCyl", "Solid Cylinder"},
                                                         {"HollowCyl", "Hollow Cylinder"},
                                                         {"Rect", "Rectangular"}};
        for (const auto& [name, caption] : options) {
            auto* option = h.control<QRadioButton>("LoadCalculations", name);
            QVERIFY2(option, qPrintable(name));
            QCOMPARE(option->text(), caption);
            QVERIFY(!option->isChecked());
        }
        for (const char* e :
             {"SolidOD", "HollowOD", "HollowID", "RectL", "RectW", "Weight", "Eccentricity"})
            QCOMPARE(h.text("LoadCalculations", e), QString("0"));
        QCOMPARE(h.items("LoadCalculations", "LUnits"), (QStringList{"in", "mm", "cm"}));
        QCOMPARE(h.items("LoadCalculations", "WTUnits"), (QStringList{"oz", "lbs", "g", "kg"}));
        for (const char* list : {"LUnits", "WTUnits"})
            QCOMPARE(h.control<QComboBox>("LoadCalculations", list)->currentIndex(), -1);
        const QStringList labels = h.labels("LoadCalculations");
        for (const char* text :
             {"Load Calculations", "Select Units:", "Enter Cylinder Diameter:",
              "Enter Hollow Outer Diameter:", "Enter Hollow Inner Diameter:",
              "Enter Rectangular Length:", "Enter Rectangular Width:",
              "Enter the Weight of the Load:", "Enter Eccentricity Distance (if any):"})
            QVERIFY2(labels.contains(text), text);
        for (const auto& [name, caption] : QList<std::pair<QString, QString>>{
                 {"Calculate", "E N T E R"}, {"Clear", "CLEAR"}, {"Close", "CLOSE"}})
            QCOMPARE(h.control<QPushButton>("LoadCalculations", name)->text(), caption);

        h.click("LoadCalculations", "WeightWhat");
        h.click("LoadCalculations", "EccentricityWhat");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{
                     {"Weight Calculation",
                      "To calculate the weight of your system, measure the volume and multiply "
                      "by the overall density." +
                          QString(42, ' ') +
                          "Some common densities: Steel=4.48 oz/in^3; Aluminum = 1.54 oz/in^3, "
                          "Plastic = 0.64 oz/in^3"},
                     {"Eccentricity",
                      "Eccentricity Distance is the distance from the center of gravity of your "
                      "load to the center of rotation (using the same units as above)."}}));

        // CLOSE only hides it; it comes back as it was left.
        h.type("LoadCalculations", "SolidOD", "7");
        h.click("LoadCalculations", "Close");
        QVERIFY(!h.closed);
        QCOMPARE(h.shownWindows(), QStringList{"DirectDrive"});
        h.click("DirectDrive", "LoadCalcs");
        QCOMPARE(h.text("LoadCalculations", "SolidOD"), QString("7"));
    }

    // ENTER writes into the load inertia entry of the screen that opened the
    // calculator, keeps the calculator's weight there, and hides the calculator.
    void writesIntoItsScreen_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("tag");
        QTest::newRow("direct drive") << "DD"
                                      << "DirectDrive"
                                      << "DDInertia"
                                      << "Direct Drive";
        QTest::newRow("belt-pulley") << "BP"
                                     << "BeltPulley"
                                     << "BPInertia"
                                     << "Belt Pulley";
        QTest::newRow("gearbox") << "GB"
                                 << "Gearbox"
                                 << "LoadInertia"
                                 << "Gearbox";
    }
    void writesIntoItsScreen() {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(QString, entry);
        QFETCH(QString, tag);
        Harness h;
        openFrom(h, button);
        h.click(screen, "LoadCalcs");
        QCOMPARE(h.control<QGroupBox>("LoadCalculations", "LoadType")->title(), tag);
        fillSolid(h);
        h.click("LoadCalculations", "Calculate");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QCOMPARE(h.text(screen, entry), QString("0.166"));
        QCOMPARE(h.record().Weight.text(), QString("32"));
        QVERIFY(h.record().LoadCalc);
        QCOMPARE(h.record().RLoadCalcs,
                 (QStringList{"Load Type = Solid Cylinder", "Cylinder Diameter = 4 in",
                              "Load Weight = 2 lbs"}));
        // Typing over it by hand keeps the weight until the profile's BACK.
        h.type(screen, entry, "0.2");
        QCOMPARE(h.record().Weight.text(), QString("32"));
    }

    void messagesInOrder() {
        Harness h;
        openFrom(h, "DD");
        h.click("DirectDrive", "LoadCalcs");
        h.type("LoadCalculations", "RectW", "wide");
        h.click("LoadCalculations", "Calculate");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Numbers Please", "Please enter numeric values only"}}));
        QVERIFY(!h.record().LoadCalc);
        QCOMPARE(h.text("LoadCalculations", "RectW"), QString("wide"));
        h.type("LoadCalculations", "RectW", "0");

        const QStringList expected{"Load Select",  "Units",  "Hollow Cylinder",
                                   "Weight Units", "Weight", "Error"};
        QStringList titles;
        for (int step = 0; step < expected.size(); ++step) {
            h.click("LoadCalculations", "Calculate");
            const QList<Message> shown = h.messages.take();
            QCOMPARE(shown.size(), 1);
            titles << shown.first().title;
            QVERIFY(h.record().LoadCalc);
            if (step == 0)
                h.click("LoadCalculations", "HollowCyl");
            if (step == 1)
                h.choose("LoadCalculations", "LUnits", "cm");
            if (step == 2) {
                h.type("LoadCalculations", "HollowOD", "10.16");
                h.type("LoadCalculations", "HollowID", "5.08");
            }
            if (step == 3)
                h.choose("LoadCalculations", "WTUnits", "oz");
            if (step == 4) {
                h.type("LoadCalculations", "Weight", "32");
                h.type("LoadCalculations", "Eccentricity", "1..");
            }
        }
        QCOMPARE(titles, expected);
        QCOMPARE(h.text("LoadCalculations", "Eccentricity"), QString("0"));
        QCOMPARE(h.shownWindows(), (QStringList{"DirectDrive", "LoadCalculations"}));
        h.click("LoadCalculations", "Calculate");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("0.207"));

        // A negative eccentricity is refused and the load goes on without it.
        h.click("DirectDrive", "LoadCalcs");
        h.type("LoadCalculations", "Eccentricity", "-2");
        h.click("LoadCalculations", "Calculate");
        QCOMPARE(
            h.messages.take(),
            (QList<Message>{{"Error", "Please enter positive numbers only for Eccentricity."}}));
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("0.207"));
        QCOMPARE(h.shownWindows(), QStringList{"DirectDrive"});
    }

    void badInput_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QList<std::pair<const char*, QString>> texts{{"letters", "abc"},
                                                           {"blanks", "   "},
                                                           {"empty", ""},
                                                           {"separators", "1.2.3"},
                                                           {"overflow", "1e999"},
                                                           {"long", QString(10000, 'x')},
                                                           {"long number", QString(10000, '9')}};
        for (const char* entry : {"SolidOD", "HollowOD", "HollowID", "RectL", "RectW", "Weight"})
            for (const auto& [name, text] : texts)
                QTest::addRow("%s %s", entry, name) << entry << text << "Numbers Please";
        for (const auto& [name, text] : texts)
            QTest::addRow("Eccentricity %s", name) << "Eccentricity" << text << "Error";
        QTest::newRow("diameter -0") << "SolidOD"
                                     << "-0"
                                     << "Solid OD";
        QTest::newRow("weight -0") << "Weight"
                                   << "-0"
                                   << "Weight";
        QTest::newRow("huge weight") << "Weight"
                                     << "1e308"
                                     << "Out of Range";
        QTest::newRow("huge diameter") << "SolidOD"
                                       << "1e200"
                                       << "Out of Range";
    }
    void badInput() {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Harness h;
        openFrom(h, "DD");
        h.click("DirectDrive", "LoadCalcs");
        // Typed before the choice of shape greys out the other shapes' entries.
        const bool otherShape =
            QStringList{"HollowOD", "HollowID", "RectL", "RectW"}.contains(entry);
        if (otherShape)
            h.type("LoadCalculations", entry, text);
        fillSolid(h);
        if (!otherShape)
            h.type("LoadCalculations", entry, text);
        h.click("LoadCalculations", "Calculate");
        const QList<Message> shown = h.messages.take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, title);
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("0"));
        QCOMPARE(h.shownWindows(), (QStringList{"DirectDrive", "LoadCalculations"}));
        QCOMPARE(h.text("LoadCalculations", entry), QString(title == "Error" ? "0" : text));
    }

    void clearKeepsChoices() {
        Harness h;
        openFrom(h, "BP");
        h.click("BeltPulley", "LoadCalcs");
        fillSolid(h);
        h.type("LoadCalculations", "Eccentricity", "1");
        h.click("LoadCalculations", "Calculate");
        h.click("BeltPulley", "LoadCalcs");
        h.click("LoadCalculations", "Clear");
        for (const char* e :
             {"SolidOD", "HollowOD", "HollowID", "RectL", "RectW", "Weight", "Eccentricity"})
            QCOMPARE(h.text("LoadCalculations", e), QString("0"));
        QCOMPARE(h.record().Weight.text(), QString("0"));
        QVERIFY(h.record().LoadCalc);
        QVERIFY(h.control<QRadioButton>("LoadCalculations", "SolidCyl")->isChecked());
        QCOMPARE(h.control<QComboBox>("LoadCalculations", "LUnits")->currentText(), QString("in"));
        QCOMPARE(h.control<QComboBox>("LoadCalculations", "WTUnits")->currentText(),
                 QString("lbs"));
        QCOMPARE(h.text("BeltPulley", "BPInertia"), QString("0.248"));
    }

    // A small load reaches the mechanism as a load, not as zero.
    void smallLoad() {
        Harness h;
        openFrom(h, "DD");
        h.click("DirectDrive", "LoadCalcs");
        fillSolid(h);
        h.type("LoadCalculations", "SolidOD", "1");
        h.type("LoadCalculations", "Weight", "1");
        h.choose("LoadCalculations", "WTUnits", "oz");
        h.click("LoadCalculations", "Calculate");
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("0.000323"));
        h.click("DirectDrive", "Next");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
    }

    // The weight the calculator stored reaches the preliminary findings, and
    // the profile's BACK forgets that the calculator supplied it.
    void weightReachesTheFindings() {
        Harness h;
        openFrom(h, "DD");
        h.click("DirectDrive", "LoadCalcs");
        fillSolid(h);
        h.click("LoadCalculations", "Calculate");
        h.click("DirectDrive", "Next");
        h.enterTriangular("10", "revs", "1");
        QCOMPARE(h.text("Preliminary", "Weight"), QString("32"));
        h.click("Preliminary", "Back");
        h.click("RotaryMP", "Back");
        QVERIFY(!h.record().LoadCalc);
        h.type("DirectDrive", "DDInertia", "0.25");
        QCOMPARE(h.record().Weight.text(), QString("0"));
    }

    void startOverDiscardsIt() {
        Harness h;
        openFrom(h, "DD");
        h.click("DirectDrive", "LoadCalcs");
        fillSolid(h);
        h.click("LoadCalculations", "Calculate");
        h.click("DirectDrive", "Next");
        h.enterTriangular("10", "revs", "1");
        h.click("Preliminary", "Next");
        h.enterMotor("0.01", "150", "40");
        h.click("Findings", "StartNew");
        QCOMPARE(h.shownWindows(), QStringList{"Welcome"});
        QVERIFY(h.record().RLoadCalcs.isEmpty());
        openFrom(h, "GB");
        h.click("Gearbox", "LoadCalcs");
        QCOMPARE(h.text("LoadCalculations", "SolidOD"), QString("0"));
        QVERIFY(!h.control<QRadioButton>("LoadCalculations", "SolidCyl")->isChecked());
        QCOMPARE(h.control<QGroupBox>("LoadCalculations", "LoadType")->title(), QString("Gearbox"));
    }
};

QTEST_MAIN(LoadCalcScreenTest)
#include "tst_loadcalc_screen.moc"
