#pragma once

#include "sizing/record.h"
#include "ui/screen.h"

class QListWidget;

// The start screen: the disclaimer, accepted by choosing the motion type.
class Welcome : public Screen {
    Q_OBJECT
  public:
    explicit Welcome(Host& host);

    static const QString disclaimer;

  protected:
    // Whether there is a last sizing to continue, and the recent sizings.
    void showResults() override;

  private:
    void choose(Motion motion, ScreenId screen);

    QPushButton* resume_;
    QListWidget* recent_;
};
