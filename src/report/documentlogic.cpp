#include "report/documentlogic.h"

#include "findings/findingslogic.h"
#include "flow/numbers.h"

namespace document {

QList<SummaryRow> summary(const FindingsFigures& f, const SizingRecord& record, UnitSystem units) {
    using enum FindingsDisplay;
    QList<SummaryRow> rows;
    for (FindingsDisplay d : findingsOrder()) {
        if (d == RMSMargin && !f.rmsChecked())
            continue;
        const FigureRow& figure = findingsRows()[int(d)];
        SummaryRow row{figure.label.trimmed(),
                       findingsText(f, d, units),
                       figure.unit(units),
                       std::nullopt,
                       {},
                       figure.shade == Shade::Verdict};
        if (d == Mismatch)
            row.value += " : 1";
        if (const auto verdict = verdictOf(f, d)) {
            row.verdict = *verdict;
            row.mark = verdictMark(d, *verdict);
        }
        rows << row;
    }
    if (record.gearboxAdded())
        rows << SummaryRow{"Added Gearbox Ratio:",
                           numbers::general(record.AddedGBReduction) + " : 1",
                           "",
                           std::nullopt,
                           {},
                           true};
    return rows;
}

QStringList wrap(const QString& line, int columns, int indent) {
    columns = std::max(columns, indent + 8);
    QStringList pieces;
    QString rest = line;
    QString lead; // before every piece after the first
    while (lead.size() + rest.size() > columns) {
        const qsizetype room = columns - lead.size();
        qsizetype cut = rest.lastIndexOf(' ', room);
        // A break in the leading blanks would leave a piece of nothing.
        if (cut <= 0 || rest.left(cut).trimmed().isEmpty())
            cut = room;
        QString piece = rest.left(cut);
        while (piece.endsWith(' '))
            piece.chop(1);
        pieces << lead + piece;
        rest = rest.mid(cut);
        while (rest.startsWith(' '))
            rest.remove(0, 1);
        if (rest.isEmpty())
            return pieces;
        lead = QString(indent, ' ');
    }
    pieces << lead + rest;
    return pieces;
}

QList<Placement> paginate(const QList<Block>& blocks, double pageHeight) {
    QList<Placement> placed;
    int page = 0;
    double used = 0;
    const double half = pageHeight / 2;
    for (qsizetype first = 0; first < blocks.size();) {
        // The block and those glued to it.
        qsizetype end = first + 1;
        double height = blocks[first].height;
        while (end < blocks.size() && blocks[end].glued)
            height += blocks[end++].height;
        const bool full = used >= half;
        if (used > 0 && ((blocks[first].newPage && full) || (used + height > pageHeight && full))) {
            ++page;
            used = 0;
        }
        for (qsizetype i = first; i < end; ++i) {
            const Block& b = blocks[i];
            if (used > 0 && used + b.height > pageHeight) {
                ++page;
                used = 0;
            }
            if (b.blank && used == 0 && page > 0 && !b.newPage) {
                placed << Placement{page, 0, false};
                continue;
            }
            placed << Placement{page, used, true};
            used += b.height;
        }
        first = end;
    }
    return placed;
}

bool usesLetter(const QLocale& locale) {
    return locale.territory() == QLocale::UnitedStates || locale.territory() == QLocale::Canada;
}

QString pageFooter(int page, int pages) {
    return QString("Page %1 of %2").arg(page).arg(pages);
}

} // namespace document
