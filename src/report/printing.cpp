#include "report/printing.h"

#include "ui/lineprinter.h"

bool printLines(QPrinter& printer, const QList<PrintedLine>& lines) {
    LinePrinter out(printer);
    if (!out.begin())
        return false;
    for (const PrintedLine& line : lines) {
        out.setFontSize(line.points);
        out.setEmphasis(line.emphasis);
        if (!out.printLine(line.text))
            return false;
    }
    return out.end();
}
