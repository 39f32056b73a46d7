// How long opening a sizing file and printing its report take: run by hand
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

    clock.restart();
    for (int i = 0; i < 10; ++i) {
        QProcess report;
        report.start(MOTOR_SIZING, {"--report", path});
        report.waitForFinished();
    }
    std::printf("motor-sizing --report, the whole process: %.1f ms\n", clock.elapsed() / 10.0);
    return 0;
}
