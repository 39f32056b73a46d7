#include "ui/messages.h"

#include <QMessageBox>

void BoxMessages::inform(QWidget* over, const Message& message) {
    QMessageBox box(QMessageBox::NoIcon, message.title, message.text, QMessageBox::Ok, over);
    box.exec();
}

bool BoxMessages::ask(QWidget* over, const Message& question) {
    QMessageBox box(QMessageBox::NoIcon, question.title, question.text,
                    QMessageBox::Yes | QMessageBox::No, over);
    return box.exec() == QMessageBox::Yes;
}

Answer BoxMessages::askOrCancel(QWidget* over, const Message& question) {
    QMessageBox box(QMessageBox::NoIcon, question.title, question.text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, over);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
