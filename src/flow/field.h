#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The motion a sizing moves its load with.
enum class Motion { None, Rotary, Linear };

// One entry, unit list or frame of options of a screen. Its id is the
// control's object name and the key under which the form and the sizing
// file keep what the engineer entered; screens and steps name a field by
// its constant, so a misspelt id does not compile.
struct Field {
    enum class Kind { Entry, Units, Options };

    const char* id;
    Kind kind = Kind::Entry;
    const char* initial = "0"; // an entry's first text; no item or option for the others
    QStringList (*offered)(Motion) = nullptr; // a unit list's items, a frame's option ids

    QString name() const { return QString::fromLatin1(id); }
    operator QString() const { return name(); }
    QStringList items(Motion motion = Motion::None) const {
        return offered ? offered(motion) : QStringList();
    }
};

constexpr Field entryField(const char* id, const char* initial = "0") {
    return {id, Field::Kind::Entry, initial, nullptr};
}
// A unit list with a first item is one an older file may lack: it then
// stands at that item.
constexpr Field unitsField(const char* id, QStringList (*offered)(Motion),
                           const char* initial = "") {
    return {id, Field::Kind::Units, initial, offered};
}
constexpr Field optionsField(const char* id, QStringList (*offered)(Motion)) {
    return {id, Field::Kind::Options, "", offered};
}

// A screen's table: the fields it shows.
using Fields = QList<Field>;
