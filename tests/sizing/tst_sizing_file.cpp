#include "session/replay.h"
#include "session/sizingfiles.h"
#include "support/sizingroad.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(AppRoad)

using namespace sizingroad;

namespace {

// The sizing saved to a file and opened again, worked out from its entries.
Replay reopened(const Sizing& sizing, const QString& folder) {
    const QString path = folder + "/sizing.motorsizing";
    if (const auto problem = writeSizing(path, sizing))
        qFatal("cannot write: %s", qPrintable(*problem));
    const auto read = readSizing(path);
    if (const auto* problem = std::get_if<QString>(&read))
        qFatal("cannot read: %s", qPrintable(*problem));
    return replay(std::get<Sizing>(read));
}

// A sized screw drive's file as JSON, to break.
QJsonObject screwFile() {
    Sizing s;
    size(s, road("ScrewDrive"));
    return QJsonDocument::fromJson(toJson(toFile(s))).object();
}

} // namespace

class SizingFileTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Saved and opened, every road gives the same findings and report.
    void roundTrip_data() {
        QTest::addColumn<AppRoad>("road");
        QTest::addColumn<bool>("gearbox");
        for (const AppRoad& road : roads())
            QTest::newRow(qPrintable(road.screen)) << road << false;
        QTest::newRow("load calculator") << calculatorRoad() << false;
        QTest::newRow("added gearbox, belt-pulley") << road("BeltPulley") << true;
        QTest::newRow("added gearbox, its own") << road("Gearbox") << true;
        QTest::newRow("added gearbox, conveyor") << road("ConveyorDrive") << true;
    }
    void roundTrip() {
        QFETCH(AppRoad, road);
        QFETCH(bool, gearbox);
        QLocale::setDefault(QLocale(road.locale));
        Sizing s;
        size(s, road);
        if (gearbox)
            addGearboxTo(s, road, "2");
        QTemporaryDir folder;
        const Replay again = reopened(s, folder.path());
        QCOMPARE(again.messages, QList<Message>{});
        QCOMPARE(again.screen, ScreenId::Findings);
        QCOMPARE(again.sizing.results, s.results);
        QCOMPARE(report(again.sizing), report(s));
    }

    // Numbers are typed in the engineer's locale: a file saved in a
    // comma-decimal locale opens in a point-decimal one with the same figures.
    void acrossLocales() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Sizing s;
        AppRoad typed = road("ConveyorDrive");
        typed.motor = {"RotorInertia=0.05", "TorqueAvailable=1.250,5", "SpeedAvailable=6"};
        // A library motor's name is a name, not a figure to re-type.
        s.libraryMotor = motors::Motor{};
        s.libraryMotor->name = "MS 1,5"; // named only, as an earlier file has it
        size(s, typed);
        QVERIFY(report(s).contains("Selected Motor = MS 1,5"));
        QTemporaryDir folder;
        QCOMPARE(writeSizing(folder.filePath("de.motorsizing"), s), std::nullopt);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const Replay english =
            replay(std::get<Sizing>(readSizing(folder.filePath("de.motorsizing"))));
        QCOMPARE(english.messages, QList<Message>{});
        QCOMPARE(english.sizing.results.findings, s.results.findings);
        QCOMPARE(english.sizing.motorName(), QString("MS 1,5"));
        QCOMPARE(english.sizing.forms[ScreenId::Selection].entry("RotorInertia"), QString("0.05"));
        QCOMPARE(english.sizing.forms[ScreenId::Selection].entry("TorqueAvailable"),
                 QString("1,250.5"));
        // And back, where the report is the same to the byte.
        QCOMPARE(writeSizing(folder.filePath("en.motorsizing"), english.sizing), std::nullopt);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const Replay german =
            replay(std::get<Sizing>(readSizing(folder.filePath("en.motorsizing"))));
        QCOMPARE(report(german.sizing), report(s));
    }

    // A sizing with no application yet, and one still at its mechanism.
    void unfinished() {
        Sizing chosen;
        chosen.record().MotionType = Motion::Linear;
        QTemporaryDir folder;
        QCOMPARE(reopened(chosen, folder.path()).screen, ScreenId::LinearType);
        Sizing typing;
        typing.record().MotionType = Motion::Rotary;
        typing.record().AppType = &applicationOn(ScreenId{"BeltPulley"});
        fill(mechanismForm(typing, *typing.record().AppType), {"PinionD=1.5", "Material=Steel"});
        const Replay again = reopened(typing, folder.path());
        QCOMPARE(again.screen, ScreenId{"BeltPulley"});
        QCOMPARE(again.messages, QList<Message>{});
        QCOMPARE(again.sizing.forms, typing.forms);
    }

    // The result units are the sizing's: SI is kept as "results": "SI", and a
    // US sizing writes the bytes it always wrote.
    void resultUnits() {
        Sizing s;
        size(s, roads().first());
        const QByteArray us = toJson(toFile(s));
        QVERIFY(!us.contains("\"results\""));
        s.resultUnits = UnitSystem::SI;
        const QByteArray si = toJson(toFile(s));
        QVERIFY(si.contains("\"results\": \"SI\""));
        QTemporaryDir folder;
        const Replay again = reopened(s, folder.path());
        QCOMPARE(again.sizing.resultUnits, UnitSystem::SI);
        QCOMPARE(toJson(toFile(again.sizing)), si);
    }

    // A file of an earlier release names no units for the motor's figures:
    // they open in the US units they were typed in.
    void motorUnitsOfAnOlderFile() {
        QJsonObject file = screwFile();
        QJsonObject screens = file["screens"].toObject();
        QJsonObject selection = screens["Selection"].toObject();
        QVERIFY(selection["units"].toObject().contains("RotorInertiaUnits"));
        selection["units"] = QJsonObject{};
        screens["Selection"] = selection;
        file["screens"] = screens;
        const auto read = fromJson(QJsonDocument(file).toJson());
        const auto opened = fromFile(std::get<SizingFile>(read));
        QVERIFY(std::holds_alternative<Sizing>(opened));
        const Form motor = std::get<Sizing>(opened).forms.value(ScreenId::Selection);
        QCOMPARE(motor.units, (QMap<QString, QString>{{"RotorInertiaUnits", "oz-in-sec^2"},
                                                      {"TorqueAvailableUnits", "oz-in"},
                                                      {"SpeedAvailableUnits", "revs/sec"},
                                                      {"TorqueContinuousUnits", "oz-in"}}));
    }

    // A file that cannot be sized says why, and nothing else happens.
    void broken_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QJsonObject good = screwFile();
        const auto edited = [&](auto change) {
            QJsonObject object = good;
            change(object);
            return QJsonDocument(object).toJson();
        };
        const QByteArray whole = QJsonDocument(good).toJson();
        QTest::newRow("truncated") << whole.left(whole.size() / 2) << "it is not JSON (";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "it is not a sizing file";
        QTest::newRow("another format")
            << edited([](QJsonObject& o) { o["format"] = "spreadsheet"; })
            << "it is not a sizing file";
        QTest::newRow("newer version") << edited([](QJsonObject& o) { o["version"] = 2; })
                                       << "it was made by a newer version of Motor Sizing";
        QTest::newRow("version as text")
            << edited([](QJsonObject& o) { o["version"] = "1"; }) << "it is not a sizing file";
        QTest::newRow("unknown result units")
            << edited([](QJsonObject& o) { o["results"] = "metric"; })
            << "its result units \"metric\" are unknown";
        QTest::newRow("unknown application")
            << edited([](QJsonObject& o) { o["application"] = "Rotary: Flywheel"; })
            << "its application type \"Rotary: Flywheel\" is unknown";
        QTest::newRow("missing entry") << edited([](QJsonObject& o) {
            QJsonObject screens = o["screens"].toObject();
            QJsonObject screw = screens["ScrewDrive"].toObject();
            QJsonObject entries = screw["entries"].toObject();
            entries.remove("ScrewPitch");
            screw["entries"] = entries;
            screens["ScrewDrive"] = screw;
            o["screens"] = screens;
        }) << "its entry ScrewPitch of screen ScrewDrive is missing";
        QTest::newRow("entry of the wrong kind") << edited([](QJsonObject& o) {
            QJsonObject screens = o["screens"].toObject();
            QJsonObject screw = screens["ScrewDrive"].toObject();
            QJsonObject entries = screw["entries"].toObject();
            entries["ScrewPitch"] = 0.2;
            screw["entries"] = entries;
            screens["ScrewDrive"] = screw;
            o["screens"] = screens;
        }) << "its screen ScrewDrive.entries.ScrewPitch is not a text";
        QTest::newRow("a unit no list offers") << edited([](QJsonObject& o) {
            QJsonObject screens = o["screens"].toObject();
            QJsonObject screw = screens["ScrewDrive"].toObject();
            QJsonObject units = screw["units"].toObject();
            units["PitchUnits"] = "furlongs";
            screw["units"] = units;
            screens["ScrewDrive"] = screw;
            o["screens"] = screens;
        }) << "its unit list PitchUnits of screen ScrewDrive names no unit it offers";
        QTest::newRow("motor not a text")
            << edited([](QJsonObject& o) { o["motor"] = 5; }) << "its motor is not a text";
        QTest::newRow("2 MiB") << QByteArray(2 << 20, ' ') + whole << "it is larger than 1 MiB";
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char(i * 37);
        QTest::newRow("binary") << binary << "it is not JSON";
    }
    void broken() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QFile file(folder.filePath("broken.motorsizing"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const auto read = readSizing(file.fileName());
        QVERIFY(std::holds_alternative<QString>(read));
        QVERIFY2(std::get<QString>(read).startsWith(reason), qPrintable(std::get<QString>(read)));
    }

    void notThere() {
        QTemporaryDir folder;
        QCOMPARE(std::get<QString>(readSizing(folder.filePath("gone.motorsizing"))),
                 QString("it is not found"));
        // A failed save leaves the earlier file as it was.
        Sizing s;
        size(s, road("DirectDrive"));
        const QString path = folder.filePath("kept.motorsizing");
        QCOMPARE(writeSizing(path, s), std::nullopt);
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray before = kept.readAll();
        QVERIFY(writeSizing(folder.filePath("no/such/folder.motorsizing"), s).has_value());
        QCOMPARE(sizingFilePath("a"), QString("a.motorsizing"));
        QCOMPARE(sizingFilePath("b.MotorSizing"), QString("b.MotorSizing"));
        kept.seek(0);
        QCOMPARE(kept.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(SizingFileTest)
#include "tst_sizing_file.moc"
