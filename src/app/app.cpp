#include "app/app.h"

#include "session/replay.h"
#include "session/sizingfiles.h"
#include "sizing/sizingfile.h"
#include "ui/screen.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int recentCount = 8;
// What the engineer types reaches the disk at most this long after the
// first change not yet written, however the typing goes on.
constexpr int typingPause = 1000; // msec

// The sizing as its file would hold it, to tell whether two are the same.
QByteArray filed(const Sizing& sizing) {
    return toJson(toFile(sizing));
}

} // namespace

App::App(Messages& messages, Dialogs& dialogs, std::function<void()> quit, const QString& folder)
    : library_(motors::Library::pathIn(folder)), document_(filed), messages_(messages),
      dialogs_(dialogs), quit_(std::move(quit)), autosave_(folder),
      lastSizing_(autosave_.lastSizing()),
      settings_(QDir(folder).filePath("settings.ini"), QSettings::IniFormat) {
    typing_.setSingleShot(true);
    typing_.setInterval(typingPause);
    typing_.callOnTimeout([this] { keep(); });
    document_.replace(fresh(), {});
}

Sizing App::fresh() const {
    Sizing sizing;
    if (settings_.value("resultUnits").toString() == "SI")
        sizing.resultUnits = UnitSystem::SI;
    return sizing;
}

void App::setResultUnits(UnitSystem units) {
    settings_.setValue("resultUnits", units == UnitSystem::SI ? "SI" : "US");
    if (sizing().resultUnits == units)
        return;
    sizing().resultUnits = units;
    sizingEdited();
    // Every open window's figures in the units chosen; no step runs again.
    screens_.reloadShown();
}

void App::closeProgram(QWidget* over) {
    if (!mayLeave(over))
        return;
    keep();
    quit_();
}

void App::startOver(QWidget* over) {
    if (!mayLeave(over))
        return;
    // The welcome screen opens where the sizing's screen stood. The sizing
    // thrown away stays on disk: "Continue Last Sizing" brings it back.
    keep();
    QPoint at;
    for (ScreenId id : {ScreenId::Findings, ScreenId::Report})
        if (const Screen* screen = screens_.existing(id); screen && screen->isVisible())
            at = screen->pos();
    screens_.discardSizingScreens();
    document_.replace(fresh(), {});
    lastSizing_ = autosave_.lastSizing();
    if (Screen* welcome = screens_.show(ScreenId::Welcome); welcome && !at.isNull())
        welcome->move(at);
}

void App::sizingEdited() {
    if (!typing_.isActive())
        typing_.start();
    document_.edited();
}

void App::stepPassed() {
    keep();
    document_.edited();
}

void App::keep() {
    typing_.stop();
    if (autosave_.keep(sizing()) == std::nullopt && sizing().record().AppType)
        lastSizing_ = autosave_.path();
}

QString App::sizingFileName() const {
    return document_.fileName();
}

bool App::sizingChanged() const {
    return document_.isModified();
}

bool App::saveTo(const QString& path, QWidget* over) {
    if (const auto problem = writeSizing(path, sizing())) {
        messages_.inform(
            over, {"Save Error", "The sizing could not be saved as " + path + ":  " + *problem});
        return false;
    }
    document_.savedTo(path);
    remember(path);
    return true;
}

void App::saveSizing(QWidget* over) {
    if (document_.file().isEmpty())
        return saveSizingAs(over);
    saveTo(document_.file(), over);
}

void App::saveSizingAs(QWidget* over) {
    const auto chosen = dialogs_.saveFileName(over, "Save Sizing", "*.motorsizing",
                                              settings_.value("folder").toString());
    if (!chosen || chosen->isEmpty())
        return;
    saveTo(QFileInfo(sizingFilePath(*chosen)).absoluteFilePath(), over);
}

