// A copy of the program that types a screw drive's entries and then waits
// to be killed, as a crash would end it. With "steady" after the folder it
// goes on typing into the screw length, a key every 200 msec, and says each
// text as it stands.
#include "support/applications.h"
#include "support/harness.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Harness h(QLocale(QLocale::English, QLocale::UnitedStates), QString::fromLocal8Bit(argv[1]));
    h.click("Welcome", "Linear");
    h.click("LinearType", "SDrive");
    h.fill("ScrewDrive", road("ScrewDrive").entries);
    std::printf("typed\n");
    std::fflush(stdout);
    QTimer keys;
    if (argc > 2 && QByteArray(argv[2]) == "steady") {
        auto* length = h.control<QLineEdit>("ScrewDrive", "ScrewLength");
        keys.callOnTimeout([length] {
            QTest::keyClick(length, Qt::Key_1);
            std::printf("%s\n", qPrintable(length->text()));
            std::fflush(stdout);
        });
        keys.start(200);
    }
    return application.exec();
}
