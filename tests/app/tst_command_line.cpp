#include "app/sizingfiles.h"
#include "support/fixture.h"
#include "support/sizingroad.h"

#include <QProcess>
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
        QCOMPARE(run({"--report"}).status, 1);
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
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
