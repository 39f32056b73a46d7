#include "app/commandline.h"

#include "app/replay.h"
#include "app/sizingfiles.h"
#include "report/reportlogic.h"

#include <QCommandLineParser>
#include <QFileInfo>

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Sizes an electric motor for a rotary or linear motion-control axis.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption report(
        "report", "Prints the report of the sizing file to standard output, without a window.");
    parser.addOption(report);
    parser.addPositionalArgument("file", "A sizing file (.motorsizing) to open.", "[file]");

    CommandLine line;
    // Without an application object the parser cannot know the program's name.
    line.help = parser.helpText().replace("<executable_name>", "motor-sizing");
    // Options it does not know may be the window system's (-platform, -style),
    // which the program passes on when it opens a window.
    if (!parser.parse(arguments) && (parser.isSet(report) || parser.isSet(help))) {
        line.mode = CommandLine::Mode::Wrong;
        line.problem = parser.errorText();
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
    } else if (parser.isSet(report)) {
        line.mode = files.isEmpty() ? CommandLine::Mode::Wrong : CommandLine::Mode::Report;
        line.problem = "--report needs a sizing file.";
    }
    return line;
}

int printReport(const QString& path, QTextStream& out, QTextStream& errors) {
    const QString name = QFileInfo(path).fileName();
    const auto read = readSizing(path);
    if (const auto* problem = std::get_if<QString>(&read)) {
        errors << name << " cannot be opened: " << *problem << ".\n";
        return 1;
    }
    const Replay sized = replay(std::get<Sizing>(read));
    if (!sized.messages.isEmpty()) {
        for (const Message& m : sized.messages)
            errors << name << " cannot be sized: " << m.title << ": " << m.text << "\n";
        return 1;
    }
    if (!sized.sizing.results.findings || sized.screen != ScreenId::Findings) {
        errors << name << " cannot be reported: the sizing has not reached its findings.\n";
        return 1;
    }
    for (const QString& line :
         assembleReport(sized.sizing.record(), *sized.sizing.results.findings))
        out << line << "\n";
    return 0;
}
