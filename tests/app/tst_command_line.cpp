#include "app/commandline.h"
#include "session/replay.h"
#include "session/sizingfiles.h"
#include "support/fixture.h"
#include "support/pdf.h"
#include "support/sizingroad.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(AppRoad)

using namespace sizingroad;

namespace {

struct Run {
    int status = -1;
    QString out, errors;
};

// The installed program run as a person runs it from a terminal: no
// display at all, in the locale given.
Run run(const QStringList& arguments, const QString& locale = "en_US.UTF-8") {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(display);
    environment.insert("LC_ALL", locale);
    program.setProcessEnvironment(environment);
    program.start(MOTOR_SIZING, arguments);
    if (!program.waitForFinished(30000))
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void helpAndVersion() {
        const Run help = run({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.startsWith("Usage: motor-sizing [options] [file]"), qPrintable(help.out));
        QVERIFY(help.out.contains("--report"));
        const Run version = run({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QString("motor-sizing %1\n").arg(PROJECT_VERSION));
        QVERIFY(help.out.contains("--pdf <out.pdf>"));
        QCOMPARE(run({"--report"}).status, 1);
        const Run noFile = run({"--pdf", "out.pdf"});
        QCOMPARE(noFile.status, 1);
        QVERIFY2(noFile.errors.startsWith("--pdf needs a sizing file.\n"),
                 qPrintable(noFile.errors));
        QVERIFY(run({"--report", "--pdf", "out.pdf", "a.motorsizing"})
                    .errors.startsWith("--report or --pdf, not both.\n"));
    }

    // An option the program does not know is said, with the usage line, with
    // or without a display; Qt's own are passed on to the window system.
    void unknownOption_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("typed");
        QTest::newRow("long") << QStringList{"--bogus"} << "--bogus";
        QTest::newRow("with a value") << QStringList{"--bogus=3", "a.motorsizing"} << "--bogus";
        QTest::newRow("short") << QStringList{"-x"} << "-x";
        QTest::newRow("beside --report")
            << QStringList{"--report", "--bogus", "a.motorsizing"} << "--bogus";
        QTest::newRow("after Qt's own")
            << QStringList{"-platform", "offscreen", "--bogus"} << "--bogus";
    }
    void unknownOption() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, typed);
        const Run wrong = run(arguments);
        QCOMPARE(wrong.status, 1);
        QCOMPARE(wrong.errors,
                 "Usage: motor-sizing [options] [file]\nUnknown option: " + typed + "\n");
        QCOMPARE(wrong.out, QString());
    }

    void qtOptions() {
        CommandLine line = readCommandLine({"motor-sizing", "-platform", "offscreen", "-reverse",
                                            "--style=fusion", "a.motorsizing"});
        QCOMPARE(line.mode, CommandLine::Mode::Window);
        QCOMPARE(line.file, QString("a.motorsizing"));
        line = readCommandLine({"motor-sizing", "-style", "fusion", "--report", "a.motorsizing"});
        QCOMPARE(line.mode, CommandLine::Mode::Report);
        QCOMPARE(line.file, QString("a.motorsizing"));
    }

