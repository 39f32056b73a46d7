#include "ui/lineprinter.h"

#include <QFontMetricsF>
#include <QPrinter>

LinePrinter::LinePrinter(QPrinter& printer) : printer_(printer) {}

bool LinePrinter::begin() {
    if (!painter_.begin(&printer_))
        return false;
    font_ = painter_.font();
    y_ = printer_.height() / 20.0;
    return true;
}

void LinePrinter::setFontSize(int points) {
    font_.setPointSize(points);
}

void LinePrinter::setEmphasis(bool on) {
    font_.setBold(on);
    font_.setItalic(on);
}

bool LinePrinter::printLine(const QString& text) {
    if (!painter_.isActive())
        return false;
    painter_.setFont(font_);
    const QFontMetricsF metrics(font_, &printer_);
    if (y_ + metrics.height() > printer_.height()) {
        if (!printer_.newPage())
            return false;
        y_ = printer_.height() / 20.0;
    }
    if (!text.isEmpty())
        painter_.drawText(QPointF(printer_.width() / 10.0, y_ + metrics.ascent()), text);
    y_ += metrics.lineSpacing();
    return true;
}

bool LinePrinter::end() {
    return painter_.end() && printer_.printerState() != QPrinter::Error;
}
