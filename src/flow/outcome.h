#pragma once

#include "flow/form.h"
#include "flow/message.h"
#include "flow/screenid.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <utility>

// What a screen's main action leaves the screen to do: show the messages in
// order, set the named entries to the given texts, and move on or stay.
struct Outcome {
    QList<Message> messages;
    QList<std::pair<QString, QString>> entryTexts;
    bool proceed = false;
    std::optional<ScreenId> next; // the screen to show next; nothing: this one stays
    QStringList reportLines;      // what the report quotes of the step's entries, when it went on

    static Outcome go(std::optional<ScreenId> next = std::nullopt) {
        return {{}, {}, true, next, {}};
    }
    static Outcome report(QStringList lines) {
        return {{}, {}, true, std::nullopt, std::move(lines)};
    }
    static Outcome stop(Message message, QList<std::pair<QString, QString>> entries = {}) {
        return {{std::move(message)}, std::move(entries), false, std::nullopt, {}};
    }

    // Sets the entries the outcome resets in the form they were read from.
    void resetEntries(Form& form) const {
        for (const auto& [name, text] : entryTexts)
            form.entries[name] = text;
    }
};
