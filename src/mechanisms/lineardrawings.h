#pragma once

#include <QRectF>

class QPainter;

// The pictures of the six linear mechanisms.
namespace lineardrawings {
void screwDrive(QPainter& p, const QRectF& r);
void beltScrew(QPainter& p, const QRectF& r);
void gbScrew(QPainter& p, const QRectF& r);
void nonRScrew(QPainter& p, const QRectF& r);
void rackPinion(QPainter& p, const QRectF& r);
void conveyor(QPainter& p, const QRectF& r);
} // namespace lineardrawings
