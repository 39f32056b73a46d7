#include "app/commandline.h"

#include "report/reportlogic.h"
#include "session/replay.h"
#include "session/sizingfiles.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// Qt's own options, which the application object takes when the program
// opens a window: those followed by a value, and those that stand alone.
const QStringList qtWithValue{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "name",
    "style",       "stylesheet",         "title",         "visual",  "geometry",
    "dialogs",     "qmljsdebugger"};
const QStringList qtAlone{"reverse", "nograb", "dograb", "sync", "widgetcount"};

// The arguments without Qt's own options and their values.
QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const QString name = i > 0 && a.startsWith('-') && a != "-" && a != "--"
                                 ? a.mid(a.startsWith("--") ? 2 : 1).section('=', 0, 0)
                                 : QString();
        if (qtAlone.contains(name) || (qtWithValue.contains(name) && a.contains('=')))
            continue;
        if (qtWithValue.contains(name)) {
            ++i;
            continue;
        }
        out << a;
    }
    return out;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Sizes an electric motor for a rotary or linear motion-control axis.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption report(
        "report", "Prints the report of the sizing file to standard output, without a window.");
    parser.addOption(report);
    const QCommandLineOption pdf(
        "pdf", "Writes the report of the sizing file as a PDF, without a window.", "out.pdf");
    parser.addOption(pdf);
    const QCommandLineOption units(
        "units",
        "Shows the results of --report or --pdf in SI or US units, whatever the file chose.",
        "SI|US");
    parser.addOption(units);
    parser.addPositionalArgument("file", "A sizing file (.motorsizing) to open.", "[file]");

    CommandLine line;
    // Without an application object the parser cannot know the program's name.
    line.help = parser.helpText().replace("<executable_name>", "motor-sizing");
    // Qt's own options (-platform, -style) are passed on to the window
    // system when the program opens a window; any other is a mistake.
    const QStringList ours = withoutQtOptions(arguments);
    if (!parser.parse(ours)) {
        line.mode = CommandLine::Mode::Wrong;
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty()) {
            line.problem = parser.errorText();
            return line;
        }
        // As it was typed, with its dashes.
        const QString name = unknown.first();
        QString typed = (name.size() == 1 ? "-" : "--") + name;
        for (const QString& a : ours.mid(1))
            if (a.section('=', 0, 0).endsWith(name) && a.startsWith('-')) {
                typed = a.section('=', 0, 0);
                break;
            }
        line.problem = "Unknown option: " + typed;
        line.usageOnly = true;
        return line;
    }
    const QStringList files = parser.positionalArguments();
    line.file = files.value(0);
    if (parser.isSet(help))
        line.mode = CommandLine::Mode::Help;
    else if (parser.isSet(version))
        line.mode = CommandLine::Mode::Version;
    else if (files.size() > 1) {
        line.mode = CommandLine::Mode::Wrong;
        line.problem = "One sizing file at a time, please.";
    } else if (parser.isSet(units) && parser.value(units) != "SI" && parser.value(units) != "US") {
        line.mode = CommandLine::Mode::Wrong;
        line.problem = "--units takes SI or US.";
    } else if (parser.isSet(report) && parser.isSet(pdf)) {
        line.mode = CommandLine::Mode::Wrong;
        line.problem = "--report or --pdf, not both.";
    } else if (parser.isSet(pdf)) {
        line.pdf = parser.value(pdf);
        line.mode = files.isEmpty() ? CommandLine::Mode::Wrong : CommandLine::Mode::Pdf;
        line.problem = "--pdf needs a sizing file.";
    } else if (parser.isSet(report)) {
        line.mode = files.isEmpty() ? CommandLine::Mode::Wrong : CommandLine::Mode::Report;
        line.problem = "--report needs a sizing file.";
    }
    if (parser.isSet(units))
        line.units = parser.value(units) == "SI" ? UnitSystem::SI : UnitSystem::US;
    return line;
}

std::optional<Sizing> sizeForReport(const QString& path, QTextStream& errors,
                                    std::optional<UnitSystem> units) {
    const QString name = QFileInfo(path).fileName();
    const auto read = readSizing(path);
    if (const auto* problem = std::get_if<QString>(&read)) {
        errors << name << " cannot be opened: " << *problem << ".\n";
        return std::nullopt;
    }
    Replay sized = replay(std::get<Sizing>(read));
    if (!sized.messages.isEmpty()) {
        for (const Message& m : sized.messages)
            errors << name << " cannot be sized: " << m.title << ": " << m.text << "\n";
        return std::nullopt;
    }
    if (!sized.sizing.results.findings || sized.screen != ScreenId::Findings) {
        errors << name << " cannot be reported: the sizing has not reached its findings.\n";
        return std::nullopt;
    }
    if (units)
        sized.sizing.resultUnits = *units;
    return std::move(sized.sizing);
}

int printReport(const QString& path, QTextStream& out, QTextStream& errors,
                std::optional<UnitSystem> units) {
    const auto sizing = sizeForReport(path, errors, units);
    if (!sizing)
        return 1;
    for (const QString& line :
         assembleReport(sizing->record(), *sizing->results.findings, sizing->resultUnits))
        out << line << "\n";
    return 0;
}
