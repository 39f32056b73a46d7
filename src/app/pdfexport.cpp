#include "app/pdfexport.h"

#include "app/commandline.h"
#include "report/reportdocument.h"
#include "sizing/sizing.h"

#include <QFileInfo>

int exportPdf(const QString& sizingPath, const QString& pdfPath, QTextStream& errors,
              std::optional<UnitSystem> units) {
    auto sizing = sizeForReport(sizingPath, errors, units);
    if (!sizing)
        return 1;
    // The header as last typed on the report screen; the file keeps it.
    const ReportHeader header =
        reportHeader(sizing->form(ScreenId::Report, reportForm()), sizing->motorName());
    if (const auto problem = writeReportPdf(pdfPath, reportDocument(*sizing, header))) {
        errors << QFileInfo(pdfPath).fileName() << " cannot be written: " << *problem << ".\n";
        return 1;
    }
    return 0;
}
