// How long exporting the PDF report takes: run by hand
// (`build/tests/bench_pdf`), not by the tests.
#include "report/reportdocument.h"
#include "session/sizingfiles.h"
#include "support/sizingroad.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    AppRoad screw = road("ScrewDrive");
    screw.move << "DwellTime=0.5";
    screw.motor << "TorqueContinuous=40";
    Sizing s;
    sizingroad::size(s, screw);
    sizingroad::addGearboxTo(s, screw, "2");
    QTemporaryDir folder;
    const QString pdf = folder.filePath("bench.pdf");

    // The report screen's export: the document, laid out, painted and saved.
    writeReportPdf(pdf, reportDocument(s, {"Ann", "North Mill", "MS-40"})); // fonts loaded
    constexpr int rounds = 20;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i)
        writeReportPdf(pdf, reportDocument(s, {"Ann", "North Mill", "MS-40"}));
    std::printf("export the PDF report from the report screen: %.1f ms\n",
                clock.elapsed() / double(rounds));

    const QString path = folder.filePath("bench.motorsizing");
    writeSizing(path, s);
    clock.restart();
    for (int i = 0; i < 10; ++i) {
        QProcess export_;
        export_.start(MOTOR_SIZING, {"--pdf", pdf, path});
        export_.waitForFinished();
    }
    std::printf("motor-sizing --pdf, the whole process: %.1f ms\n", clock.elapsed() / 10.0);
    return 0;
}
