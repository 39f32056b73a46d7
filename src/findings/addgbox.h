#pragma once

#include "ui/screen.h"

class QLineEdit;

// Would a gearbox help? The findings as a gearbox of the typed ratio would
// make them, and ADD GEARBOX to size the application with it.
class AddGBox : public Screen {
    Q_OBJECT
  public:
    explicit AddGBox(Host& host);

  protected:
    // The projection of the ratio shown, for the findings as they now stand.
    void showResults() override;

  private:
    void ratioTyped();
    void add();
    void cancel();

    QLineEdit *reduction_, *newJ_, *newMis_, *newT_, *newSp_;
    form::UnitLabels units_;
};
