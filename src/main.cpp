#include "app/app.h"
#include "app/commandline.h"
#include "app/pdfexport.h"
#include "app/screenset.h"
#include "ui/appicon.h"
#include "ui/dialogs.h"
#include "ui/messages.h"
#include "ui/screen.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("motor-sizing");
    QCoreApplication::setApplicationVersion(PROJECT_VERSION);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The modes without a window are decided before any window system is
    // asked for, so that they run where there is no display.
    const CommandLine line = readCommandLine(arguments);
    QTextStream out(stdout), errors(stderr);
    switch (line.mode) {
    case CommandLine::Mode::Help:
        out << line.help;
        return 0;
    case CommandLine::Mode::Version:
        out << QCoreApplication::applicationName() << " " << PROJECT_VERSION << "\n";
        return 0;
    case CommandLine::Mode::Wrong:
        if (line.usageOnly)
            errors << line.usage() << "\n" << line.problem << "\n";
        else
            errors << line.problem << "\n\n" << line.help;
        return 1;
    case CommandLine::Mode::Report: {
        QCoreApplication core(argc, argv);
        return printReport(line.file, out, errors, line.units);
    }
    case CommandLine::Mode::Pdf: {
        // Fonts and painting without a window system: no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error carries the reason a PDF cannot be written, not the
        // window system's remarks about an environment it does not need.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                fprintf(stderr, "%s\n", qPrintable(text));
        });
        QGuiApplication gui(argc, argv);
        return exportPdf(line.file, line.pdf, errors, line.units);
    }
    case CommandLine::Mode::Window:
        break;
    }

    QApplication application(argc, argv);
    // The desktop matches the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(APP_ID);
    QApplication::setWindowIcon(appIcon());
    BoxMessages messages;
    StandardDialogs dialogs;
    App app(
        messages, dialogs, [] { QApplication::quit(); },
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [&app] { app.keep(); });
    registerScreens(app);
    QWidget* welcome = app.screens().show(ScreenId::Welcome);
    if (!line.file.isEmpty())
        app.openSizingFile(line.file, welcome);
    else
        app.offerRecovery(welcome);
    return application.exec();
}
