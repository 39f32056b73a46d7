#include "ui/placement.h"

#include <algorithm>

namespace placement {

namespace {

constexpr int gap = 8;

} // namespace

QRect inside(const QRect& frame, const QRect& available) {
    QRect out(frame.topLeft(), frame.size().boundedTo(available.size()));
    out.moveLeft(std::clamp(out.left(), available.left(), available.right() - out.width() + 1));
    out.moveTop(std::clamp(out.top(), available.top(), available.bottom() - out.height() + 1));
    return out;
}

QRect beside(const QSize& frame, const QRect& anchor, const QRect& available) {
    const QSize size = frame.boundedTo(available.size());
    const QRect right(QPoint(anchor.right() + 1 + gap, anchor.top()), size);
    if (right.right() <= available.right())
        return inside(right, available);
    const QRect left(QPoint(anchor.left() - gap - size.width(), anchor.top()), size);
    if (left.left() >= available.left())
        return inside(left, available);
    return inside(QRect(anchor.topLeft() + QPoint(2 * gap, 2 * gap), size), available);
}

QRect replacing(const QRect& previous, const QSize& needed, const QRect& available) {
    return inside(QRect(previous.topLeft(), previous.size().expandedTo(needed)), available);
}

} // namespace placement
