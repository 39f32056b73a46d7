#include "report/reportscreen.h"

#include "ui/colours.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/lineprinter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QVBoxLayout>

Report::Report(App& app)
    : Screen(app, "Report", "Report"), appType_(form::display("AppType", colours::lightGrey)),
      sizer_(form::entry("Sizer", {})), company_(form::entry("Company", {})),
      motor_(form::entry("MotorSelected", {})), list_(new QListWidget) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form::heading("Motor Sizing Report"));
    appType_->setAlignment(Qt::AlignCenter);
    layout->addWidget(appType_);

    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    for (QLineEdit* e : {sizer_, company_, motor_})
        e->setMinimumWidth(300);
    rows.add("Sizing Done By:", sizer_);
    rows.add("Enter Company/Application:", company_);
    rows.add("Enter Name or Part Number of Selected Motor:", motor_);
    layout->addLayout(grid);

    list_->setObjectName("ReportList");
    list_->setSortingEnabled(false);
    list_->setMinimumSize(560, 360);
    layout->addWidget(list_, 1);

    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    actions->addWidget(button("PrintReport", "P R I N T", [this] { print(); }));
    actions->addWidget(button("SaveReport", "S A V E", [this] { save(); }));
    actions->addStretch(1);
    layout->addLayout(actions);
    layout->addLayout(
        buttonRow(button("Back", "BACK", [this] { back(); }), closeButton(), nullptr));
}

void Report::showReport(const QString& appType, const QStringList& lines) {
    appType_->setText(appType);
    list_->addItems(lines);
}

ReportHeader Report::header() const {
    return {sizer_->text(), company_->text(), motor_->text()};
}

QStringList Report::lines() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i)
        out << list_->item(i)->text();
    return out;
}

void Report::print() {
    if (const auto problem = checkHeader(header()))
        return inform(*problem);
    QPrinter printer(QPrinter::HighResolution);
    if (!app().dialogs().choosePrinter(this, printer))
        return;
    if (!printLines(printer, printedLines(header(), lines())))
        inform(printError());
}

void Report::save() {
    if (const auto problem = checkHeader(header()))
        return inform(*problem);
    const auto chosen = app().dialogs().saveFileName(this, "File Save", "*.txt");
    if (!chosen || chosen->isEmpty())
        return;
    const QByteArray bytes = savedBytes(savedLines(header(), lines()));
    if (const auto problem = writeReportFile(reportFilePath(*chosen), bytes))
        inform(*problem);
}

void Report::back() {
    list_->clear();
    moveTo("Findings");
}
