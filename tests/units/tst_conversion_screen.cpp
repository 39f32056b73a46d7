#include "support/harness.h"

#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>

// The unit conversion tool, opened beside the wizard.
class ConversionScreenTest : public QObject {
    Q_OBJECT

    static void open(Harness& h) {
        h.openDirectDrive();
        h.click("DirectDrive", "UnitConv");
    }
    static void convert(Harness& h, const QString& from, const QString& to, const QString& x) {
        h.choose("Conversion", "InputList", from);
        h.choose("Conversion", "OutputList", to);
        h.type("Conversion", "Intxt", x);
    }

  private slots:
    void firstOpening() {
        Harness h;
        open(h);
        QCOMPARE(h.shownWindows(), (QStringList{"Conversion", "DirectDrive"}));
        QCOMPARE(h.window("Conversion")->windowTitle(), QString("Unit Conversions"));
        QVERIFY(h.labels("Conversion").contains("Unit Conversions"));
        const QList<std::pair<QString, QString>> options{
            {"Inertia", "Inertia"},   {"Torque", "Torque"},     {"Force", "Force"},
            {"Distance", "Distance"}, {"Velocity", "Velocity"}, {"Speed", "Rotation"}};
        for (const auto& [name, caption] : options) {
            auto* option = h.control<QRadioButton>("Conversion", name);
            QVERIFY2(option, qPrintable(name));
            QCOMPARE(option->text(), caption);
            QVERIFY(!option->isChecked());
        }
        const QStringList inertia{"oz-in^2", "oz-in-sec^2", "lb-in^2", "lb-in-sec^2",
                                  "lb-ft^2", "lb-ft-sec^2", "g-cm^2",  "g-cm-sec^2",
                                  "kg-cm^2", "kg-cm-sec^2"};
        QCOMPARE(h.items("Conversion", "InputList"), inertia);
        QCOMPARE(h.items("Conversion", "OutputList"), inertia);
        QCOMPARE(h.text("Conversion", "Intxt"), QString("0"));
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("0"));
        QCOMPARE(h.text("Conversion", "InUnits"), QString());
        QCOMPARE(h.text("Conversion", "OutUnits"), QString());
        QVERIFY(h.control<QLineEdit>("Conversion", "Outtxt")->isReadOnly());

