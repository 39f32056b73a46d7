#include "app/app.h"
#include "app/screenset.h"
#include "ui/appicon.h"
#include "ui/dialogs.h"
#include "ui/messages.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("motor-sizing");
    // The desktop matches the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(APP_ID);
    QApplication::setWindowIcon(appIcon());
    BoxMessages messages;
    StandardDialogs dialogs;
    App app(messages, dialogs, [] { QApplication::quit(); });
    registerScreens(app);
    app.screens().show(ScreenId::Welcome);
    return application.exec();
}
