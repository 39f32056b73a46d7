#pragma once

#include "flow/quantity.h"
#include "flow/verdict.h"
#include "sizing/figures.h"
#include "sizing/record.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The report as a document of pages (a PDF, or printed): what it shows
// beside the report lines, and how its lines and blocks go onto pages.
namespace document {

// One row of the findings summary: as the findings screen shows it, with
// the verdict and its mark where the figure has one.
struct SummaryRow {
    QString label;
    QString value;
    QString unit;
    std::optional<Verdict> verdict;
    QString mark;
    bool beside = false; // in the second column, with the verdicts
    bool operator==(const SummaryRow&) const = default;
};
// Every display of the findings, the RMS margin where there is one, and the
// added gearbox's ratio where one is in force.
QList<SummaryRow> summary(const FindingsFigures& findings, const SizingRecord& record,
                          UnitSystem units = UnitSystem::US);

// A line in at most `columns` characters: broken at the last blank that
// fits where there is one, else at the column; every piece after the first
// indented by `indent` blanks. An empty line stays one empty line.
QStringList wrap(const QString& line, int columns, int indent = 4);

// A block of the document to place on pages: never split.
struct Block {
    double height = 0;
    bool newPage = false; // starts a page, unless that leaves most of the page before empty
    bool blank = false;   // an empty line, dropped at the top of a page
    bool glued = false;   // goes on the page of the block before it, where there is room
};
// Where a block stands: its page (from 0) and its top on that page; a
// dropped blank is not shown.
struct Placement {
    int page = 0;
    double top = 0;
    bool shown = true;
    bool operator==(const Placement&) const = default;
};
// The blocks, in order, on pages of that height. A block and those glued to
// it (a paragraph) that do not fit what is left of a page start the next one,
// unless that would leave more than half the page empty: then they split
// there. A block that does not fit what is left starts the next page; one
// taller than a page stands alone on its page. A block that starts a page
// does so only when the page before is at least half full.
QList<Placement> paginate(const QList<Block>& blocks, double pageHeight);

// Letter for the United States and Canada, A4 elsewhere.
bool usesLetter(const QLocale& locale);

QString pageFooter(int page, int pages); // "Page 2 of 3", from 1

} // namespace document
