#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The application types offered by the two choice screens.
struct AppTypeInfo {
    QString button;  // control name on the choice screen
    QString caption; // button caption ("&&" shows as one ampersand)
    QString appType; // the text stored in AppType
    QString screen;  // the mechanism screen it opens
    QString helpButton;
    QString helpTitle;
    QString helpText;
};

const QList<AppTypeInfo>& rotaryTypes();
const QList<AppTypeInfo>& linearTypes();

// The screens that Start Over discards, in order; "Hidden" stands for the
// sizing record itself.
const QStringList& startOverOrder();
