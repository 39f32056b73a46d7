#include "ui/plot.h"

#include "flow/axis.h"

namespace plotting {

Axes::Axes(const QRectF& area, QList<double> xTicks, QList<double> yTicks)
    : area_(area), xTicks_(std::move(xTicks)), yTicks_(std::move(yTicks)) {}

QPointF Axes::at(double x, double y) const {
    const double x0 = xTicks_.first(), x1 = xTicks_.last();
    const double y0 = yTicks_.first(), y1 = yTicks_.last();
    return {area_.left() + (x - x0) / (x1 - x0) * area_.width(),
            area_.bottom() - (y - y0) / (y1 - y0) * area_.height()};
}

void Axes::draw(QPainter& p, const QString& xTitle, const QString& yTitle) const {
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
    const QFontMetricsF metrics(p.font());
    for (double x : xTicks_) {
        const QPointF pt = at(x, yTicks_.first());
        p.drawText(QRectF(pt.x() - 30, pt.y() + 2, 60, metrics.height()), Qt::AlignCenter,
                   plotLabel(x));
    }
    for (double y : yTicks_) {
        const QPointF pt = at(xTicks_.first(), y);
        p.drawText(QRectF(pt.x() - 54, pt.y() - metrics.height() / 2, 50, metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, plotLabel(y));
    }
    p.drawText(QRectF(area_.left(), area_.bottom() + metrics.height() + 2, area_.width(),
                      metrics.height()),
               Qt::AlignCenter, xTitle);
    p.drawText(
        QRectF(area_.left(), area_.top() - metrics.height() - 2, area_.width(), metrics.height()),
        Qt::AlignLeft | Qt::AlignVCenter, yTitle);
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

void label(QPainter& p, QPointF at, const QString& text, bool leftOf) {
    p.save();
    p.setPen(QColor(50, 50, 50));
    const double width = QFontMetricsF(p.font()).horizontalAdvance(text) + 2;
    const QRectF box = leftOf ? QRectF(at.x() - 4 - width, at.y() - 16, width, 14)
                              : QRectF(at.x() + 4, at.y() - 16, width, 14);
    p.drawText(box, (leftOf ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom, text);
    p.restore();
}

} // namespace plotting