        // The inertia table works before any kind is chosen.
        convert(h, "oz-in^2", "g-cm^2", "1");
        QCOMPARE(h.text("Conversion", "InUnits"), QString("oz-in^2"));
        QCOMPARE(h.text("Conversion", "OutUnits"), QString("g-cm^2"));
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("182.8998"));
        QCOMPARE(h.messages.shown, QList<Message>{});

        // It does not block the wizard, and CLOSE only hides it.
        h.type("DirectDrive", "DDInertia", "2");
        h.click("Conversion", "Close");
        QVERIFY(!h.closed);
        QCOMPARE(h.shownWindows(), QStringList{"DirectDrive"});
    }

    void convertsOnEveryChange_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("feet to inches") << "Distance"
                                        << "feet"
                                        << "inches"
                                        << "1"
                                        << "12";
        QTest::newRow("inches to feet") << "Distance"
                                        << "inches"
                                        << "feet"
                                        << "12"
                                        << "0.99996";
        QTest::newRow("cm to m") << "Distance"
                                 << "centimeters"
                                 << "meters"
                                 << "250"
                                 << "2.5";
        QTest::newRow("kg to N") << "Force"
                                 << "kg"
                                 << "N"
                                 << "1"
                                 << "9.80665";
        QTest::newRow("oz to N") << "Force"
                                 << "oz"
                                 << "N"
                                 << "1"
                                 << "0.278";
        QTest::newRow("cm/sec to mm/min") << "Velocity"
                                          << "cm/sec"
                                          << "mm/min"
                                          << "1"
                                          << "600";
        QTest::newRow("oz-in-sec^2 to oz-in^2") << "Inertia"
                                                << "oz-in-sec^2"
                                                << "oz-in^2"
                                                << "1"
                                                << "386.09";
        QTest::newRow("lb-in-sec^2 to oz-in^2") << "Inertia"
                                                << "lb-in-sec^2"
                                                << "oz-in^2"
                                                << "1"
                                                << "6177";
        QTest::newRow("kg-cm^2 to kg-cm-sec^2") << "Inertia"
                                                << "kg-cm^2"
                                                << "kg-cm-sec^2"
                                                << "2"
                                                << "0.002038";
        QTest::newRow("revs/min to revs/sec") << "Speed"
                                              << "revs/min"
                                              << "revs/sec"
                                              << "60"
                                              << "0.9999972";
        QTest::newRow("to itself") << "Torque"
                                   << "N-m"
                                   << "N-m"
                                   << "3.25"
                                   << "3.25";
    }
    void convertsOnEveryChange() {
        QFETCH(QString, kind);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, input);
        QFETCH(QString, output);
        Harness h;
        open(h);
        h.click("Conversion", kind);
        convert(h, from, to, input);
        QCOMPARE(h.text("Conversion", "Outtxt"), output);
        QCOMPARE(h.messages.shown, QList<Message>{});
    }

    void choosingAKindStartsAfresh() {
        Harness h;
        open(h);
        h.click("Conversion", "Distance");
        convert(h, "feet", "inches", "3");
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("36"));

        h.click("Conversion", "Force");
        QCOMPARE(h.items("Conversion", "InputList"), (QStringList{"oz", "lbs", "g", "kg", "N"}));
        QCOMPARE(h.items("Conversion", "OutputList"), (QStringList{"oz", "lbs", "g", "kg", "N"}));
        for (const char* list : {"InputList", "OutputList"})
            QVERIFY(h.control<QListWidget>("Conversion", list)->selectedItems().isEmpty());
        QCOMPARE(h.text("Conversion", "InUnits"), QString());
        QCOMPARE(h.text("Conversion", "OutUnits"), QString());
        QCOMPARE(h.text("Conversion", "Intxt"), QString("0"));
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("0"));

        // Nothing converts until a unit of each list is chosen.
        h.type("Conversion", "Intxt", "5");
        h.choose("Conversion", "OutputList", "g");
        QCOMPARE(h.text("Conversion", "OutUnits"), QString("g"));
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("0"));
        h.choose("Conversion", "InputList", "lbs");
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("2267.962"));
        QCOMPARE(h.messages.shown, QList<Message>{});
    }

    // Every keystroke that makes the entry non-numeric asks for a number and
    // puts back a "0" that the next digit replaces.
    void keystrokes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("output");
        QTest::newRow("a letter") << "x" << 1 << "0"
                                  << "0";
        QTest::newRow("letter then digits") << "x12" << 1 << "12"
                                            << "0.99996";
        QTest::newRow("sign then digit") << "-2" << 1 << "2"
                                         << "0.16666";
        QTest::newRow("two separators") << "1.2." << 1 << "0"
                                        << "0";
        QTest::newRow("a blank alone") << " " << 1 << "0"
                                       << "0";
        QTest::newRow("blank after a digit") << "4 " << 0 << "4 "
                                             << "0.33332";
        QTest::newRow("exponent") << "1e3" << 1 << "3"
                                  << "0.24999";
    }
    void keystrokes() {
        QFETCH(QString, typed);
        QFETCH(int, messages);
        QFETCH(QString, entry);
        QFETCH(QString, output);
        Harness h;
        open(h);
        h.click("Conversion", "Distance");
        h.choose("Conversion", "InputList", "inches");
        h.choose("Conversion", "OutputList", "feet");
        auto* intxt = h.control<QLineEdit>("Conversion", "Intxt");
        intxt->selectAll();
        QTest::keyClicks(intxt, typed);
        const QList<Message> shown = h.messages.take();
        QCOMPARE(shown.size(), messages);
        for (const Message& m : shown)
            QCOMPARE(m, (Message{"Numbers Please!", "Please enter numeric values only for "
                                                    "conversion."}));
        QCOMPARE(intxt->text(), entry);
        QCOMPARE(h.text("Conversion", "Outtxt"), output);
    }

    void pastedText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("empty") << ""
                               << "Numbers Please!";
        QTest::newRow("blanks") << "   "
                                << "Numbers Please!";
        QTest::newRow("overflow") << "1e999"
                                  << "Numbers Please!";
        QTest::newRow("long text") << QString(10000, 'x') << "Numbers Please!";
        QTest::newRow("product overflows") << "1e308"
                                           << "Out of Range";
        QTest::newRow("minus zero") << "-0"
                                    << "";
    }
    void pastedText() {
        QFETCH(QString, text);
        QFETCH(QString, title);
        Harness h;
        open(h);
        h.click("Conversion", "Inertia");
        h.choose("Conversion", "InputList", "lb-ft-sec^2");
        h.choose("Conversion", "OutputList", "g-cm^2");
        h.type("Conversion", "Intxt", "2");
        h.paste("Conversion", "Intxt", text);
        const QList<Message> shown = h.messages.take();
        QCOMPARE(shown.size(), title.isEmpty() ? 0 : 1);
        if (!title.isEmpty()) {
            QCOMPARE(shown.first().title, title);
            QCOMPARE(h.text("Conversion", "Intxt"), QString("0"));
            QVERIFY(h.control<QLineEdit>("Conversion", "Intxt")->hasSelectedText());
        }
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("0"));
    }

    void survivesStartOver() {
        Harness h;
        open(h);
        h.click("Conversion", "Speed");
        convert(h, "revs/sec", "revs/min", "2");
        h.click("Conversion", "Close");
        h.enterDirectDrive("0.25");
        h.enterTriangular("10", "revs", "1");
        h.click("Preliminary", "Next");
        // Also beside the motor selection.
        h.click("Selection", "UnitConv");
        QCOMPARE(h.shownWindows(), (QStringList{"Conversion", "Selection"}));
        h.click("Conversion", "Close");
        h.enterMotor("0.01", "150", "40");
        h.click("Findings", "StartNew");
        QCOMPARE(h.shownWindows(), QStringList{"Welcome"});

        h.openDirectDrive();
        h.click("DirectDrive", "UnitConv");
        QVERIFY(h.control<QRadioButton>("Conversion", "Speed")->isChecked());
        QCOMPARE(h.text("Conversion", "Intxt"), QString("2"));
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("120"));
        QCOMPARE(h.text("Conversion", "InUnits"), QString("revs/sec"));
        QCOMPARE(h.text("Conversion", "OutUnits"), QString("revs/min"));
        h.type("Conversion", "Intxt", "3");
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("180"));
    }

    void commaDecimal() {
        Harness h(QLocale(QLocale::German, QLocale::Germany));
        open(h);
        h.click("Conversion", "Distance");
        convert(h, "inches", "feet", "12");
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("0,99996"));
        h.type("Conversion", "Intxt", "1,5");
        QCOMPARE(h.text("Conversion", "Outtxt"), QString("0,124995"));
    }
};

QTEST_MAIN(ConversionScreenTest)
#include "tst_conversion_screen.moc"
