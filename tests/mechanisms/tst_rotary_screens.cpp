#include "support/harness.h"
#include "support/stored.h"

#include <QGroupBox>

// The belt-pulley and gearbox screens, driven as a user would.
class RotaryScreensTest : public QObject {
    Q_OBJECT

    static void openBeltPulley(Harness& h) {
        h.click("Welcome", "Rotary");
        h.click("RotaryType", "BP");
    }
    static void openGearbox(Harness& h) {
        h.click("Welcome", "Rotary");
        h.click("RotaryType", "GB");
    }
    // The first worked example of each screen, ready for NEXT.
    static void fillBeltPulley(Harness& h) {
        h.type("BeltPulley", "PinionD", "1");
        h.type("BeltPulley", "DrivenD", "3");
        h.type("BeltPulley", "Thickness", "0.5");
        h.choose("BeltPulley", "PulleyUnits", "in");
        h.choose("BeltPulley", "Material", "Aluminum");
        h.type("BeltPulley", "BPInertia", "0.1");
    }
    static void fillGearbox(Harness& h) {
        h.type("Gearbox", "Reduction", "5");
        h.type("Gearbox", "GBInertia", "0.06");
        h.choose("Gearbox", "GBUnits", "oz-in^2");
        h.type("Gearbox", "LoadInertia", "0.5");
    }

  private slots:
    void controls_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("entries"); // name=initial text
        QTest::addColumn<QStringList>("lists");   // name=items
        QTest::addColumn<QStringList>("labels");

