#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// What the command line asks of the program.
struct CommandLine {
    enum class Mode { Window, Report, Help, Version, Wrong };
    Mode mode = Mode::Window;
    QString file;    // the sizing file to open or report on
    QString problem; // for Wrong: what is wrong with the arguments
    QString help;    // the text --help prints
};

// Reads the arguments (the program's name first) without any application
// object, so that a mode that needs no display never asks for one.
CommandLine readCommandLine(const QStringList& arguments);

// --report: the report of a sizing file, line by line, exactly as the report
// screen lists it; the exit status. What cannot be reported goes to `errors`.
int printReport(const QString& path, QTextStream& out, QTextStream& errors);
