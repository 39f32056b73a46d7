#include "mechanisms/directdrivelogic.h"
#include "mechanisms/mechanismlogic.h"
#include "support/stored.h"

#include <QLocale>
#include <QTest>

class DirectDriveLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void next_data() {
        QTest::addColumn<QString>("inertia");
        QTest::addColumn<QString>("torque");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("message"); // title, empty on success
        QTest::addColumn<QString>("reflectedJ");
        QTest::addColumn<QString>("thrust");
        QTest::addColumn<QString>("reduction");
        QTest::addColumn<QStringList>("lines");

        const QStringList quarter{"", "Load Inertia = 0.25 oz-in-sec^2"};
        QTest::newRow("plain") << "0.25"
                               << "10"
                               << "0"
                               << ""
                               << "0.25"
                               << "10"
                               << "1" << quarter;
        QTest::newRow("added gearbox of 5") << "0.25"
                                            << "10"
                                            << "5"
                                            << ""
                                            << "0.01"
                                            << "2"
                                            << "5" << quarter;
        QTest::newRow("negative torque") << "0.25"
                                         << "-3.5"
                                         << "0"
                                         << ""
                                         << "0.25"
                                         << "-3.5"
                                         << "1" << quarter;
        QTest::newRow("typed 0.50 reported 0.5")
            << "0.50"
            << "0"
            << "0"
            << ""
            << "0.5"
            << "0"
            << "1" << QStringList{"", "Load Inertia = 0.5 oz-in-sec^2"};
        QTest::newRow("zero inertia stores the ratio first") << "0"
                                                             << "0"
                                                             << "0"
                                                             << "Inertia"
                                                             << "0"
                                                             << "0"
                                                             << "1" << QStringList{};
        QTest::newRow("minus zero inertia") << "-0"
                                            << "0"
                                            << "0"
                                            << "Inertia"
                                            << "0"
                                            << "0"
                                            << "1" << QStringList{};
        QTest::newRow("negative inertia") << "-1"
                                          << "0"
                                          << "0"
                                          << "Inertia"
                                          << "0"
                                          << "0"
                                          << "1" << QStringList{};
        QTest::newRow("empty inertia") << ""
                                       << "0"
                                       << "0"
                                       << "Numbers Please"
                                       << "0"
                                       << "0"
                                       << "0" << QStringList{};
        QTest::newRow("letters in torque") << "1"
                                           << "ten"
                                           << "0"
                                           << "Numbers Please"
                                           << "0"
                                           << "0"
                                           << "0" << QStringList{};
        QTest::newRow("tiny added ratio overflows") << "1e300"
                                                    << "0"
                                                    << "1e-10"
                                                    << "Out of Range"
                                                    << "0"
                                                    << "0"
                                                    << "1E-10" << QStringList{};
    }

    void next() {
        QFETCH(QString, inertia);
        QFETCH(QString, torque);
        QFETCH(QString, added);
        QFETCH(QString, message);
        QFETCH(QString, reflectedJ);
        QFETCH(QString, thrust);
        QFETCH(QString, reduction);
        QFETCH(QStringList, lines);

        SizingRecord r;
        r.AddedGBReduction = number(added);
        r.T_Gravity = 12; // left by an earlier linear application
        const Outcome out = directDriveNext(r, {inertia, torque});
        QCOMPARE(out.proceed, message.isEmpty());
        QCOMPARE(out.messages.isEmpty(), message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(out.messages.first().title, message);
        QCOMPARE(stored(r.ReflectedJ), reflectedJ);
        QCOMPARE(stored(r.T_Thrust), thrust);
        QCOMPARE(stored(r.RotaryReduction), reduction);
        QCOMPARE(r.T_Gravity, message.isEmpty() ? 0.0 : 12.0);
        QCOMPARE(out.reportLines, lines);
    }

    void messagesAndResets() {
        SizingRecord r;
        const Outcome bad = directDriveNext(r, {"1..2", "3"});
        QCOMPARE(bad.messages,
                 (QList<Message>{{"Numbers Please", "Please enter numeric values only"}}));
        QCOMPARE(bad.entryTexts,
                 (QList<std::pair<QString, QString>>{{"DDInertia", "0"}, {"TConst", "0"}}));
        const Outcome zero = directDriveNext(r, {"0", "3"});
        QCOMPARE(zero.messages,
                 (QList<Message>{{"Inertia", "The Inertia entered must be greater than zero."}}));
        QVERIFY(zero.entryTexts.isEmpty());
    }

    void back() {
        SizingRecord r;
        r.MechanismLines = {"", "Load Inertia = 1 oz-in-sec^2"};
        QCOMPARE(mechanismBack(r, ScreenId::RotaryType), ScreenId::RotaryType);
        QVERIFY(r.MechanismLines.isEmpty());

        r.MechanismLines = {"", "Load Inertia = 1 oz-in-sec^2"};
        r.AddedGBReduction = 3;
        QCOMPARE(mechanismBack(r, ScreenId::RotaryType), ScreenId::Gearbox);
        QCOMPARE(r.MechanismLines.size(), 2);
    }
};

QTEST_GUILESS_MAIN(DirectDriveLogicTest)
#include "tst_directdrive_logic.moc"
