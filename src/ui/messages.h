#pragma once

#include "flow/message.h"

#include <utility>

#include <QList>

class QWidget;

// The answers to a question with Yes, No and Cancel.
enum class Answer { Yes, No, Cancel };

// How screens show a message, ask a Yes/No question, or one with Cancel too.
class Messages {
  public:
    virtual ~Messages() = default;
    virtual void inform(QWidget* over, const Message& message) = 0;
    virtual bool ask(QWidget* over, const Message& question) = 0;
    virtual Answer askOrCancel(QWidget* over, const Message& question) = 0;
};

// Modal message boxes without an icon: OK, or Yes and No.
class BoxMessages final : public Messages {
  public:
    void inform(QWidget* over, const Message& message) override;
    bool ask(QWidget* over, const Message& question) override;
    Answer askOrCancel(QWidget* over, const Message& question) override;
};

// Keeps every message shown and answers questions as told; for tests.
class MessageRecorder final : public Messages {
  public:
    void inform(QWidget*, const Message& message) override { shown << message; }
    bool ask(QWidget*, const Message& question) override {
        shown << question;
        return answer;
    }
    Answer askOrCancel(QWidget*, const Message& question) override {
        shown << question;
        return choice;
    }
    QList<Message> take() { return std::exchange(shown, {}); }

    QList<Message> shown;
    bool answer = true;
    Answer choice = Answer::Yes;
};
