#pragma once

#include "flow/form.h"
#include "sizing/sizing.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>
#include <variant>

// A sizing as its file holds it: what the engineer entered, not what the
// program worked out, and how far the sizing had come. The file is UTF-8
// JSON with "format": "motor-sizing" and an integer "version"; the entries
// keep their texts as typed, in the locale named in the file.
struct SizingFile {
    static constexpr int version = 1;
    static constexpr qint64 largest = 1 << 20; // bytes; a larger file is none of ours

    QString locale;      // the locale the entries were typed in, "de_DE"
    QString motion;      // "Rotary", "Linear" or empty
    QString application; // the AppType text, or empty
    Stage reached = Stage::Mechanism;
    bool loadCalculated = false;
    bool loadTypedOver = false;  // written only when true
    QMap<QString, Form> screens; // each screen's entries, by screen name
    // The gearbox added from the findings: its ratio and its screen's entries.
    std::optional<double> addedRatio;
    Form addedGearbox;
    // The library motor the motor selection's figures came from, with its
    // figures and curve (a file of an earlier release names it only).
    std::optional<motors::Motor> motor;
    // The units its results show in; "results": "SI" is written only for SI.
    UnitSystem results = UnitSystem::US;

    bool operator==(const SizingFile&) const = default;
};

QByteArray toJson(const SizingFile& file);
// The file, or what is wrong with it, said as the end of "… cannot be opened: ".
std::variant<SizingFile, QString> fromJson(const QByteArray& bytes);
