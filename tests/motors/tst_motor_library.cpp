#include "flow/numbers.h"
#include "motors/csv.h"
#include "motors/fit.h"
#include "motors/library.h"
#include "motors/motortables.h"
#include "session/replay.h"
#include "session/sizingfiles.h"
#include "support/sizingroad.h"
#include "support/stored.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace motors;

namespace {

// "10:90 30:60" as curve points.
QList<CurvePoint> points(const QString& text) {
    QList<CurvePoint> out;
    for (const QString& pair : text.split(' ', Qt::SkipEmptyParts))
        out << CurvePoint{pair.section(':', 0, 0).toDouble(), pair.section(':', 1).toDouble()};
    return out;
}

Motor motor(const QString& name, double inertia, double continuous, double peak, double maxSpeed,
            const QString& curve = {}) {
    return {0, name, inertia, continuous, peak, maxSpeed, points(curve)};
}

// The motors without the library's keys, to compare two libraries.
QList<Motor> unkeyed(QList<Motor> motors) {
    for (Motor& m : motors)
        m.id = 0;
    return motors;
}

// Runs statements on an SQLite file outside the library, as another program would.
QVariant onFile(const QString& path, const QStringList& statements) {
    QVariant last;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "outside");
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            if (!query.exec(statement))
                qFatal("%s", qPrintable(statement));
            if (query.next())
                last = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase("outside");
    return last;
}

const QByteArray fiveMotors =
    "Name,Rotor Inertia [kg-cm^2],Continuous Torque [N-m],Peak Torque [N-m],Max Speed "
    "[revs/min],Peak Curve [revs/min:N-m]\r\n"
    "MS-40 Compact,0.05,0.13,0.38,3000,\r\n"
    "MS-60 Standard,0.6,0.32,0.95,3000,0:0.95 2000:0.95 3000:0.5\r\n"
    "\"MS-60 \"\"Plus\"\", sealed\",0.9,0.45,1.3,3000,\r\n"
    "MS-80 Large,2.4,1.27,3.8,3000\r\n"
    "MS-60 Slow,0.6,0.32,0.95,60,0:0.95 60:0.95\r\n";

} // namespace

class MotorLibraryTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void curveReading_data() {
        QTest::addColumn<QString>("curve");
        QTest::addColumn<double>("maxSpeed");
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("torqueThere");
        QTest::addColumn<double>("torque");
        QTest::addColumn<double>("speedThere");
        // A peak torque of 100 oz-in throughout.
        QTest::newRow("no points") << "" << 50.0 << 30.0 << 100.0 << 80.0 << 50.0;
        QTest::newRow("no points, at the max speed")
            << "" << 50.0 << 50.0 << 100.0 << 100.0 << 50.0;
        QTest::newRow("no points, above the max speed, torque never reached")
            << "" << 50.0 << 50.5 << 0.0 << 100.5 << 0.0;
        QTest::newRow("one point") << "20:80" << 50.0 << 10.0 << 80.0 << 80.0 << 20.0;
        QTest::newRow("one point, above it") << "20:80" << 50.0 << 25.0 << 0.0 << 81.0 << 0.0;
        QTest::newRow("below the first point")
            << "10:90 30:60 40:20" << 50.0 << 5.0 << 90.0 << 90.0 << 10.0;
        QTest::newRow("between points")
            << "10:90 30:60 40:20" << 50.0 << 20.0 << 75.0 << 75.0 << 20.0;
        QTest::newRow("between the last two")
            << "10:90 30:60 40:20" << 50.0 << 35.0 << 40.0 << 40.0 << 35.0;
        QTest::newRow("at the last point")
            << "10:90 30:60 40:20" << 50.0 << 40.0 << 20.0 << 20.0 << 40.0;
        QTest::newRow("above the last point")
            << "10:90 30:60 40:20" << 50.0 << 45.0 << 0.0 << 10.0 << 40.0;
        QTest::newRow("the max speed cuts the curve")
            << "10:90 30:60 40:20" << 35.0 << 36.0 << 0.0 << 30.0 << 35.0;
        QTest::newRow("torque never reached")
            << "10:90 30:60 40:20" << 50.0 << 0.0 << 90.0 << 95.0 << 0.0;
        QTest::newRow("a plateau")
            << "0:100 20:100 30:100 40:50" << 50.0 << 25.0 << 100.0 << 100.0 << 30.0;
        QTest::newRow("a curve above the max speed")
            << "60:90 80:40" << 50.0 << 50.0 << 90.0 << 90.0 << 50.0;
    }

    void curveReading() {
        QFETCH(QString, curve);
        QFETCH(double, maxSpeed);
        const Motor m = motor("M", 0.01, 50, 100, maxSpeed, curve);
        QFETCH(double, speed);
        QFETCH(double, torqueThere);
        QCOMPARE(torqueAt(m, speed), torqueThere);
        QFETCH(double, torque);
        QFETCH(double, speedThere);
        QCOMPARE(speedAt(m, torque), speedThere);
    }

    // The rack and pinion needs 25.073 oz-in at 0.955 revs/sec, with a
    // reflected inertia of 0.0596 oz-in-sec^2 and an RMS torque near 24 oz-in.
    void fitOrder() {
        Sizing s;
        sizingroad::size(s, road("RackPinionDrive"));
        const QList<Motor> library{
            motor("Alpha", 0.02, 40, 60, 10),   motor("Bravo", 0.01, 40, 60, 10),
            motor("Charlie", 0.01, 40, 60, 10), motor("Delta", 0.01, 35, 60, 10),
            motor("Echo", 0.001, 40, 60, 10),   motor("Foxtrot", 0.01, 40, 30, 10),
            motor("Golf", 0.001, 10, 30, 1),    motor("Hotel", 0.01, 40, 60, 10, "0:60 0.9:60 1:0"),
        };
        const QList<Fit> fits = fitMotors(library, s.record(), *s.results.preliminary);
        QStringList order;
        QList<int> red;
        for (const Fit& f : fits) {
            order << f.motor.name;
            red << f.red;
        }
        // All green by continuous torque, rotor inertia and name; then by
        // fewest red and the highest torque margin.
        QCOMPARE(order, (QStringList{"Delta", "Bravo", "Charlie", "Alpha", "Echo", "Foxtrot",
                                     "Hotel", "Golf"}));
        QCOMPARE(red, (QList<int>{0, 0, 0, 0, 1, 1, 2, 4}));
        QCOMPARE(findingsText(*fits[6].findings, FindingsDisplay::TorqueMargin), "6.92");

        // Each figure is the one NEXT shows after "Use Motor".
        for (const Fit& f : fits) {
            useMotor(s, f.motor);
            QCOMPARE(selectionForm(s).entry("TorqueContinuous"),
                     numbers::general(f.motor.continuousTorque));
            QCOMPARE(submitSelection(s).messages, QList<Message>{});
            QCOMPARE(*s.results.findings, *f.findings);
        }
        QCOMPARE(
            sizingroad::report(s).mid(sizingroad::report(s).indexOf("Selected Motor = Golf"), 2),
            (QStringList{"Selected Motor = Golf",
                         "Selected Motor's Rotor Inertia = 0.001 oz-in-sec^2"}));
    }

    // A library motor's torque and speed are read off its curve again as the
    // need changes, at the torque the findings show (the motor's own inertia
    // accelerated too); a motor that cannot give the need shows it in red.
    void libraryMotorFollowsTheNeed() {
        Sizing s;
        const AppRoad& direct = road("DirectDrive");
        sizingroad::size(s, direct);
        s.forms[ScreenId::Report] = reportForm();
        s.forms[ScreenId::Report].entries["MotorSelected"] = "typed first";
        // 20 revs/sec at 251.3272 rad/sec^2: 85.398 oz-in with the motor's 0.05.
        useMotor(s, motor("M-30", 0.05, 40, 100, 30, "0:100 30:50"));
        QCOMPARE(s.forms[ScreenId::Report].entry("MotorSelected"), QString("M-30"));
        QCOMPARE(submitSelection(s).messages, QList<Message>{});
        const Form& shown = selectionForm(s);
        QCOMPARE(shown.entry("TorqueAvailable"), numbers::general(100 - 50 * 20.0 / 30));
        QVERIFY(qAbs(number(shown.entry("SpeedAvailable")) - 8.761104) < 1e-5);

        // With a gearbox of 2 the motor would have to turn at 40 revs/sec.
        sizingroad::addGearboxTo(s, direct, "2");
        QCOMPARE(selectionForm(s).entry("TorqueAvailable"), QString("0"));
        const FindingsFigures& f = *s.results.findings;
        QCOMPARE(findingsText(f, FindingsDisplay::TorqueMargin), QString("-100.00"));
        QCOMPARE(f.torqueVerdict, Verdict::Bad);
        QVERIFY(sizingroad::report(s).contains(
            "Selected Motor's Torque Available at Max Speed = 0 oz-in"));

        // Kept in the file with its curve, it follows the need there too.
        QTemporaryDir folder;
        const QString path = folder.filePath("m.motorsizing");
        QCOMPARE(writeSizing(path, s), std::nullopt);
        const auto read = readSizing(path);
        QVERIFY(std::holds_alternative<Sizing>(read));
        QCOMPARE(std::get<Sizing>(read).libraryMotor, s.libraryMotor);
        const Replay again = replay(std::get<Sizing>(read));
        QCOMPARE(again.messages, QList<Message>{});
        QCOMPARE(again.sizing.results, s.results);

        // Figures typed by hand are the engineer's own: no curve, no name.
        s.setLibraryMotor(std::nullopt);
        QCOMPARE(s.forms[ScreenId::Report].entry("MotorSelected"), QString());
        fill(selectionForm(s), {"TorqueAvailable=0"});
        QCOMPARE(submitSelection(s).messages.value(0).title, QString("Torque Margin"));
    }

    void fitWithoutFigures() {
        Sizing s;
        sizingroad::size(s, road("RackPinionDrive"));
        PreliminaryFigures stopped = *s.results.preliminary;
        stopped.need.speed = 0;
        const QList<Fit> fits = fitMotors({motor("M", 0.01, 40, 60, 10)}, s.record(), stopped);
        QVERIFY(!fits.front().findings);
        QCOMPARE(fits.front().problem.title, "No Motor Speed");
    }

    void csvRoundTrip_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << "en_US";
        QTest::newRow("de_DE") << "de_DE";
    }

    // The file's figures have point decimals whatever the locale; an export
    // imports back to the same motors.
    void csvRoundTrip() {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        const auto read = readCsv(fiveMotors);
        QVERIFY(std::holds_alternative<QList<Motor>>(read));
        const QList<Motor> motors = std::get<QList<Motor>>(read);
        QCOMPARE(motors.size(), 5);
        QCOMPARE(motors[2].name, "MS-60 \"Plus\", sealed");
        QCOMPARE(motors[1].continuousTorque, 0.32 * 141.6119);
        QCOMPARE(motors[1].maxSpeed, 3000 / 60.0);
        QCOMPARE(motors[1].curve,
                 (QList<CurvePoint>{
                     {0, 0.95 * 141.6119}, {2000 / 60.0, 0.95 * 141.6119}, {50, 0.5 * 141.6119}}));
        QVERIFY(motors[3].curve.isEmpty());

        QTemporaryDir dir;
        Library first(dir.filePath("first.sqlite"));
        QCOMPARE(first.open(), std::nullopt);
        const auto imported = first.import(motors, false);
        QCOMPARE(std::get<Library::Imported>(imported).added, 5);
        const QByteArray exported = writeCsv(first.motors());
        QVERIFY(exported.startsWith("Name,Rotor Inertia [oz-in-sec^2],Continuous Torque [oz-in],"
                                    "Peak Torque [oz-in],Max Speed [revs/sec],Peak Curve "
                                    "[revs/sec:oz-in]\r\n"));
        QVERIFY(exported.contains("\r\n\"MS-60 \"\"Plus\"\", sealed\",0.0"));
        QVERIFY(exported.contains(",45.315808,"));

        // Each figure in the program's general form, which reads back the
        // same to 15 significant digits.
        QVERIFY(exported.contains(",134.531305,"));
        QVERIFY(!exported.contains("0000000"));
        QVERIFY(!exported.contains("9999999"));
        Library second(dir.filePath("second.sqlite"));
        QCOMPARE(second.open(), std::nullopt);
        second.import(std::get<QList<Motor>>(readCsv(exported)), false);
        const auto figures = [](const QList<Motor>& motors) {
            QStringList out;
            for (const Motor& m : motors) {
                out << m.name + ": " + stored(m.rotorInertia) + " " + stored(m.continuousTorque) +
                           " " + stored(m.peakTorque) + " " + stored(m.maxSpeed);
                for (const CurvePoint& p : m.curve)
                    out.last() += " " + stored(p.speed) + ":" + stored(p.torque);
            }
            return out;
        };
        QCOMPARE(figures(second.motors()), figures(first.motors()));
        QCOMPARE(writeCsv(second.motors()), exported);
        QVERIFY(writeCsv({motor("M", 1, 1, 21.5 * 141.6119, 1)}).contains(",3044.65585,"));
    }

    void badCsv_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("problem");
        const QByteArray header = "Name,Rotor Inertia [kg-cm^2],Continuous Torque [N-m],Peak "
                                  "Torque [N-m],Max Speed [revs/min],Peak Curve [revs/min:N-m]\n";
        const QByteArray good = "Good One,0.6,0.32,0.95,3000,\n";
        QTest::newRow("empty") << QByteArray() << "line 1: the header is missing";
        QTest::newRow("header") << QByteArray("Name,Inertia [kg-cm^2],Continuous Torque [N-m],"
                                              "Peak Torque [N-m],Max Speed [revs/min]\n")
                                << "line 1: the header must be Name,Rotor Inertia [unit],"
                                   "Continuous Torque [unit],Peak Torque [unit],Max Speed "
                                   "[unit], then optionally Peak Curve [speed unit:torque unit]";
        QTest::newRow("unit") << QByteArray("Name,Rotor Inertia [kg-m^2],Continuous Torque [N-m],"
                                            "Peak Torque [N-m],Max Speed [revs/min]\n")
                              << "line 1: \"kg-m^2\" is not a unit of the rotor inertia "
                                 "(oz-in^2, oz-in-sec^2, lb-in^2, lb-in-sec^2, g-cm^2, "
                                 "g-cm-sec^2, kg-cm^2, kg-cm-sec^2)";
        QTest::newRow("curve units")
            << QByteArray("Name,Rotor Inertia [kg-cm^2],Continuous Torque [N-m],Peak Torque "
                          "[N-m],Max Speed [revs/min],Peak Curve [N-m:revs/min]\n")
            << "line 1: the peak curve's units must be speed:torque, with a speed unit of "
               "revs/sec, revs/min, degrees/sec and a torque unit of oz-in, lb-in, lb-ft, N-m";
        QTest::newRow("fields") << header + good + "Short,0.6,0.32,0.95\n"
                                << "line 3: it has 4 fields where the header has 6";
        QTest::newRow("no name") << header + good + " ,0.6,0.32,0.95,3000,\n"
                                 << "line 3: the motor has no name";
        QTest::newRow("not a number")
            << header + good + "M,abc,0.32,0.95,3000,\n"
            << "line 3: the rotor inertia \"abc\" is not a number above 0";
        QTest::newRow("zero") << header + good + "M,0.6,0,0.95,3000,\n"
                              << "line 3: the continuous torque \"0\" is not a number above 0";
        QTest::newRow("negative") << header + good + "M,0.6,0.32,-1,3000,\n"
                                  << "line 3: the peak torque \"-1\" is not a number above 0";
        QTest::newRow("peak below continuous")
            << header + good + "M,0.6,0.32,0.31,3000,\n"
            << "line 3: the peak torque is below the continuous torque";
        QTest::newRow("comma decimal")
            << header + good + "M,0.6,0.32,0.95,\"3000,5\",\n"
            << "line 3: the max speed \"3000,5\" is not a number above 0";
        QTest::newRow("curve point") << header + good + "M,0.6,0.32,0.95,3000,0:0.95 2000-0.9\n"
                                     << "line 3: the curve point \"2000-0.9\" is not speed:torque "
                                        "with figures of 0 or more";
        QTest::newRow("curve falls back") << header + good + "M,0.6,0.32,0.95,3000,0:1 100:1 50:1\n"
                                          << "line 3: the curve's speeds do not rise at \"50:1\"";
        QTest::newRow("named twice") << header + good + "Other,1,1,1,1,\nGood One,1,1,1,1,\n"
                                     << "line 4: the motor \"Good One\" is on line 2 too";
        QTest::newRow("open quote") << header + good + "\"M,0.6,0.32,0.95,3000,\n"
                                    << "line 3: a quoted field is not closed";
        QTest::newRow("stray quote") << header + good + "M \"6\",0.6,0.32,0.95,3000,\n"
                                     << "line 3: a quote inside a field that is not quoted";
        QTest::newRow("not UTF-8") << header + "M\xe9,0.6,0.32,0.95,3000,\n"
                                   << "it is not UTF-8 text";
        QTest::newRow("line after a quoted line end")
            << header + "\"Two\nLines\",0.6,0.32,0.95,3000,\nM,0.6,0.32,0.95,x,\n"
            << "line 4: the max speed \"x\" is not a number above 0";
    }

    // A file with a bad line gives no motor at all, and says which line.
    void badCsv() {
        QFETCH(QByteArray, body);
        QFETCH(QString, problem);
        const auto read = readCsv(body);
        QVERIFY(std::holds_alternative<QString>(read));
        QCOMPARE(std::get<QString>(read), problem);
    }

    void schemaCreated() {
        QTemporaryDir dir;
        const QString path = dir.filePath("sub/motors.sqlite");
        {
            Library library(path);
            QCOMPARE(library.open(), std::nullopt);
            QVERIFY(library.motors().isEmpty());
            Motor m = motor("M-1", 0.01, 40, 60, 10, "0:60 10:30");
            QCOMPARE(library.add(m), std::nullopt);
            QVERIFY(m.id > 0);
            QCOMPARE(library.add(m), QString("a motor named \"M-1\" is already in the library"));
        }
        QCOMPARE(onFile(path, {"PRAGMA user_version"}).toInt(), 1);
        QCOMPARE(onFile(path, {"SELECT count(*) FROM curve_points"}).toInt(), 2);
        Library again(path);
        QCOMPARE(again.open(), std::nullopt);
        QCOMPARE(unkeyed(again.motors()),
                 QList<Motor>{motor("M-1", 0.01, 40, 60, 10, "0:60 10:30")});
        // Removing a motor takes its curve with it.
        QCOMPARE(again.remove(again.motors().front().id), std::nullopt);
        QCOMPARE(onFile(path, {"SELECT count(*) FROM curve_points"}).toInt(), 0);
    }

    // A file of the first layout (a bare motors table, no curves) keeps its
    // motors; one whose motors break the rules is left as it was.
    void migratesVersion0() {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.sqlite");
        const QStringList bare{"CREATE TABLE motors (name TEXT, rotor_inertia REAL, "
                               "continuous_torque REAL, peak_torque REAL, max_speed REAL)",
                               "INSERT INTO motors VALUES (' Old One ', 0.01, 40, 60, 10)",
                               "INSERT INTO motors VALUES ('Old Two', 0.02, 50, 90, 20)"};
        onFile(path, bare);
        {
            Library library(path);
            QCOMPARE(library.open(), std::nullopt);
            QCOMPARE(unkeyed(library.motors()), (QList<Motor>{motor("Old One", 0.01, 40, 60, 10),
                                                              motor("Old Two", 0.02, 50, 90, 20)}));
        }
        QCOMPARE(onFile(path, {"PRAGMA user_version"}).toInt(), 1);

        const QString broken = dir.filePath("broken.sqlite");
        onFile(broken, QStringList(bare) << "INSERT INTO motors VALUES ('Zero', 0, 40, 60, 10)");
        Library library(broken);
        const auto problem = library.open();
        QVERIFY(problem && problem->startsWith("its motors could not be brought up to date ("));
        QVERIFY(!library.isOpen());
        QCOMPARE(onFile(broken, {"PRAGMA user_version"}).toInt(), 0);
        QCOMPARE(onFile(broken, {"SELECT count(*) FROM motors"}).toInt(), 3);
    }

    void refusesOthers() {
        QTemporaryDir dir;
        const QString newer = dir.filePath("newer.sqlite");
        onFile(newer, {"PRAGMA user_version = 7"});
        QCOMPARE(Library(newer).open(),
                 QString("it was made by a newer version of Motor Sizing (library version 7)"));
        QCOMPARE(Library(dir.path()).open(), QString("it is a folder"));
        QFile text(dir.filePath("text.sqlite"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(QByteArray(4096, 'x'));
        text.close();
        QVERIFY(Library(text.fileName()).open().has_value());
        qputenv("MOTOR_SIZING_LIBRARY", "/team/motors.sqlite");
        QCOMPARE(Library::pathIn("/home/ann/data"), "/team/motors.sqlite");
        qunsetenv("MOTOR_SIZING_LIBRARY");
        QCOMPARE(Library::pathIn("/home/ann/data"), "/home/ann/data/motors.sqlite");
    }

    // A change that fails half way leaves the library, and its file, as it was.
    void failedImport() {
        QTemporaryDir dir;
        const QString path = dir.filePath("motors.sqlite");
        Library library(path);
        QCOMPARE(library.open(), std::nullopt);
        Motor kept = motor("Kept", 0.01, 40, 60, 10);
        library.add(kept);
        const QList<Motor> before = library.motors();
        const auto failed =
            library.import({motor("New", 0.01, 1, 1, 1), motor("Twin", 0.01, 1, 1, 1),
                            motor("Twin", 0.02, 1, 1, 1)},
                           false);
        QVERIFY(std::holds_alternative<QString>(failed));
        QVERIFY(std::get<QString>(failed).startsWith("the motor \"Twin\" could not be written"));
        QCOMPARE(library.motors(), before);
        QCOMPARE(onFile(path, {"SELECT count(*) FROM motors"}).toInt(), 1);

        // Replacing keeps the key; declining keeps the library's motor.
        auto replaced =
            library.import({motor("Kept", 0.05, 45, 65, 12), motor("New", 1, 1, 1, 1)}, true);
        QCOMPARE(std::get<Library::Imported>(replaced).replaced, 1);
        QCOMPARE(library.named("Kept")->id, kept.id);
        QCOMPARE(library.named("Kept")->rotorInertia, 0.05);
        auto declined = library.import({motor("Kept", 0.07, 45, 65, 12)}, false);
        QCOMPARE(std::get<Library::Imported>(declined).kept, 1);
        QCOMPARE(library.named("Kept")->rotorInertia, 0.05);
    }

    void tableEdits_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("en_US") << "en_US"
                               << "0.5"
                               << "0.5";
        QTest::newRow("de_DE") << "de_DE"
                               << "0,5"
                               << "0,5";
    }

    // Figures are shown and typed in the units chosen; a refused figure
    // leaves the cell as it was.
    void tableEdits() {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        QTemporaryDir dir;
        Library library(dir.filePath("motors.sqlite"));
        QCOMPARE(library.open(), std::nullopt);
        Motor a = motor("A", 0.01, 2 * 141.6119, 600, 50), b = motor("B", 0.01, 40, 60, 10);
        library.add(a);
        library.add(b);
        MotorsModel model(library);
        QSignalSpy refused(&model, &MotorsModel::refused);
        model.setUnits({"oz-in-sec^2", "N-m", "revs/min"});
        const QModelIndex continuous = model.index(0, MotorsModel::ContinuousTorque);
        QCOMPARE(model.data(continuous, Qt::DisplayRole).toString(), "2");
        QCOMPARE(model.data(model.index(0, MotorsModel::MaxSpeed), Qt::DisplayRole).toString(),
                 "3000");

        QFETCH(QString, typed);
        QVERIFY(model.setData(continuous, typed, Qt::EditRole));
        QCOMPARE(library.named("A")->continuousTorque, 0.5 * 141.6119);
        QFETCH(QString, shown);
        QCOMPARE(model.data(continuous, Qt::DisplayRole).toString(), shown);

        const auto refuses = [&](const QModelIndex& index, const QString& text, const Message& m) {
            const QString before = model.data(index, Qt::DisplayRole).toString();
            QVERIFY(!model.setData(index, text, Qt::EditRole));
            QCOMPARE(refused.takeFirst().at(0).value<Message>(), m);
            QCOMPARE(model.data(index, Qt::DisplayRole).toString(), before);
        };
        const Message figure{"Motor Figures",
                             "Please enter the continuous torque as a number above 0."};
        refuses(continuous, "abc", figure);
        refuses(continuous, "0", figure);
        refuses(continuous, "-3", figure);
        // The peak torque is at least the continuous torque, whichever is typed.
        const Message peak{"Motor Figures",
                           "Please enter a peak torque of at least the continuous torque."};
        const QModelIndex peakTorque = model.index(0, MotorsModel::PeakTorque);
        refuses(peakTorque, QLocale().toString(0.4), peak);
        refuses(continuous, "5", peak);
        QVERIFY(model.setData(peakTorque, QLocale().toString(0.5), Qt::EditRole));
        // A cell shows six significant digits; its edit keeps every digit.
        const QModelIndex rotor = model.index(0, MotorsModel::RotorInertia);
        QVERIFY(model.setData(rotor, QLocale().toString(24.9999357), Qt::EditRole));
        QCOMPARE(model.data(rotor, Qt::DisplayRole).toString(), QLocale().toString(24.9999));
        QCOMPARE(model.data(rotor, Qt::EditRole).toString(), QLocale().toString(24.9999357));
        refuses(model.index(0, MotorsModel::Name), "  ",
                {"Motor Name", "Please give the motor a name."});
        refuses(model.index(0, MotorsModel::Name), "B",
                {"Motor Name", "A motor named \"B\" is already in the library; please give this "
                               "one another name."});

        CurveModel curve(library);
        QSignalSpy curveRefused(&curve, &CurveModel::refused);
        curve.setUnits({"oz-in-sec^2", "N-m", "revs/min"});
        curve.showMotor(library.named("A")->id);
        QCOMPARE(curve.addPoint(), 0);
        QCOMPARE(curve.addPoint(), 1);
        QCOMPARE(library.named("A")->curve,
                 (QList<CurvePoint>{{0, 0.5 * 141.6119}, {50, 0.5 * 141.6119}}));
        QCOMPARE(curve.data(curve.index(1, CurveModel::Speed), Qt::DisplayRole).toString(), "3000");
        QVERIFY(!curve.setData(curve.index(1, CurveModel::Speed), "0", Qt::EditRole));
        QCOMPARE(curveRefused.takeFirst().at(0).value<Message>().title, "Motor Curve");
        QVERIFY(curve.setData(curve.index(1, CurveModel::Torque), QLocale().toString(0.25),
                              Qt::EditRole));
        QCOMPARE(library.named("A")->curve.back().torque, 0.25 * 141.6119);
    }
};

QTEST_GUILESS_MAIN(MotorLibraryTest)
#include "tst_motor_library.moc"
