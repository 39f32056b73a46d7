#include "ui/illustration.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

Illustration::Illustration(Draw draw, QSize size, QWidget* parent)
    : QWidget(parent), draw_(std::move(draw)) {
    setFixedSize(size);
}

void Illustration::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::black, 1.5));
    draw_(p, QRectF(rect()).adjusted(4, 4, -4, -4));
}

namespace drawing {
namespace {

void head(QPainter& p, QPointF tip, double angle) {
    const double size = 8;
    QPolygonF triangle;
    triangle << tip << tip - QPointF(size * std::cos(angle - 0.4), size * std::sin(angle - 0.4))
             << tip - QPointF(size * std::cos(angle + 0.4), size * std::sin(angle + 0.4));
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(triangle);
    p.restore();
}

} // namespace

void arrow(QPainter& p, QPointF from, QPointF to, bool both) {
    p.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    head(p, to, angle);
    if (both)
        head(p, from, angle + M_PI);
}

void curvedArrow(QPainter& p, const QRectF& ellipse, double startDeg, double spanDeg) {
    QPainterPath path;
    path.arcMoveTo(ellipse, startDeg);
    path.arcTo(ellipse, startDeg, spanDeg);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    // Tangents at both ends of the arc, in screen coordinates (y grows downward).
    const QPointF c = ellipse.center();
    const double rx = ellipse.width() / 2, ry = ellipse.height() / 2;
    auto at = [&](double deg) {
        const double t = qDegreesToRadians(deg);
        return QPointF(c.x() + rx * std::cos(t), c.y() - ry * std::sin(t));
    };
    auto tangent = [&](double deg, double dir) {
        const double t = qDegreesToRadians(deg);
        return std::atan2(-ry * std::cos(t) * dir, -rx * std::sin(t) * dir);
    };
    const double sign = spanDeg >= 0 ? 1 : -1;
    head(p, at(startDeg + spanDeg), tangent(startDeg + spanDeg, sign));
    head(p, at(startDeg), tangent(startDeg, -sign));
}

} // namespace drawing
