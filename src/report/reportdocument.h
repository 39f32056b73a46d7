#pragma once

#include "report/reportlogic.h"
#include "sizing/figures.h"
#include "sizing/record.h"

#include <QLocale>
#include <QPageLayout>
#include <QStringList>

#include <optional>

class QPagedPaintDevice;
struct Sizing;

// The report as a document to hand on: a header saying what was sized, for
// whom, by whom and with which motor; the findings with their verdicts; the
// move and the motor against the need, drawn as on screen; then every report
// line in a fixed-width font, and "Page n of m" at each foot. The same pages
// are printed and exported as PDF.
struct ReportDocument {
    ReportHeader header;
    SizingRecord record;
    std::optional<FindingsFigures> findings;
    // The move; once a motor is chosen, its torque with the motor's inertia
    // accelerated too, as the findings have it.
    MoveProfile move;
    QString moveCaption;
    QString date;                      // of the export, as the locale writes it
    QString program;                   // the program's name and version
    UnitSystem units = UnitSystem::US; // of the findings and the calculations

    QString appType() const;
    QStringList report() const; // the report screen's lines
};

// The document of the sizing as it stands, dated today.
ReportDocument reportDocument(const Sizing& sizing, const ReportHeader& header);

// Lays the document out on the device's pages: how many it takes.
int reportPages(QPagedPaintDevice& device, const ReportDocument& document);
// Paints it on the device's pages; false when painting failed.
bool paintReport(QPagedPaintDevice& device, const ReportDocument& document);

// A4 or Letter as the locale has it, upright, with the document's margins.
QPageLayout reportPageLayout(const QLocale& locale);

// Writes the PDF whole or not at all, on A4 or Letter as the locale has it;
// the reason when it cannot.
std::optional<QString> writeReportPdf(const QString& path, const ReportDocument& document);
