#pragma once

#include "flow/message.h"

#include <utility>

#include <QList>

class QWidget;

// How screens show a message or ask the one Yes/No question.
class Messages {
  public:
    virtual ~Messages() = default;
    virtual void inform(QWidget* over, const Message& message) = 0;
    virtual bool ask(QWidget* over, const Message& question) = 0;
};

// Modal message boxes without an icon: OK, or Yes and No.
class BoxMessages final : public Messages {
  public:
    void inform(QWidget* over, const Message& message) override;
    bool ask(QWidget* over, const Message& question) override;
};

// Keeps every message shown and answers questions as told; for tests.
class MessageRecorder final : public Messages {
  public:
    void inform(QWidget*, const Message& message) override { shown << message; }
    bool ask(QWidget*, const Message& question) override {
        shown << question;
        return answer;
    }
    QList<Message> take() { return std::exchange(shown, {}); }

    QList<Message> shown;
    bool answer = true;
};
