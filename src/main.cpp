#include "flow/screenset.h"
#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/messages.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    BoxMessages messages;
    StandardDialogs dialogs;
    App app(messages, dialogs, [] { QApplication::quit(); });
    registerScreens(app);
    app.screens().show("Welcome");
    return application.exec();
}
