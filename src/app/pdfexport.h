#pragma once

#include "flow/quantity.h"

#include <QString>
#include <QTextStream>

#include <optional>

// --pdf: the report of a sizing file written as a PDF, with no window and no
// display; the exit status. What stops it goes to `errors`, and no PDF, or
// half of one, is left behind.
int exportPdf(const QString& sizingPath, const QString& pdfPath, QTextStream& errors,
              std::optional<UnitSystem> units = std::nullopt);
