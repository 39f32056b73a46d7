#include "support/harness.h"
#include "support/stored.h"

#include <QLabel>

class DirectDriveScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void controls() {
        Harness h;
        h.openDirectDrive();
        QWidget* w = h.window("DirectDrive");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Direct Drive"));
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("0"));
        QCOMPARE(h.text("DirectDrive", "TConst"), QString("0"));
        QStringList labels;
        for (const QLabel* l : w->findChildren<QLabel*>())
            labels << l->text();
        for (const char* text : {"Direct Drive", "Enter the Inertia of the Load:", "oz-in-sec^2",
                                 "OR, Click >>", "Enter any constant torque applied:", "oz-in"})
            QVERIFY2(labels.contains(text), text);
        const QList<std::tuple<QString, QString, bool>> buttons{
            {"Next", "N E X T", true},
            {"Back", "BACK", true},
            {"Close", "CLOSE", true},
            {"LoadCalcs", "Inertia Calculations", true},
            {"UnitConv", "Unit Conversion", true},
            {"DWhat", "?", true}};
        for (const auto& [name, caption, enabled] : buttons) {
            auto* b = h.control<QPushButton>("DirectDrive", name);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->text(), caption);
            QCOMPARE(b->isEnabled(), enabled);
        }
        h.click("DirectDrive", "DWhat");
        QCOMPARE(h.messages.take(),
                 (QList<Message>{
                     {"Constant Torque",
                      "Constant Torque is any applied force multiplied by the radius at which it "
                      "is applied, or any startup torque required to overcome static friction.  "
                      "Examples of Constant Torque include tangential force (web tension or "
                      "frictional force at the edge of a disc) and detent torque."}}));
    }

    // Whatever is typed, NEXT gives exactly one message and the screen stays usable.
    void badInput_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title"); // empty: NEXT goes on
        QTest::addColumn<QString>("inertiaAfter");
        QTest::addColumn<QString>("torqueAfter");

        const QList<std::pair<const char*, QString>> notNumbers{
            {"letters", "abc"},
            {"blanks", "   "},
            {"empty", ""},
            {"two separators", "1.2.3"},
            {"comma decimal", "1,5"},
            {"overflow", "1e999"},
            {"exponent only", "1e"},
            {"sign only", "-"},
            {"long text", QString(10000, 'x')},
            {"long number", QString(10000, '9')}};
        for (const auto& [name, text] : notNumbers) {
            QTest::addRow("inertia %s", name) << "DDInertia" << text << "Numbers Please"
                                              << "0"
                                              << "0";
            QTest::addRow("torque %s", name) << "TConst" << text << "Numbers Please"
                                             << "0"
                                             << "0";
        }
        QTest::newRow("inertia minus zero") << "DDInertia"
                                            << "-0"
                                            << "Inertia"
                                            << "-0"
                                            << "5";
        QTest::newRow("inertia negative") << "DDInertia"
                                          << "-2"
                                          << "Inertia"
                                          << "-2"
                                          << "5";
        QTest::newRow("torque minus zero") << "TConst"
                                           << "-0"
                                           << ""
                                           << "1"
                                           << "-0";
        QTest::newRow("torque negative") << "TConst"
                                         << "-7.5"
                                         << ""
                                         << "1"
                                         << "-7.5";
        QTest::newRow("inertia blanks around") << "DDInertia"
                                               << " 2 "
                                               << ""
                                               << " 2 "
                                               << "5";
    }
    void badInput() {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, inertiaAfter);
        QFETCH(QString, torqueAfter);
        Harness h;
        h.openDirectDrive();
        h.type("DirectDrive", "DDInertia", "1");
        h.type("DirectDrive", "TConst", "5");
        h.type("DirectDrive", entry, text);
        h.click("DirectDrive", "Next");

        const QList<Message> shown = h.messages.take();
        if (title.isEmpty()) {
            QVERIFY(shown.isEmpty());
            QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
            h.click("RotaryMP", "Back");
        } else {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first().title, title);
            QCOMPARE(shown.first().text,
                     QString(title == "Inertia" ? "The Inertia entered must be greater than zero."
                                                : "Please enter numeric values only"));
            QCOMPARE(h.shownWindows(), QStringList{"DirectDrive"});
            QVERIFY(h.record().MechanismLines.isEmpty());
        }
        QCOMPARE(h.text("DirectDrive", "DDInertia"), inertiaAfter);
        QCOMPARE(h.text("DirectDrive", "TConst"), torqueAfter);
        QVERIFY(std::isfinite(h.record().ReflectedJ));
        QVERIFY(std::isfinite(h.record().T_Thrust));
    }

    void storesOnNext() {
        Harness h;
        h.openDirectDrive();
        h.enterDirectDrive("0.50", "-3");
        QCOMPARE(stored(h.record().ReflectedJ), QString("0.5"));
        QCOMPARE(stored(h.record().T_Thrust), QString("-3"));
        QCOMPARE(stored(h.record().RotaryReduction), QString("1"));
        QCOMPARE(h.record().MechanismLines, (QStringList{"", "Load Inertia = 0.5 oz-in-sec^2"}));
    }

    void enterPressesNext() {
        Harness h;
        h.openDirectDrive();
        h.type("DirectDrive", "DDInertia", "2");
        QTest::keyClick(h.control<QLineEdit>("DirectDrive", "DDInertia"), Qt::Key_Return);
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
    }

    void inertiaEntryForgetsWeight() {
        Harness h;
        h.openDirectDrive();
        h.record().Weight = {160};
        h.type("DirectDrive", "DDInertia", "3");
        QCOMPARE(h.record().Weight.text(), QString("0"));
        h.record().Weight = {160};
        h.record().LoadCalc = true;
        h.type("DirectDrive", "DDInertia", "4");
        QCOMPARE(h.record().Weight.text(), QString("160"));
    }

    void backEmptiesReportLines() {
        Harness h;
        h.openDirectDrive();
        h.enterDirectDrive("1");
        h.click("RotaryMP", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"DirectDrive"});
        QCOMPARE(h.record().MechanismLines.size(), 2);
        h.click("DirectDrive", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"RotaryType"});
        QVERIFY(h.record().MechanismLines.isEmpty());
        QCOMPARE(h.record().AppType->text, QString("Rotary: Direct Drive"));
        h.click("RotaryType", "DD");
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("1"));
    }
};

QTEST_MAIN(DirectDriveScreenTest)
#include "tst_directdrive_screen.moc"
