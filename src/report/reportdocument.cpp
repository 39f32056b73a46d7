#include "report/reportdocument.h"

#include "profiles/moveprofile.h"

#include "findings/findingslogic.h"
#include "findings/moveplot.h"
#include "findings/operatingplot.h"
#include "mechanisms/applications.h"
#include "report/documentlogic.h"
#include "sizing/sizing.h"
#include "ui/colours.h"

#include <QDate>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>

namespace {

// The document is laid out in units of 1/96 inch on every device, so that
// the pictures draw as they do on screen; fonts are given in points.
constexpr double unitsPerInch = 96;
constexpr double gap = 6;

struct Item {
    double height = 0;
    bool blank = false; // an empty line
    std::function<void(QPainter&, const QRectF&)> paint;
    bool glued = false; // kept on the page of the item before, where there is room
};

class Sheet {
  public:
    explicit Sheet(QPaintDevice& device) : device_(device), dpi_(device.logicalDpiY()) {}

    double scale() const { return dpi_ / unitsPerInch; }
    // A font of that many points on the page, whatever the painter's scale.
    QFont font(double points, bool fixed = false, bool bold = false, bool italic = false) const {
        QFont f(fixed ? "DejaVu Sans Mono" : "DejaVu Sans");
        f.setStyleHint(fixed ? QFont::Monospace : QFont::SansSerif);
        f.setPointSizeF(points * unitsPerInch / dpi_);
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    }
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }

  private:
    QPaintDevice& device_;
    double dpi_;
};

Item textLine(const Sheet& sheet, const QString& text, const QFont& font, double after = 0,
              const QColor& colour = Qt::black) {
    const double line = sheet.metrics(font).lineSpacing();
    return {line + after, text.isEmpty(), [=](QPainter& p, const QRectF& box) {
                p.setFont(font);
                p.setPen(colour);
                p.drawText(QRectF(box.left(), box.top(), box.width(), line),
                           Qt::AlignLeft | Qt::AlignVCenter, text);
            }};
}

