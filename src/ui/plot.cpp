#include "ui/plot.h"

#include "flow/axis.h"

#include <algorithm>
#include <cmath>

namespace plotting {

namespace {

constexpr double gap = 4; // between a label and what it labels

double widest(const QFontMetricsF& metrics, const QList<double>& ticks) {
    double width = 0;
    for (double t : ticks)
        width = std::max(width, metrics.horizontalAdvance(plotLabel(t)));
    return width;
}

} // namespace

double Axes::leftMargin(const QFontMetricsF& metrics, const QList<double>& yTicks) {
    return widest(metrics, yTicks) + 2 * gap;
}

Axes::Axes(const QRectF& outer, const QFontMetricsF& metrics, QList<double> xTicks,
           QList<double> yTicks, bool xTitle, double left)
    : xTicks_(std::move(xTicks)), yTicks_(std::move(yTicks)) {
    const double line = metrics.lineSpacing();
    left = std::max(left, leftMargin(metrics, yTicks_));
    const double right = std::max(metrics.averageCharWidth(),
                                  xTicks_.isEmpty() ? 0 : widest(metrics, {xTicks_.last()}) / 2) +
                         gap;
    const double bottom = line + gap + (xTitle ? line + gap : 0);
    area_ = outer.adjusted(left, line + 2 * gap, -right, -bottom);
}

QPointF Axes::at(double x, double y) const {
    const double x0 = xTicks_.first(), x1 = xTicks_.last();
    const double y0 = yTicks_.first(), y1 = yTicks_.last();
    return {area_.left() + (x - x0) / (x1 - x0) * area_.width(),
            area_.bottom() - (y - y0) / (y1 - y0) * area_.height()};
}

QRectF Axes::draw(QPainter& p, const QString& xTitle, const QString& yTitle) const {
    p.save();
    p.setPen(QPen(QColor(225, 225, 225), 1));
    for (double x : xTicks_)
        p.drawLine(at(x, yTicks_.first()), at(x, yTicks_.last()));
    for (double y : yTicks_)
        p.drawLine(at(xTicks_.first(), y), at(xTicks_.last(), y));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(area_);
    if (yTicks_.first() < 0 && yTicks_.last() > 0)
        p.drawLine(at(xTicks_.first(), 0), at(xTicks_.last(), 0));
    const QFontMetricsF metrics(p.font(), p.device());
    const double line = metrics.lineSpacing();
    double widest = 0;
    for (double x : xTicks_)
        widest = std::max(widest, metrics.horizontalAdvance(plotLabel(x)) + gap);
    const QList<bool> xShown =
        labelled(xTicks_, std::abs(at(xTicks_[1], 0).x() - at(xTicks_[0], 0).x()), widest);
    for (qsizetype i = 0; i < xTicks_.size(); ++i) {
        if (!xShown[i])
            continue;
        const QString text = plotLabel(xTicks_[i]);
        const double width = metrics.horizontalAdvance(text) + 2;
        const QPointF pt = at(xTicks_[i], yTicks_.first());
        p.drawText(QRectF(pt.x() - width / 2, pt.y() + gap / 2, width, line), Qt::AlignCenter,
                   text);
    }
    const QList<bool> yShown =
        labelled(yTicks_, std::abs(at(0, yTicks_[1]).y() - at(0, yTicks_[0]).y()), line);
    for (qsizetype i = 0; i < yTicks_.size(); ++i) {
        if (!yShown[i])
            continue;
        const QString text = plotLabel(yTicks_[i]);
        const double width = metrics.horizontalAdvance(text) + 2;
        const QPointF pt = at(xTicks_.first(), yTicks_[i]);
        p.drawText(QRectF(pt.x() - gap - width, pt.y() - line / 2, width, line),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    }
    if (!xTitle.isEmpty())
        p.drawText(QRectF(area_.left(), area_.bottom() + line + gap, area_.width(), line),
                   Qt::AlignCenter, xTitle);
    const QRectF title(area_.left(), area_.top() - line - gap,
                       metrics.horizontalAdvance(yTitle) + 2, line);
    p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, yTitle);
    p.restore();
    return title;
}

QList<bool> labelled(const QList<double>& ticks, double spacing, double room) {
    const qsizetype stride =
        spacing > 0 ? std::max<qsizetype>(1, qsizetype(std::ceil(room / spacing))) : 1;
    // Zero keeps its label where the axis has it.
    const qsizetype zero = ticks.indexOf(0.0);
    const qsizetype offset = zero >= 0 ? zero % stride : 0;
    QList<bool> shown;
    for (qsizetype i = 0; i < ticks.size(); ++i)
        shown << (i % stride == offset);
    return shown;
}

double legendHeight(const QFontMetricsF& metrics, int lines) {
    return lines * metrics.lineSpacing();
}

void legend(QPainter& p, const QRectF& box, const QList<LegendLine>& lines) {
    p.save();
    const QFontMetricsF metrics(p.font(), p.device());
    const double line = metrics.lineSpacing();
    const double square = metrics.height() * 0.8;
    double y = box.top();
    for (const LegendLine& l : lines) {
        const QRectF symbol(box.left(), y + (line - square) / 2, square, square);
        if (l.symbol) {
            p.save();
            l.symbol(p, symbol);
            p.restore();
        }
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(symbol.right() + 2 * gap, y, box.width() - square - 2 * gap, line),
                   Qt::AlignLeft | Qt::AlignVCenter, l.text);
        y += line;
    }
    p.restore();
}

void note(QPainter& p, const QRectF& area, const QString& text) {
    p.save();
    p.setPen(QColor(110, 110, 110));
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    p.restore();
}

void dashed(QPainter& p, QPointF from, QPointF to) {
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(from, to);
    p.restore();
}

QList<QLineF> around(const QLineF& line, const QRectF& box) {
    // Where along the line (0 to 1) it is inside the box: clipped to each side.
    double in = 0, out = 1;
    const QPointF d = line.p2() - line.p1();
    const auto clip = [&](double start, double delta, double low, double high) {
        if (delta == 0)
            return start >= low && start <= high;
        double a = (low - start) / delta, b = (high - start) / delta;
        if (a > b)
            std::swap(a, b);
        in = std::max(in, a);
        out = std::min(out, b);
        return in < out;
    };
    if (!clip(line.p1().x(), d.x(), box.left(), box.right()) ||
        !clip(line.p1().y(), d.y(), box.top(), box.bottom()))
        return {line};
    QList<QLineF> pieces;
    if (in > 0)
        pieces << QLineF(line.p1(), line.pointAt(in));
    if (out < 1)
        pieces << QLineF(line.pointAt(out), line.p2());
    return pieces;
}

void tag(QPainter& p, QPointF at, const QString& text) {
    p.save();
    const QFontMetricsF metrics(p.font(), p.device());
    const QRectF box(at.x() - metrics.horizontalAdvance(text) - 2 * gap, at.y() - metrics.height(),
                     metrics.horizontalAdvance(text) + 2 * gap, metrics.height());
    p.fillRect(box, Qt::white);
    p.setPen(QColor(40, 40, 40));
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

} // namespace plotting
