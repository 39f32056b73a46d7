#pragma once

#include "ui/screen.h"

class FitsModel;
class QLabel;
class QStackedWidget;
class QTableView;
namespace motors {
class Library;
}

// "Choose a Motor": every motor of the library with the mismatch and margins
// it would give in this sizing, the motors that fit first. "Use Motor" types
// the chosen motor's figures into the motor selection.
class MotorFit : public Screen {
    Q_OBJECT
  public:
    MotorFit(Host& host, motors::Library& library);

  protected:
    void showResults() override;

  private:
    void useMotor();
    void fitNames();

    motors::Library& library_;
    FitsModel* fits_;
    QStackedWidget* stack_;
    QTableView* table_;
    QLabel* note_;
    QPushButton* use_;
};