// The findings in two columns under their heading (which `layOut` sets).
Item summaryBlock(const Sheet& sheet, const FindingsFigures& findings, const SizingRecord& record,
                  UnitSystem units) {
    const QFont body = sheet.font(10);
    const QFontMetricsF m = sheet.metrics(body);
    // The figures on the left, the verdicts (and the added gearbox) beside them.
    const QList<document::SummaryRow> rows = document::summary(findings, record, units);
    QList<QList<document::SummaryRow>> columns(2);
    for (const document::SummaryRow& r : rows)
        columns[r.beside ? 1 : 0] << r;
    const double row = m.lineSpacing() + 6;
    // Each column as wide as its widest label, value and unit with its mark.
    struct Widths {
        double label = 0, value = 0, after = 0;
    };
    QList<Widths> widths;
    for (const auto& column : columns) {
        Widths w{0, m.horizontalAdvance("00000.00"), 0};
        for (const auto& r : column) {
            w.label = std::max(w.label, m.horizontalAdvance(r.label));
            w.value = std::max(w.value, m.horizontalAdvance(r.value));
            w.after = std::max(w.after, m.horizontalAdvance(r.unit + "   " + r.mark));
        }
        w.value += 10;
        widths << w;
    }
    const qsizetype tallest = std::max(columns[0].size(), columns[1].size());
    return {tallest * row + gap, false, [=](QPainter& p, const QRectF& box) {
                p.setFont(body);
                double left = box.left();
                for (int c = 0; c < 2; ++c) {
                    const Widths& w = widths[c];
                    double y = box.top();
                    for (const auto& r : columns[c]) {
                        const QRectF labelBox(left, y, w.label, row - 2);
                        const QRectF valueBox(labelBox.right() + 8, y, w.value, row - 2);
                        p.setPen(Qt::black);
                        p.drawText(labelBox, Qt::AlignRight | Qt::AlignVCenter, r.label);
                        p.setPen(QPen(QColor(120, 120, 120), 0.75));
                        p.setBrush(r.verdict ? colours::of(*r.verdict) : colours::lightGrey);
                        p.drawRect(valueBox);
                        p.setPen(Qt::black);
                        p.drawText(valueBox.adjusted(5, 0, -5, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                   r.value);
                        const QString after = (r.unit + "   " + r.mark).trimmed();
                        p.drawText(QRectF(valueBox.right() + 6, y, w.after + 2, row - 2),
                                   Qt::AlignLeft | Qt::AlignVCenter, after);
                        y += row;
                    }
                    left += w.label + 8 + w.value + 6 + w.after + 40;
                }
                p.setBrush(Qt::NoBrush);
            }};
}

// A picture with its caption above it, drawn by the screen's own code.
Item figure(const Sheet& sheet, const QString& caption, double height,
            std::function<void(QPainter&, const QRectF&)> draw) {
    const QFont captionFont = sheet.font(10, false, true);
    const QFont plotFont = sheet.font(9);
    const double line = sheet.metrics(captionFont).lineSpacing();
    return {line + height + 2 * gap, false, [=](QPainter& p, const QRectF& box) {
                p.setFont(captionFont);
                p.setPen(Qt::black);
                p.drawText(QRectF(box.left(), box.top(), box.width(), line),
                           Qt::AlignLeft | Qt::AlignVCenter, caption);
                const QRectF picture(box.left(), box.top() + line + gap, box.width(), height);
                p.save();
                p.setClipRect(picture);
                p.setFont(plotFont);
                p.setBrush(Qt::NoBrush);
                draw(p, picture);
                p.restore();
            }};
}

struct Layout {
    QRectF page; // the printable part of a page, in document units
    double footer = 0;
    QList<Item> items;
    QList<document::Placement> placed;
    int pages = 1;
};

Layout layOut(QPagedPaintDevice& device, const ReportDocument& doc) {
    const Sheet sheet(device);
    Layout out;
    const QRectF paint = device.pageLayout().paintRectPixels(int(device.logicalDpiY()));
    out.page = QRectF(QPointF(0, 0), paint.size() / sheet.scale());
    const QFont small = sheet.font(8);
    out.footer = sheet.metrics(small).lineSpacing() * 2;
    const double width = out.page.width();

    const QList<PrintedLine> printed = printedLines(doc.header, doc.report());
    QList<Item>& items = out.items;
    items << textLine(sheet, printed.front().text, sheet.font(20, false, true, true), gap);
    const QFont headerFont = sheet.font(12);
    for (const PrintedLine& line : printed)
        if (line.role == PrintedLine::Role::Header && !line.text.isEmpty())
            items << textLine(sheet, line.text, headerFont);
    items << textLine(sheet, "Application Type: " + doc.appType(), headerFont)
          << textLine(sheet, "Exported " + doc.date + " by " + doc.program, sheet.font(9), 2 * gap,
                      QColor(90, 90, 90));
    items << textLine(sheet, "Findings", sheet.font(12, false, true), gap);
    if (doc.findings)
        items << summaryBlock(sheet, *doc.findings, doc.record, doc.units);
    else
        items << textLine(sheet, "No findings: the sizing has not come as far as the motor.",
                          sheet.font(10), gap);
    items << figure(sheet, doc.moveCaption, 250,
                    [move = doc.move, units = doc.units](QPainter& p, const QRectF& r) {
                        paintMove(p, r, move, units);
                    });
    const FindingsFigures findings = doc.findings.value_or(FindingsFigures{});
    items << figure(sheet, "Figure 2.  The motor against the need: torque and speed margins",
                    190 + 18 * operatingLegend(findings).size(),
                    [findings, units = doc.units](QPainter& p, const QRectF& r) {
                        paintOperating(p, r, findings, units);
                    });

    // Every report line in a fixed-width font, wrapped within the page, from
    // a page of their own.
    const qsizetype firstLine = items.size();
    const QFont fixed = sheet.font(10, true);
    const int columns = int(width / sheet.metrics(fixed).horizontalAdvance('0'));
    // A paragraph (the lines between blank ones) stays on one page where it
    // can, and the disclaimer with the last of them.
    const auto glued = [&](Item item) {
        item.glued = items.size() > firstLine && !items.last().blank && !item.blank;
        return item;
    };
    for (const PrintedLine& line : printed)
        if (line.role == PrintedLine::Role::Body)
            for (const QString& piece : document::wrap(line.text, columns))
                items << glued(textLine(sheet, piece, fixed));
    // The disclaimer and the blank lines before it go with the last paragraph.
    qsizetype disclaimer = items.size();
    while (disclaimer > firstLine && items[disclaimer - 1].blank)
        --disclaimer;
    items << textLine(sheet, QString(), sheet.font(8));
    for (const PrintedLine& line : printed)
        if (line.role == PrintedLine::Role::Disclaimer && !line.text.isEmpty())
            items << textLine(sheet, line.text, sheet.font(8));
    for (qsizetype i = disclaimer; i < items.size(); ++i)
        items[i].glued = true;

    QList<document::Block> blocks;
    for (const Item& item : items)
        blocks << document::Block{item.height, blocks.size() == firstLine, item.blank, item.glued};
    out.placed = document::paginate(blocks, out.page.height() - out.footer);
    out.pages = out.placed.isEmpty() ? 1 : out.placed.last().page + 1;
    return out;
}

} // namespace

