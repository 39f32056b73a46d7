#include "findings/findingslogic.h"
#include "mechanisms/applications.h"
#include "mechanisms/directdrivelogic.h"
#include "profiles/profilelogic.h"
#include "report/reportlogic.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The report a direct drive sizing of 0.25 oz-in-sec^2 and 10 oz-in, moved
// 10 revs in 1 sec as a triangle, with a motor of 0.01 / 150 / 40.
struct DirectDriveSizing {
    SizingRecord record;
    FindingsFigures findings;
    DirectDriveSizing() {
        record.MotionType = Motion::Rotary;
        record.AppType = applicationNamed("Rotary: Direct Drive");
        record.MechanismLines = directDriveNext(record, {"0.25", "10"}).reportLines;
        ProfileEntries move;
        move.Triangular = true;
        move.TriDist = "10";
        move.TriMoveUnits = "revs";
        move.TriMoveTime = "1";
        const PreliminaryFigures p = profileNext(record, move, ProfileKind::Rotary).preliminary;
        findings = selectionNext(record, {"0.01", "150", "40"}, p).findings;
    }
};

const QString inputHeading = "**********MOTOR SIZING INPUT DATA**********";
const QString calculationsHeading = "**********MOTOR SIZING CALCULATIONS**********";

} // namespace

class ReportLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void directDriveReport() {
        const DirectDriveSizing s;
        const QStringList expected = fixtureLines("directdrive-report.txt");
        const QStringList report = assembleReport(s.record, s.findings);
        for (qsizetype i = 0; i < std::min(report.size(), expected.size()); ++i)
            QCOMPARE(report[i], expected[i]);
        QCOMPARE(report.size(), expected.size());
    }

    void applicationBlocks_data() {
        QTest::addColumn<QString>("appType");
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("lists");
        QTest::newRow("direct drive")
            << "Rotary: Direct Drive"
            << "Rotary"
            << "Application Type: Rotary Direct Drive"
            << QStringList{"RLoadCalcs", "MechanismLines", "RMotionProfiles", "MotorSelection"};
        QTest::newRow("belt-pulley")
            << "Rotary: Belt-Pulley"
            << "Rotary"
            << "Application Type: Rotary Belt-Pulley"
            << QStringList{"RLoadCalcs", "MechanismLines", "RMotionProfiles", "MotorSelection"};
        QTest::newRow("gearbox") << "Rotary: Gearbox"
                                 << "Rotary"
                                 << "Application Type: Rotary Gearbox"
                                 << QStringList{"RLoadCalcs", "MechanismLines", "RMotionProfiles",
                                                "MotorSelection"};
        QTest::newRow("screw") << "Linear: Screw Drive"
                               << "Linear"
                               << "Application Type: Linear Screw Drive"
                               << QStringList{"MechanismLines", "LMotionProfiles",
                                              "MotorSelection"};
        QTest::newRow("rack") << "Linear: Rack & Pinion"
                              << "Linear"
                              << "Application Type: Linear Rack & Pinion"
                              << QStringList{"MechanismLines", "LMotionProfiles", "MotorSelection"};
        QTest::newRow("non-rotating")
            << "Linear: Non-Rotating Screw Drive"
            << "Linear"
            << "Application Type: Linear Non-Rotating Screw Drive"
            << QStringList{"MechanismLines", "LMotionProfiles", "MotorSelection"};
        QTest::newRow("gearbox screw")
            << "Linear: Gearbox Screw Drive"
            << "Linear"
            << "Application Type: Linear Gearbox Screw Drive"
            << QStringList{"MechanismLines", "LMotionProfiles", "MotorSelection"};
        QTest::newRow("belt screw")
            << "Linear: Belt-Pulley Screw Drive"
            << "Linear"
            << "Application Type: Linear Belt-Pulley Screw Drive"
            << QStringList{"MechanismLines", "LMotionProfiles", "MotorSelection"};
        QTest::newRow("conveyor") << "Linear: Conveyor"
                                  << "Linear"
                                  << "Application Type: Linear Conveyor Drive"
                                  << QStringList{"MechanismLines", "LMotionProfiles",
                                                 "MotorSelection"};
        QTest::newRow("no such type") << "Rotary: Flywheel"
                                      << "Rotary"
                                      << "" << QStringList{};
    }
    void applicationBlocks() {
        QFETCH(QString, appType);
        QFETCH(QString, motion);
        QFETCH(QString, heading);
        QFETCH(QStringList, lists);
        // Every list holds one line naming it, so the report shows which were copied.
        SizingRecord r;
        r.AppType = applicationNamed(appType);
        r.MotionType = motion == "Rotary" ? Motion::Rotary : Motion::Linear;
        const QList<std::pair<QString, QStringList SizingRecord::*>> all{
            {"RLoadCalcs", &SizingRecord::RLoadCalcs},
            {"MechanismLines", &SizingRecord::MechanismLines},
            {"RMotionProfiles", &SizingRecord::RMotionProfiles},
            {"LMotionProfiles", &SizingRecord::LMotionProfiles},
            {"MotorSelection", &SizingRecord::MotorSelection}};
        for (const auto& [name, list] : all)
            r.*list = {name};

        const QStringList report = assembleReport(r, {});
        const QStringList block = heading.isEmpty() ? QStringList{} : QStringList{heading} + lists;
        QCOMPARE(report.mid(0, 3), (QStringList{inputHeading, "", ""}));
        QCOMPARE(report.mid(3, block.size()), block);
        QCOMPARE(report.mid(3 + block.size(), 4), (QStringList{"", "", calculationsHeading, ""}));
        QCOMPARE(report.size(), 96 + block.size());
        const QString formula = motion == "Rotary" ? "J = (WR^2)/2" : "J = W / (2 * pi * p)^2";
        QVERIFY(report.contains(formula));
    }

    void gearboxAdded() {
        SizingRecord r;
        r.AppType = applicationNamed("Rotary: Direct Drive");
        r.MotionType = Motion::Rotary;
        const QStringList plain = assembleReport(r, {});
        r.AddedGBReduction = 2;
        r.AddedGearbox = {"Gearbox Reduction Ratio = 2 : 1", "Gearbox Inertia = 0.2 kg-cm^2",
                          "Gearbox Efficiency = 90 %"};
        const QStringList added = assembleReport(r, {});
        QCOMPARE(plain.size(), 97);
        QCOMPARE(added.size(), 102);
        const qsizetype at = added.indexOf(calculationsHeading);
        QCOMPARE(added.mid(at, 8), (QStringList{calculationsHeading, "", "Gearbox Added"} +
                                    r.AddedGearbox + QStringList{"", "INERTIA"}));
        QCOMPARE(plain.mid(at, 3), (QStringList{calculationsHeading, "", "INERTIA"}));
    }

    void figuresAsShown() {
        SizingRecord r;
        const QStringList report =
            assembleReport(r, {Need{0.25, 1.5, -2, 0, 3.14, 12.5}, 0.01, 0, 0, 25});
        for (const char* line :
             {"Jr = 0.250 oz-in-sec^2", "Jm = 0.010 oz-in-sec^2", "INERTIA MISMATCH = 25.00 : 1",
              "Ta = 1.50 oz-in", "Tt = -2.00 oz-in", "Tg = 0.00 oz-in", "Ttot = 3.14 oz-in",
              "At a Max Speed = 12.5 revs/sec"})
            QVERIFY2(report.contains(line), line);
        // Neither formula set without a motion type.
        QCOMPARE(report.size(), 87);
    }

    void checkHeader_data() {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("title");
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "Motor P/N";
        QTest::newRow("no motor") << "North"
                                  << ""
                                  << "Motor P/N";
        QTest::newRow("no company") << ""
                                    << "M-1"
                                    << "Company/Application";
        QTest::newRow("blank motor passes") << "North"
                                            << " "
                                            << "";
        QTest::newRow("both given") << "North"
                                    << "M-1"
                                    << "";
    }
    void checkHeader() {
        QFETCH(QString, company);
        QFETCH(QString, motor);
        QFETCH(QString, title);
        const auto problem = ::checkHeader({"", company, motor});
        QCOMPARE(problem.has_value(), !title.isEmpty());
        if (title == "Motor P/N")
            QCOMPARE(*problem, (Message{"Motor P/N", "Please Define a Name or Part Number for "
                                                     "the Selected Motor"}));
        if (title == "Company/Application")
            QCOMPARE(*problem, (Message{"Company/Application",
                                        "Please Define a Company or Application for this Sizing"}));
    }

    void printedPage() {
        const QList<PrintedLine> lines =
            printedLines({"Ann", "North", "M-1"}, {"first", "", "last"});
        using enum PrintedLine::Role;
        const QList<PrintedLine> expected{
            {"Motor Sizing", Title, 20, true},
            {"", Header, 12},
            {"", Header, 12},
            {"Motor Sizing For: North", Header, 12},
            {"Sizing Completed By: Ann", Header, 12},
            {"", Header, 12},
            {"User Selected Motor: M-1", Header, 12},
            {"", Header, 12},
            {"", Header, 12},
            {"", Header, 12},
            {"", Header, 12},
            {"", Header, 12},
            {"first", Body, 10},
            {"", Body, 10},
            {"last", Body, 10},
            {"DISCLAIMER:  This sizing is intended to be used as a tool to assist in motor "
             "selection.  ",
             Disclaimer, 8},
            {"It makes no claims or statements pertaining to the function of any machine.",
             Disclaimer, 8},
            {"", Disclaimer, 8},
            {"", Disclaimer, 8}};
        QCOMPARE(lines, expected);
    }

    void savedFile() {
        const DirectDriveSizing s;
        const QStringList lines = savedLines({"", "N\u00f6rth \"Works\"", "M-1 \u03a9"},
                                             assembleReport(s.record, s.findings));
        QCOMPARE(lines.size(), 107 + 12);
        QCOMPARE(savedBytes(lines), fixture("directdrive-saved.txt"));
    }

    void savedBytesPerCharacter() {
        QCOMPARE(savedBytes({"Motor Sizing For: North"}),
                 QByteArray("\"Motor Sizing For: North\"\r\n"));
        QCOMPARE(savedBytes({""}), QByteArray("\"\"\r\n"));
        // Outside ISO-8859-1 each character, even one beyond 16 bits, is one "?".
        QCOMPARE(savedBytes({QString::fromUtf8("a\u20ac\U0001F600\u00e9")}),
                 QByteArray("\"a??\xe9\"\r\n"));
    }

    void filePath_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("path");
        QTest::newRow("no suffix") << "/tmp/report"
                                   << "/tmp/report.txt";
        QTest::newRow("suffix kept") << "/tmp/report.txt"
                                     << "/tmp/report.txt";
        QTest::newRow("upper-case suffix") << "/tmp/REPORT.TXT"
                                           << "/tmp/REPORT.TXT";
        QTest::newRow("suffix inside") << "/tmp/report.txt.bak"
                                       << "/tmp/report.txt.bak.txt";
        QTest::newRow("folder with suffix") << "/tmp/a.txt/report"
                                            << "/tmp/a.txt/report.txt";
    }
    void filePath() {
        QFETCH(QString, chosen);
        QFETCH(QString, path);
        QCOMPARE(reportFilePath(chosen), path);
    }

    void writeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.txt");
        QVERIFY(!writeReportFile(path, "first\r\n"));
        QVERIFY(!writeReportFile(path, "second\r\n"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("second\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.txt"});

        const QString missing = dir.filePath("no such folder/report.txt");
        const auto problem = writeReportFile(missing, "x");
        QVERIFY(problem);
        QCOMPARE(problem->title, QString("Save Error"));
        QVERIFY2(problem->text.startsWith("The report could not be saved as " + missing + ":  "),
                 qPrintable(problem->text));
        QVERIFY(problem->text.size() >
                QString("The report could not be saved as " + missing + ":  ").size());
    }
};

QTEST_GUILESS_MAIN(ReportLogicTest)
#include "tst_report_logic.moc"
