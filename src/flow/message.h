#pragma once

#include <QString>

// A message box the program shows: a title and a text, no icon.
struct Message {
    QString title;
    QString text;
    bool operator==(const Message&) const = default;
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
