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
    explicit Report(App& app);

    // Adds the assembled report to the list.
    void showReport(const QString& appType, const QStringList& lines);

  private:
    ReportHeader header() const;
    QStringList lines() const;
    void print();
    void save();
    void back();

    QLineEdit *appType_, *sizer_, *company_, *motor_;
    QListWidget* list_;
};
