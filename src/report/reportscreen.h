#pragma once

#include "report/reportlogic.h"
#include "ui/screen.h"

class QLineEdit;
class QListWidget;

// The sizing report, with who sized it, for whom and which motor; printed or
// saved as a text file.
class Report : public Screen {
    Q_OBJECT
  public:
    explicit Report(Host& host);

  protected:
    // The report of the sizing as it now stands.
    void showResults() override;

  private:
    ReportHeader header();
    // The report's lines, as the sizing stands.
    QStringList lines();
    void print();
    void save();
    void exportPdf();

    QLineEdit* appType_;
    QLineEdit* motor_ = nullptr;
    QListWidget* list_;
};
