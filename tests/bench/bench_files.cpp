// How long opening a sizing file, switching its result units and printing its
// report take: run by hand
// (`build/tests/bench_files`), not by the tests.
#include "app/app.h"
#include "app/screenset.h"
#include "session/sizingfiles.h"
#include "support/harness.h"
#include "support/sizingroad.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Sizing s;
    sizingroad::size(s, road("GBScrewDrive"));
    QTemporaryDir folder;
    const QString path = folder.filePath("bench.motorsizing");
    writeSizing(path, s);

    // Opening in the program: read, replay, discard and rebuild the screens.
    Harness h;
    constexpr int rounds = 50;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i) {
        h.app.openSizingFile(path,
                             h.window("Welcome") ? h.window("Welcome") : h.window("Findings"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("open a sizing file in the program: %.1f ms\n", clock.elapsed() / double(rounds));

    // Switching the result units with the sizing's windows open: every
    // figure, plot and report line shown again, and painted.
    for (ScreenId id : {ScreenId::Preliminary, ScreenId::Selection, ScreenId::AddGBox,
                        ScreenId::Report, ScreenId::Findings})
        h.app.screens().show(id);
    QCoreApplication::processEvents();
    clock.restart();
    for (int i = 0; i < rounds; ++i) {
        h.app.setResultUnits(i % 2 ? UnitSystem::US : UnitSystem::SI);
        QCoreApplication::processEvents();
    }
    std::printf("switch the result units, the windows open: %.1f ms\n",
                clock.elapsed() / double(rounds));

    clock.restart();
    for (int i = 0; i < 10; ++i) {
        QProcess report;
        report.start(MOTOR_SIZING, {"--report", path});
        report.waitForFinished();
    }
    std::printf("motor-sizing --report, the whole process: %.1f ms\n", clock.elapsed() / 10.0);
    return 0;
}
