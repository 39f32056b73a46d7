// A copy of the program that types a screw drive's entries and then waits
// to be killed, as a crash would end it.
#include "support/applications.h"
#include "support/harness.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Harness h(QLocale(QLocale::English, QLocale::UnitedStates), QString::fromLocal8Bit(argv[1]));
    h.click("Welcome", "Linear");
    h.click("LinearType", "SDrive");
    h.fill("ScrewDrive", road("ScrewDrive").entries);
    std::printf("typed\n");
    std::fflush(stdout);
    return application.exec();
}
