#pragma once

#include "report/reportlogic.h"

class QPrinter;

// Prints the lines, each in its size and emphasis, as one document; false
// when any step of printing failed.
bool printLines(QPrinter& printer, const QList<PrintedLine>& lines);
