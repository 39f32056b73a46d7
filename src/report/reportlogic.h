#pragma once

#include "flow/form.h"
#include "flow/message.h"
#include "flow/quantity.h"
#include "sizing/figures.h"
#include "sizing/record.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

// The report lines of a sizing: the input data block of its application type
// and the calculations, quoting the findings as they show them, with the
// reference formulae.
QStringList assembleReport(const SizingRecord& record, const FindingsFigures& findings,
                           UnitSystem system = UnitSystem::US);

// The three identifying texts typed on the report screen.
struct ReportHeader {
    QString Sizer;
    QString Company;
    QString MotorSelected;
};

ReportHeader reportHeader(const Form& form);
// The header as the sizing has it: a motor chosen from the library stands
// for the selected motor where none is typed.
ReportHeader reportHeader(const Form& form, const QString& libraryMotor);
// The report screen's entries when it is first shown: all empty.
const Form& reportForm();

// What PRINT and SAVE check first; nothing when both may go on.
std::optional<Message> checkHeader(const ReportHeader& header);

// One printed line: its text, its part of the report, its font size in
// points and whether it is emphasised.
struct PrintedLine {
    enum class Role { Title, Header, Body, Disclaimer };
    QString text;
    Role role = Role::Body;
    int points = 10;
    bool emphasis = false;
    bool operator==(const PrintedLine&) const = default;
};
QList<PrintedLine> printedLines(const ReportHeader& header, const QStringList& report);

inline Message printError() {
    return {"Print Error", "Print Cancelled."};
}

// The saved file: every line quoted, CR LF, one ISO-8859-1 byte per character.
QStringList savedLines(const ReportHeader& header, const QStringList& report);
QByteArray savedBytes(const QStringList& lines);

// The file a chosen name is saved as: ".txt" is added unless it is there.
QString reportFilePath(const QString& chosen);

// Writes the file whole or not at all; a failure gives the message to show.
std::optional<Message> writeReportFile(const QString& path, const QByteArray& bytes);
