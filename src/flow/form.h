#pragma once

#include <QMap>
#include <QString>

#include <initializer_list>

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

    // A form as a screen first shows it: the entries "0", no unit and no option chosen.
    static Form initial(std::initializer_list<const char*> entries,
                        std::initializer_list<const char*> units = {},
                        std::initializer_list<const char*> frames = {});
    // The same form with an entry's first text other than "0".
    Form with(const QString& entry, const QString& text) const;

    bool operator==(const Form&) const = default;
};
