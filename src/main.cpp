#include "flow/screenset.h"
#include "ui/app.h"
#include "ui/messages.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    BoxMessages messages;
    App app(messages, [] { QApplication::quit(); });
    registerScreens(app);
    app.screens().show("Welcome");
    return application.exec();
}