        QTest::newRow("belt-pulley")
            << "BeltPulley"
            << "Belt/Chain-Pulley" << QStringList{"PinionD=0",         "DrivenD=0",   "Thickness=0",
                                                  "BeltEfficiency=75", "BPInertia=0", "TConst=0"}
            << QStringList{"PulleyUnits=in,mm,cm", "Material=Aluminum,Plastic,Steel"}
            << QStringList{"Belt-Pulley",
                           "Pulley Specs:",
                           "Enter Pinion Diameter:",
                           "Enter Driven Diameter:",
                           "Enter Pulley Thickness:",
                           "Units:",
                           "Density:",
                           "Belt Efficiency:",
                           "%",
                           "Load Specs:",
                           "Enter the Inertia of the Load:",
                           "oz-in-sec^2",
                           "OR, Click >>",
                           "Enter any constant torque applied:",
                           "oz-in"};
        QTest::newRow("gearbox") << "Gearbox"
                                 << "Gearbox"
                                 << QStringList{"Reduction=0", "GBInertia=0", "GBEfficiency=90",
                                                "LoadInertia=0", "TConst=0"}
                                 << QStringList{"GBUnits=oz-in^2,oz-in-sec^2,lb-in^2,lb-in-sec^2,"
                                                "g-cm^2,g-cm-sec^2,kg-cm^2,kg-cm-sec^2"}
                                 << QStringList{"Gearbox Driven",
                                                "Gearbox Specs:",
                                                "Enter Gearbox Reduction:",
                                                ": 1",
                                                "Enter the Inertia of the Gearbox:",
                                                "Units",
                                                "Enter the Gearbox Efficiency:",
                                                "%",
                                                "Load Specs:",
                                                "Enter the Inertia of the Load:",
                                                "oz-in-sec^2",
                                                "OR, Click >>",
                                                "Enter any constant torque applied:",
                                                "oz-in"};
    }
    void controls() {
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, lists);
        QFETCH(QStringList, labels);
        Harness h;
        screen == "Gearbox" ? openGearbox(h) : openBeltPulley(h);
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QCOMPARE(h.window(screen)->windowTitle(), title);
        for (const QString& e : entries)
            QCOMPARE(h.text(screen, e.section('=', 0, 0)), e.section('=', 1));
        for (const QString& l : lists) {
            const QString name = l.section('=', 0, 0);
            QCOMPARE(h.items(screen, name), l.section('=', 1).split(','));
            QCOMPARE(h.control<QComboBox>(screen, name)->currentIndex(), -1);
        }
        const QStringList shown = h.labels(screen);
        for (const QString& text : labels)
            QVERIFY2(shown.contains(text), qPrintable(text));
        const QList<std::pair<QString, QString>> buttons{{"Next", "N E X T"},
                                                         {"Back", "BACK"},
                                                         {"Close", "CLOSE"},
                                                         {"LoadCalcs", "Inertia Calculations"},
                                                         {"UnitConv", "Unit Conversion"},
                                                         {"DWhat", "?"}};
        for (const auto& [name, caption] : buttons) {
            auto* b = h.control<QPushButton>(screen, name);
            QVERIFY2(b && b->isEnabled(), qPrintable(name));
            QCOMPARE(b->text(), caption);
        }
        h.click(screen, "DWhat");
        const QList<Message> help = h.messages.take();
        QCOMPARE(help.size(), 1);
        QCOMPARE(help.first().title, QString("Constant Torque"));
        QVERIFY(help.first().text.startsWith("Constant Torque is any applied force"));
        QCOMPARE(h.shownWindows(), QStringList{screen});
    }

    void reductionHelp() {
        Harness h;
        openGearbox(h);
        h.click("Gearbox", "RedWhat");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Motor Sizing",
                                  "The reduction ratio defines how many motor revolutions are "
                                  "required for one revolution of the gearbox ouput shaft."}}));
    }

    // Whatever is typed into any entry, NEXT gives exactly the message of
    // the first check that fails, and the screen stays usable.
    void badInput_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title"); // empty: NEXT goes on

        const QList<std::pair<const char*, QString>> notNumbers{
            {"letters", "abc"},          {"blanks", "   "},     {"empty", ""},
            {"two separators", "1.2.3"}, {"overflow", "1e999"}, {"long text", QString(10000, 'x')}};
        for (const char* entry :
             {"PinionD", "DrivenD", "Thickness", "BeltEfficiency", "BPInertia", "TConst"})
            for (const auto& [name, text] : notNumbers)
                QTest::addRow("belt-pulley %s %s", entry, name)
                    << "BeltPulley" << entry << text << "Numbers Only";
        for (const char* entry :
             {"Reduction", "GBInertia", "GBEfficiency", "LoadInertia", "TConst"})
            for (const auto& [name, text] : notNumbers)
                QTest::addRow("gearbox %s %s", entry, name)
                    << "Gearbox" << entry << text << "Numbers Please!";
        QTest::newRow("belt-pulley pinion -0") << "BeltPulley"
                                               << "PinionD"
                                               << "-0"
                                               << "Pulley Specs";
        QTest::newRow("belt-pulley load -0") << "BeltPulley"
                                             << "BPInertia"
                                             << "-0"
                                             << "Inertia";
        QTest::newRow("belt-pulley torque -0") << "BeltPulley"
                                               << "TConst"
                                               << "-0"
                                               << "";
        QTest::newRow("belt-pulley long number")
            << "BeltPulley"
            << "BPInertia" << QString(10000, '9') << "Numbers Only";
        QTest::newRow("belt-pulley long decimals") << "BeltPulley"
                                                   << "BPInertia"
                                                   << "0." + QString(10000, '1') << "";
        QTest::newRow("gearbox reduction -0") << "Gearbox"
                                              << "Reduction"
                                              << "-0"
                                              << "Reduction";
        QTest::newRow("gearbox inertia -0") << "Gearbox"
                                            << "GBInertia"
                                            << "-0"
                                            << "Gearbox Inertia";
        QTest::newRow("gearbox efficiency -0") << "Gearbox"
                                               << "GBEfficiency"
                                               << "-0"
                                               << "Gearbox Efficiency";
        QTest::newRow("gearbox load -0") << "Gearbox"
                                         << "LoadInertia"
                                         << "-0"
                                         << "Load Inertia";
        QTest::newRow("gearbox tiny reduction") << "Gearbox"
                                                << "Reduction"
                                                << "1e-308"
                                                << "Out of Range";
    }
    void badInput() {
        QFETCH(QString, screen);
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Harness h;
        if (screen == "Gearbox") {
            openGearbox(h);
            fillGearbox(h);
        } else {
            openBeltPulley(h);
            fillBeltPulley(h);
        }
        h.type(screen, entry, text);
        h.click(screen, "Next");
        const QList<Message> shown = h.messages.take();
        if (title.isEmpty()) {
            QVERIFY(shown.isEmpty());
            QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
            return;
        }
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, title);
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QCOMPARE(h.text(screen, entry), text); // nothing is reset
        QVERIFY(h.record().MechanismLines.isEmpty() && h.record().MechanismLines.isEmpty());
        QCOMPARE(stored(h.record().ReflectedJ), QString("0"));
        // The screen stays usable.
        h.type(screen, entry, screen == "Gearbox" && entry == "GBEfficiency" ? "90" : "1");
        if (entry == "Reduction")
            h.type(screen, entry, "5");
        h.click(screen, "Next");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
    }

    void messagesInOrder() {
        Harness h;
        openBeltPulley(h);
        h.type("BeltPulley", "BPInertia", "0");
        const QStringList expected{"Pulley Units", "Pulley Specs", "Material Select", "Inertia"};
        QStringList titles;
        for (int step = 0; step < expected.size(); ++step) {
            h.click("BeltPulley", "Next");
            titles << h.messages.take().value(0).title;
            if (step == 0)
                h.choose("BeltPulley", "PulleyUnits", "mm");
            if (step == 1) {
                h.type("BeltPulley", "PinionD", "25.4");
                h.type("BeltPulley", "DrivenD", "76.2");
                h.type("BeltPulley", "Thickness", "12.7");
            }
            if (step == 2)
                h.choose("BeltPulley", "Material", "Aluminum");
        }
        QCOMPARE(titles, expected);
        // The ratio was stored before the load inertia was refused.
        QCOMPARE(stored(h.record().RotaryReduction), QString("3"));
        QCOMPARE(h.shownWindows(), QStringList{"BeltPulley"});

        h.type("BeltPulley", "BPInertia", "0.1");
        h.click("BeltPulley", "Next");
        QCOMPARE(h.record().MechanismLines.value(1), QString("Pinion Pulley Diameter = 25.4 mm"));
        QCOMPARE(stored(h.record().ReflectedJ).left(9), QString("0.0173581"));
    }

    void gearboxMessagesInOrder() {
        Harness h;
        openGearbox(h);
        h.type("Gearbox", "GBEfficiency", "0");
        // An efficiency above 100 % is refused like one of 0; 100 % passes.
        const QStringList expected{"Reduction",          "Gearbox Inertia",    "Inertia Units",
                                   "Gearbox Efficiency", "Gearbox Efficiency", "Load Inertia"};
        QStringList titles;
        for (int step = 0; step < expected.size(); ++step) {
            h.click("Gearbox", "Next");
            titles << h.messages.take().value(0).title;
            if (step == 0)
                h.type("Gearbox", "Reduction", "5");
            if (step == 1)
                h.type("Gearbox", "GBInertia", "1");
            if (step == 2)
                h.choose("Gearbox", "GBUnits", "lb-in^2");
            if (step == 3)
                h.type("Gearbox", "GBEfficiency", "100.01");
            if (step == 4)
                h.type("Gearbox", "GBEfficiency", "100");
        }
        QCOMPARE(titles, expected);
        QCOMPARE(stored(h.record().RotaryReduction), QString("0"));
    }

    void toTheProfileAndBack_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("tag");
        QTest::newRow("belt-pulley") << "BeltPulley"
                                     << "Belt Pulley";
        QTest::newRow("gearbox") << "Gearbox"
                                 << "Gearbox";
    }
    void toTheProfileAndBack() {
        QFETCH(QString, screen);
        QFETCH(QString, tag);
        Harness h;
        h.record().T_Gravity = 12; // as an earlier linear sizing left it
        if (screen == "Gearbox") {
            openGearbox(h);
            fillGearbox(h);
        } else {
            openBeltPulley(h);
            fillBeltPulley(h);
        }
        h.type(screen, "TConst", "-4");
        h.click(screen, "Next");
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
        QCOMPARE(h.control<QGroupBox>("RotaryMP", "Profile")->title(), tag);
        QCOMPARE(stored(h.record().T_Thrust), QString("-4"));
        QCOMPARE(stored(h.record().T_Gravity), QString("0"));
        QCOMPARE(stored(h.record().RotaryReduction), QString(screen == "Gearbox" ? "5" : "3"));

        h.record().LoadCalc = true;
        h.click("RotaryMP", "Back");
        QCOMPARE(h.shownWindows(), QStringList{screen});
        QVERIFY(!h.record().LoadCalc);
        QCOMPARE(h.text(screen, "TConst"), QString("-4"));
        QVERIFY(!(h.record().MechanismLines.isEmpty() && h.record().MechanismLines.isEmpty()));

        h.click(screen, "Back");
        QCOMPARE(h.shownWindows(), QStringList{"RotaryType"});
        QVERIFY(h.record().MechanismLines.isEmpty() && h.record().MechanismLines.isEmpty());
    }

    void loadInertiaForgetsWeight_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("entry");
        QTest::newRow("belt-pulley") << "BeltPulley"
                                     << "BPInertia";
        QTest::newRow("gearbox") << "Gearbox"
                                 << "LoadInertia";
    }
    void loadInertiaForgetsWeight() {
        QFETCH(QString, screen);
        QFETCH(QString, entry);
        Harness h;
        screen == "Gearbox" ? openGearbox(h) : openBeltPulley(h);
        h.record().Weight = {160};
        h.type(screen, entry, "3");
        QCOMPARE(h.record().Weight.text(), QString("0"));
        h.record().Weight = {160};
        h.record().LoadCalc = true;
        h.type(screen, entry, "4");
        QCOMPARE(h.record().Weight.text(), QString("160"));
    }

    void commaDecimalRoad() {
        Harness h(QLocale(QLocale::German, QLocale::Germany));
        openBeltPulley(h);
        fillBeltPulley(h);
        h.type("BeltPulley", "Thickness", "0,5");
        h.type("BeltPulley", "BPInertia", "0,1");
        h.click("BeltPulley", "Next");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(stored(h.record().ReflectedJ).left(9), QString("0,0173581"));
        QCOMPARE(h.record().MechanismLines.value(3), QString("Pulley Thickness = 0,5 in"));
    }
};

QTEST_MAIN(RotaryScreensTest)
#include "tst_rotary_screens.moc"