QString ReportDocument::appType() const {
    return record.AppType ? record.AppType->text : QString();
}

QStringList ReportDocument::report() const {
    return findings ? assembleReport(record, *findings, units) : QStringList{};
}

ReportDocument reportDocument(const Sizing& sizing, const ReportHeader& header) {
    ReportDocument doc;
    doc.header = header;
    doc.record = sizing.record();
    doc.findings = sizing.results.findings;
    doc.units = sizing.resultUnits;
    doc.moveCaption = "Figure 1.  The move: motor speed and torque required";
    if (sizing.results.preliminary)
        doc.move = sizing.results.preliminary->move;
    if (const auto& f = doc.findings; f && !doc.move.isEmpty()) {
        const MoveProfile& m = doc.move;
        doc.move = moveProfile(m.maxSpeed, m.accelTime, m.moveTime, f->need.accelTorque,
                               f->need.thrustTorque, f->need.gravityTorque, m.dwellTime);
        doc.moveCaption += ", the motor's inertia included";
    } else {
        doc.moveCaption += " over the cycle";
    }
    doc.date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    doc.program = QString("Motor Sizing %1").arg(PROJECT_VERSION);
    return doc;
}

int reportPages(QPagedPaintDevice& device, const ReportDocument& document) {
    return layOut(device, document).pages;
}

bool paintReport(QPagedPaintDevice& device, const ReportDocument& doc) {
    const Layout layout = layOut(device, doc);
    const Sheet sheet(device);
    QPainter p;
    if (!p.begin(&device))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(sheet.scale(), sheet.scale());
    const QFont small = sheet.font(8);
    int page = 0;
    const auto foot = [&] {
        p.setFont(small);
        p.setPen(QColor(90, 90, 90));
        p.drawText(
            QRectF(0, layout.page.bottom() - layout.footer, layout.page.width(), layout.footer),
            Qt::AlignHCenter | Qt::AlignBottom, document::pageFooter(page + 1, layout.pages));
    };
    for (qsizetype i = 0; i < layout.items.size(); ++i) {
        const document::Placement& at = layout.placed[i];
        if (at.page != page) {
            foot();
            if (!device.newPage())
                return false;
            page = at.page;
        }
        const Item& item = layout.items[i];
        if (at.shown)
            item.paint(p, QRectF(0, at.top, layout.page.width(), item.height));
    }
    foot();
    return p.end();
}

QPageLayout reportPageLayout(const QLocale& locale) {
    return QPageLayout(QPageSize(document::usesLetter(locale) ? QPageSize::Letter : QPageSize::A4),
                       QPageLayout::Portrait, QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter);
}

std::optional<QString> writeReportPdf(const QString& path, const ReportDocument& document) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(reportPageLayout(QLocale()));
        writer.setTitle("Motor Sizing Report: " + document.appType());
        writer.setCreator(document.program);
        painted = paintReport(writer, document);
    }
    if (!painted) {
        file.cancelWriting();
        return QString("the pages could not be drawn");
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