    // --report prints exactly the report screen's lines, in the locale it runs in.
    void report_data() {
        QTest::addColumn<AppRoad>("road");
        QTest::addColumn<QString>("locale");
        QTest::newRow("gearbox screw") << road("GBScrewDrive") << "en_US.UTF-8";
        QTest::newRow("conveyor in a comma locale") << road("ConveyorDrive") << "de_DE.UTF-8";
    }
    void report() {
        QFETCH(AppRoad, road);
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(road.locale));
        Sizing s;
        size(s, road);
        QTemporaryDir folder;
        const QString path = folder.filePath("sized.motorsizing");
        QCOMPARE(writeSizing(path, s), std::nullopt);
        const Run printed = run({"--report", path}, locale);
        QCOMPARE(printed.errors, QString());
        QCOMPARE(printed.status, 0);
        QCOMPARE(printed.out, fixtureLines(road.fixture).join('\n') + "\n");
    }

    // --units shows the results in SI or US whatever the file chose; the
    // input data keep the entries as typed.
    void units() {
        Sizing s;
        size(s, road("DirectDrive"));
        QTemporaryDir folder;
        const QString path = folder.filePath("sized.motorsizing");
        QCOMPARE(writeSizing(path, s), std::nullopt);
        const Run si = run({"--report", "--units", "SI", path});
        QCOMPARE(si.status, 0);
        QVERIFY2(si.out.contains("\nJr = 17.668 kg-cm^2\n"), qPrintable(si.out));
        QVERIFY(si.out.contains("\nAt a Max Speed = 1200 revs/min\n"));
        QVERIFY(si.out.contains("\nLoad Inertia = 0.25 oz-in-sec^2\n"));
        s.resultUnits = UnitSystem::SI;
        QCOMPARE(writeSizing(path, s), std::nullopt);
        QCOMPARE(run({"--report", path}).out, si.out);
        QCOMPARE(run({"--report", "--units", "US", path}).out,
                 fixtureLines(road("DirectDrive").fixture).join('\n') + "\n");

        // The PDF in SI: the findings summary, both plots' axes and the legend.
        const QString pdf = folder.filePath("si.pdf");
        QCOMPARE(run({"--pdf", pdf, path}).status, 0);
        const QString text = squeezed(poppler("pdftotext", {"-layout", pdf, "-"}));
        for (const char* shown :
             {"ReflectedInertia:17.668kg-cm^2", "Motorspeed(revs/min)", "Torquerequired(N-m)",
              "Torque(N-m)", "needed:0.532N-mat1200revs/min", "Jr=17.668kg-cm^2"})
            QVERIFY2(text.contains(shown), shown);
        QVERIFY(!text.contains("oz-in-sec^2") || text.contains("LoadInertia=0.25oz-in-sec^2"));

        const Run wrong = run({"--report", "--units", "metric", path});
        QCOMPARE(wrong.status, 1);
        QVERIFY2(wrong.errors.startsWith("--units takes SI or US.\n\nUsage: motor-sizing"),
                 qPrintable(wrong.errors));
    }

    // What cannot be reported says why on standard error, with status 1.
    void cannotReport() {
        QTemporaryDir folder;
        Run printed = run({"--report", folder.filePath("gone.motorsizing")});
        QCOMPARE(printed.status, 1);
        QCOMPARE(printed.out, QString());
        QCOMPARE(printed.errors, QString("gone.motorsizing cannot be opened: it is not found.\n"));

        Sizing s;
        size(s, road("DirectDrive"));
        s.forms[ScreenId::Selection].entries["RotorInertia"] = "0";
        QCOMPARE(writeSizing(folder.filePath("motorless.motorsizing"), s), std::nullopt);
        printed = run({"--report", folder.filePath("motorless.motorsizing")});
        QCOMPARE(printed.status, 1);
        QCOMPARE(printed.errors, QString("motorless.motorsizing cannot be sized: Motor's Inertia: "
                                         "Please enter the Rotor Inertia of the chosen motor.\n"));

        s.reached = Stage::Preliminary;
        QCOMPARE(writeSizing(folder.filePath("early.motorsizing"), s), std::nullopt);
        printed = run({"--report", folder.filePath("early.motorsizing")});
        QCOMPARE(printed.status, 1);
        QVERIFY(printed.errors.contains("the sizing has not reached its findings"));
    }

    // --pdf writes the report with its pictures, with no display: a linear
    // screw with a duty cycle and an added gearbox, its motor from the library.
    void pdf() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        AppRoad screw = road("ScrewDrive");
        screw.move << "DwellTime=0.5";
        screw.motor << "TorqueContinuous=40";
        Sizing s;
        s.libraryMotor = motors::Motor{};
        s.libraryMotor->name = "MS-40"; // named only, as an earlier file has it
        size(s, screw);
        addGearboxTo(s, screw, "2");
        s.forms[ScreenId::Report] = reportForm();
        s.forms[ScreenId::Report].entries["Sizer"] = "Ann";
        s.forms[ScreenId::Report].entries["Company"] = "North Mill";
        QTemporaryDir folder;
        const QString path = folder.filePath("screw.motorsizing");
        QCOMPARE(writeSizing(path, s), std::nullopt);
        const QString pdf = folder.filePath("screw.pdf");
        const Run exported = run({"--pdf", pdf, path}, "de_DE.UTF-8");
        QCOMPARE(exported.errors, QString());
        QCOMPARE(exported.out, QString());
        QCOMPARE(exported.status, 0);
        if (const QByteArray shots = qgetenv("MOTOR_SIZING_SHOTS"); !shots.isEmpty()) {
            QFile::remove(shots + "/screw.pdf");
            QFile::copy(pdf, shots + "/screw.pdf");
        }

        const QString text = squeezed(poppler("pdftotext", {"-layout", pdf, "-"}));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // The report as the German engineer's report screen lists it.
        const Replay german = replay(std::get<Sizing>(readSizing(path)));
        qsizetype at = -1;
        for (const QString& line :
             QStringList{"Motor Sizing For: North Mill", "Sizing Completed By: Ann",
                         "User Selected Motor: MS-40", "RMS MARGIN:", "Added Gearbox Ratio:"} +
                 sizingroad::report(german.sizing)) {
            const qsizetype found = text.indexOf(QString(line).remove(' '), at + 1);
            QVERIFY2(found > at, qPrintable("not in order: " + line));
            at = found;
        }
        QVERIFY(text.contains("Page1of"));
    }

    // What cannot be exported says why, with status 1, and leaves no PDF
    // behind nor an earlier one changed.
    void cannotExport() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath("out.pdf");
        Run exported = run({"--pdf", pdf, folder.filePath("gone.motorsizing")});
        QCOMPARE(exported.status, 1);
        QCOMPARE(exported.errors, QString("gone.motorsizing cannot be opened: it is not found.\n"));
        QVERIFY(!QFile::exists(pdf));

        Sizing s;
        size(s, road("DirectDrive"));
        s.reached = Stage::Preliminary;
        QCOMPARE(writeSizing(folder.filePath("early.motorsizing"), s), std::nullopt);
        QFile earlier(pdf);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        exported = run({"--pdf", pdf, folder.filePath("early.motorsizing")});
        QCOMPARE(exported.status, 1);
        QVERIFY(exported.errors.contains("the sizing has not reached its findings"));
        QCOMPARE(contents(pdf), QByteArray("earlier"));

        s.reached = Stage::Findings;
        QCOMPARE(writeSizing(folder.filePath("sized.motorsizing"), s), std::nullopt);
        exported = run(
            {"--pdf", folder.filePath("missing/out.pdf"), folder.filePath("sized.motorsizing")});
        QCOMPARE(exported.status, 1);
        QVERIFY2(exported.errors.startsWith("out.pdf cannot be written: "),
                 qPrintable(exported.errors));
        QVERIFY(!QFile::exists(folder.filePath("missing")));
        QCOMPARE(QDir(folder.path()).entryList({"*.pdf"}), QStringList{"out.pdf"});
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
