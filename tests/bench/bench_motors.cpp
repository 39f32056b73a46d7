// How the motor library does with 10,000 motors of ten curve points each:
// importing them, opening the library window, filling the motors that fit.
// Run by hand (`build/tests/bench_motors`), not by the tests.
#include "motors/csv.h"
#include "motors/fit.h"
#include "motors/library.h"
#include "support/reportroad.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>

namespace {

QByteArray tenThousandMotors() {
    QByteArray csv = "Name,Rotor Inertia [kg-cm^2],Continuous Torque [N-m],Peak Torque [N-m],"
                     "Max Speed [revs/min],Peak Curve [revs/min:N-m]\r\n";
    for (int i = 0; i < 10000; ++i) {
        const double size = 0.05 + (i % 500) * 0.01;
        QStringList curve;
        for (int k = 0; k < 10; ++k)
            curve << QString("%1:%2").arg(k * 400).arg(3 * size * (1 - k * 0.05));
        csv += QString("BM-%1,%2,%3,%4,%5,%6\r\n")
                   .arg(i, 5, 10, QChar('0'))
                   .arg(size * 2)
                   .arg(size)
                   .arg(3 * size)
                   .arg(3600)
                   .arg(curve.join(' '))
                   .toUtf8();
    }
    return csv;
}

void report(const char* what, qint64 ns) {
    std::printf("%-48s %8.1f ms\n", what, ns / 1e6);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QByteArray csv = tenThousandMotors();
    std::printf("a CSV file of %.1f MB\n", csv.size() / 1e6);

    Harness h;
    QElapsedTimer clock;
    {
        motors::Library library(motors::Library::pathIn(h.data.path()));
        clock.start();
        library.open();
        const auto motors = std::get<QList<motors::Motor>>(motors::readCsv(csv));
        library.import(motors, false);
        report("import 10,000 motors (read the CSV, write them)", clock.nsecsElapsed());
    }

    reportroad::drive(h, road("RackPinionDrive"), {}, "Selection");

    clock.restart();
    h.click("Selection", "Library");
    report("open the library window (open the file, list)", clock.nsecsElapsed());
    h.click("MotorLibrary", "Close");

    clock.restart();
    h.click("Selection", "ChooseMotor");
    report("open Choose a Motor (fit and list every motor)", clock.nsecsElapsed());
    const int rows = h.control<QTableView>("MotorFit", "Fits")->model()->rowCount();

    constexpr int rounds = 20;
    clock.restart();
    for (int i = 0; i < rounds; ++i)
        h.app.screens().reloadShown();
    report("fill Choose a Motor again", clock.nsecsElapsed() / rounds);
    clock.restart();
    for (int i = 0; i < rounds; ++i)
        motors::fitMotors(h.app.library().motors(), h.record(), *h.sizing().results.preliminary);
    report("  of which fitting the motors", clock.nsecsElapsed() / rounds);
    std::printf("%d motors listed\n", rows);
    return 0;
}
