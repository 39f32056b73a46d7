#include "report/reportscreen.h"

#include "flow/filenames.h"
#include "mechanisms/applications.h"
#include "report/reportdocument.h"
#include "sizing/reportfields.h"
#include "sizing/sizing.h"
#include "ui/colours.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/keeper.h"
#include "ui/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QSignalBlocker>
#include <QVBoxLayout>

Report::Report(Host& host)
    : Screen(host, ScreenId::Report, "Report"),
      appType_(form::display("AppType", colours::lightGrey)), list_(new QListWidget) {
    bindForm([this]() -> Form& { return sizing().form(ScreenId::Report, reportForm()); });
    QLineEdit* sizer = entry(fields::Sizer);
    QLineEdit* company = entry(fields::Company);
    QLineEdit* motor = motor_ = entry(fields::MotorSelected);
    QVBoxLayout* layout = body();
    letBodyFill();
    layout->addWidget(form::heading("Motor Sizing Report"));
    appType_->setAlignment(Qt::AlignCenter);
    appType_->setMaximumWidth(QWIDGETSIZE_MAX);
    layout->addWidget(appType_);
    layout->addLayout(resultUnitsRow());

    auto* grid = new QGridLayout;
    form::Rows rows(grid);
    for (QLineEdit* e : {sizer, company, motor})
        e->setMinimumWidth(300);
    for (QLineEdit* e : {sizer, company, motor})
        e->setMaximumWidth(640);
    rows.add("Sizing Done By:", sizer);
    rows.add("Enter Company/Application:", company);
    rows.add("Enter Name or Part Number of Selected Motor:", motor);
    layout->addLayout(grid);

    list_->setObjectName("ReportList");
    list_->setSortingEnabled(false);
    list_->setMinimumSize(560, 360);
    layout->addWidget(list_, 1);

    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    actions->addWidget(button("PrintReport", "P R I N T", [this] { print(); }));
    actions->addWidget(button("SaveReport", "S A V E", [this] { save(); }));
    actions->addWidget(button("ExportPdf", "Export PDF...", [this] { exportPdf(); }));
    actions->addWidget(
        button("SaveSizing", "Save Sizing...", [this] { this->host().keeper().saveSizing(this); }));
    actions->addWidget(button("SaveSizingAs", "Save Sizing As...",
                              [this] { this->host().keeper().saveSizingAs(this); }));
    actions->addStretch(1);
    footer()->addLayout(actions);
    footer()->addLayout(buttonRow(button("Back", "BACK", [this] { moveTo(ScreenId::Findings); }),
                                  closeButton(), nullptr));
}

void Report::showResults() {
    const SizingRecord& record = sizing().record();
    appType_->setText(record.AppType ? record.AppType->text : QString());
    // A motor chosen from the library is the selected motor until another
    // name is typed.
    const QString typed = header().MotorSelected;
    sizing().nameLibraryMotorInReport();
    if (const QString motor = header().MotorSelected; motor != typed) {
        const QSignalBlocker quiet(motor_);
        motor_->setText(motor);
        motor_->setCursorPosition(0);
    }
    list_->clear();
    list_->addItems(lines());
}

ReportHeader Report::header() {
    return reportHeader(sizing().form(ScreenId::Report, reportForm()));
}

QStringList Report::lines() {
    const auto& findings = sizing().results.findings;
    return findings ? assembleReport(sizing().record(), *findings, sizing().resultUnits)
                    : QStringList{};
}

void Report::print() {
    if (const auto problem = checkHeader(header()))
        return inform(*problem);
    QPrinter printer(QPrinter::HighResolution);
    if (!host().dialogs().choosePrinter(this, printer))
        return;
    if (!paintReport(printer, reportDocument(sizing(), header())))
        inform(printError());
}

void Report::save() {
    if (const auto problem = checkHeader(header()))
        return inform(*problem);
    const auto chosen = host().dialogs().saveFileName(this, "File Save", "*.txt");
    if (!chosen || chosen->isEmpty())
        return;
    const QByteArray bytes = savedBytes(savedLines(header(), lines()));
    if (const auto problem = writeReportFile(reportFilePath(*chosen), bytes))
        inform(*problem);
}

void Report::exportPdf() {
    if (const auto problem = checkHeader(header()))
        return inform(*problem);
    const auto chosen = host().dialogs().saveFileName(this, "Export PDF", "*.pdf",
                                                      host().keeper().lastFolder("pdf"));
    if (!chosen || chosen->isEmpty())
        return;
    const QString path = withExtension(*chosen, ".pdf");
    if (const auto problem = writeReportPdf(path, reportDocument(sizing(), header())))
        return inform(
            {"Export Error", "The report could not be exported as " + path + ":  " + *problem});
    host().keeper().rememberFolder("pdf", path);
}
