#pragma once

#include <QList>
#include <QString>

#include <utility>

// A message box the program shows: a title and a text, no icon.
struct Message {
    QString title;
    QString text;
    bool operator==(const Message&) const = default;
};

// What a screen's main action leaves the screen to do: show the messages in
// order, set the named entries to the given texts, and move on or stay.
struct Outcome {
    QList<Message> messages;
    QList<std::pair<QString, QString>> entryTexts;
    bool proceed = false;
    QString next; // where the action itself chooses the screen to show next

    static Outcome go(QString next = {}) { return {{}, {}, true, std::move(next)}; }
    static Outcome stop(Message message, QList<std::pair<QString, QString>> entries = {}) {
        return {{std::move(message)}, std::move(entries), false, {}};
    }
};

namespace messages {

inline Message numbersPlease() {
    return {"Numbers Please", "Please enter numeric values only"};
}

// A result that is not a finite number is never shown or stored.
inline Message outOfRange() {
    return {"Out of Range", "These entries give a result that cannot be worked out (a division by "
                            "zero or a number too large). Please check the entries."};
}

// The title of a message that has none of its own.
inline const QString programTitle = QStringLiteral("Motor Sizing");

} // namespace messages
