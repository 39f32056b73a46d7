#pragma once

#include "flow/quantity.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

struct Sizing;

// What the command line asks of the program.
struct CommandLine {
    enum class Mode { Window, Report, Pdf, Help, Version, Wrong };
    Mode mode = Mode::Window;
    QString file;    // the sizing file to open or report on
    QString pdf;     // for Pdf: the PDF to write
    QString problem; // for Wrong: what is wrong with the arguments
    QString help;    // the text --help prints
    // --units: the result units that override the sizing file's choice.
    std::optional<UnitSystem> units;
    // For Wrong: the help's usage line goes with the problem, not all of it.
    bool usageOnly = false;
    QString usage() const { return help.section('\n', 0, 0); }
};

// Reads the arguments (the program's name first) without any application
// object, so that a mode that needs no display never asks for one.
CommandLine readCommandLine(const QStringList& arguments);

// A sizing file replayed to its findings, for a report without a window;
// what stops it goes to `errors` as "NAME cannot be ...".
std::optional<Sizing> sizeForReport(const QString& path, QTextStream& errors,
                                    std::optional<UnitSystem> units = std::nullopt);

// --report: the report of a sizing file, line by line, exactly as the report
// screen lists it; the exit status. What cannot be reported goes to `errors`.
int printReport(const QString& path, QTextStream& out, QTextStream& errors,
                std::optional<UnitSystem> units = std::nullopt);