bool App::mayLeave(QWidget* over) {
    // A sizing that never had a file is kept on disk as it is typed.
    if (!document_.isModified())
        return true;
    switch (messages_.askOrCancel(
        over, {"Save Changes", "Save the changes to " + document_.fileName() + "?"})) {
    case Answer::Yes:
        return saveTo(document_.file(), over);
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void App::openSizing(QWidget* over) {
    if (!mayLeave(over))
        return;
    const auto chosen = dialogs_.openFileName(over, "Open Sizing", "*.motorsizing",
                                              settings_.value("folder").toString());
    if (chosen && !chosen->isEmpty())
        open(*chosen, over);
}

bool App::openSizingFile(const QString& path, QWidget* over) {
    return mayLeave(over) && open(path, over);
}

bool App::open(const QString& path, QWidget* over) {
    const auto read = readSizing(path);
    if (const auto* problem = std::get_if<QString>(&read)) {
        messages_.inform(over, {"Cannot Open Sizing", QFileInfo(path).fileName() +
                                                          " cannot be opened: " + *problem + "."});
        return false;
    }
    // The sizing on screen gives way to the one opened, pressed on as far
    // as it had come; where a step stops, its message shows over its screen.
    const Replay opened = replay(std::get<Sizing>(read));
    QRect place;
    QMargins decoration;
    if (over) {
        place = over->window()->frameGeometry();
        decoration = ScreenRegistry::decoration(over->window());
    }
    screens_.discardSizingScreens();
    for (ScreenId kept : {ScreenId::Welcome, ScreenId::RotaryType, ScreenId::LinearType})
        if (Screen* screen = screens_.existing(kept))
            screen->hide();
    // The sizing in progress kept on disk is no file of the engineer's.
    const bool ownFile = path != autosave_.path() && !autosave_.isKept(path);
    document_.replace(opened.sizing, ownFile ? QFileInfo(path).absoluteFilePath() : QString());
    // It opens where the window it replaces stood, inside the screen.
    Screen* shown = screens_.showInPlaceOf(opened.screen, place, decoration);
    for (const Message& m : opened.messages)
        messages_.inform(shown, m);
    if (ownFile)
        remember(QFileInfo(path).absoluteFilePath());
    keep();
    return true;
}

void App::continueLastSizing(QWidget* over) {
    if (lastSizing_)
        openSizingFile(*lastSizing_, over);
}

void App::offerRecovery(QWidget* over) {
    if (!lastSizing_)
        return;
    const QFileInfo kept(*lastSizing_);
    const QString mark = kept.fileName() + " " + kept.lastModified().toString(Qt::ISODateWithMs);
    if (settings_.value("declined").toString() == mark)
        return;
    // The sizing in progress is not lost when it is the file last saved or opened.
    const auto inProgress = readSizing(*lastSizing_);
    if (!std::holds_alternative<Sizing>(inProgress))
        return;
    const QStringList recent = recentSizings();
    if (!recent.isEmpty()) {
        const auto saved = readSizing(recent.first());
        if (std::holds_alternative<Sizing>(saved) &&
            filed(std::get<Sizing>(saved)) == filed(std::get<Sizing>(inProgress)))
            return;
    }
    if (messages_.ask(over, {"Recover Sizing", "The sizing in progress when the program last "
                                               "ended was not saved. Recover it?"})) {
        continueLastSizing(over);
        return;
    }
    settings_.setValue("declined", mark);
    settings_.sync();
}

QStringList App::recentSizings() const {
    QStringList out;
    for (const QString& path : settings_.value("recent").toStringList())
        if (QFileInfo::exists(path))
            out << path;
    return out;
}

QString App::lastFolder(const QString& kind) const {
    return settings_.value("folders/" + kind).toString();
}

void App::rememberFolder(const QString& kind, const QString& chosenFile) {
    settings_.setValue("folders/" + kind, QFileInfo(chosenFile).absolutePath());
    settings_.sync();
}

void App::remember(const QString& path) {
    QStringList recent = settings_.value("recent").toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings_.setValue("recent", recent.mid(0, recentCount));
    settings_.setValue("folder", QFileInfo(path).absolutePath());
    settings_.sync();
}
