#pragma once

#include "ui/screen.h"
#include "units/conversiontables.h"

class QLineEdit;
class QListWidget;

// The unit conversion tool: one number between two units of a kind, worked
// out on every change. It lives as long as the program, whatever the sizing does.
class Conversion : public Screen {
    Q_OBJECT
  public:
    explicit Conversion(Host& host);

  private:
    void chooseKind(const conversion::Kind& kind);
    void unitChosen(QListWidget* list, QLineEdit* shown);
    void convert();
    static int chosenRow(const QListWidget* list);

    const conversion::Kind* kind_;
    QListWidget *input_, *output_;
    QLineEdit *intxt_, *inUnits_, *outtxt_, *outUnits_;
};
