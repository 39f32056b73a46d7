#pragma once

#include <QMargins>
#include <QRect>

// Where windows go on the screen. Rectangles are window frames (decoration
// included) in screen coordinates; `available` is the screen's room for
// windows, without its panels.
namespace placement {

// The frame moved, and shrunk where it is larger, to lie wholly inside.
QRect inside(const QRect& frame, const QRect& available);

// A side tool's frame of that size beside the anchor's frame: on its right
// where there is room, else on its left, else over it; always inside.
QRect beside(const QSize& frame, const QRect& anchor, const QRect& available);

// The next wizard screen's frame: where the one it replaces stood and as
// large, grown where its content needs more room; always inside.
QRect replacing(const QRect& previous, const QSize& needed, const QRect& available);

} // namespace placement
