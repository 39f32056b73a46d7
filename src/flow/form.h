#pragma once

#include "flow/field.h"

#include <QMap>
#include <QString>

// What the engineer entered on one screen, by control name: each entry's
// text as typed, each unit list's chosen item ("" when none is chosen) and,
// for each frame of options, the name of the chosen option ("" when none).
struct Form {
    QMap<QString, QString> entries;
    QMap<QString, QString> units;
    QMap<QString, QString> options;

    QString entry(const QString& name) const { return entries.value(name); }
    QString unit(const QString& name) const { return units.value(name); }
    QString option(const QString& frame) const { return options.value(frame); }

    // A form as a screen first shows its fields: each entry its first text,
    // no unit and no option chosen.
    static Form initial(const Fields& fields);

    bool operator==(const Form&) const = default;
};
