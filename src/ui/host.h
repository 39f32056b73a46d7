#pragma once

#include <QString>
#include <QStringList>

class Dialogs;
class QWidget;
class Messages;
class ScreenRegistry;
struct Sizing;

// What a screen asks of the program around it: the sizing it shows, the
// other screens, and the services it shows messages and dialogs through.
class Host {
  public:
    virtual ~Host() = default;

    virtual Sizing& sizing() = 0;
    virtual ScreenRegistry& screens() = 0;
    virtual Messages& messages() = 0;
    virtual Dialogs& dialogs() = 0;

    // CLOSE on a wizard screen: the program ends at once, once changes to
    // the sizing's file are saved or let go.
    virtual void closeProgram(QWidget* over) = 0;
    // Throws the sizing and its screens away and shows the welcome screen,
    // once changes to the sizing's file are saved or let go.
    virtual void startOver(QWidget* over) = 0;

    // The engineer typed or chose something; a step passed its checks.
    virtual void sizingEdited() = 0;
    virtual void stepPassed() = 0;

    // Sizing files: saved and opened through Qt's file dialogs, opened from
    // a path, the recent ones, and the last sizing to continue.
    // Saves to the sizing's own file, or asks for one the first time.
    virtual void saveSizing(QWidget* over) = 0;
    // Always asks for the file.
    virtual void saveSizingAs(QWidget* over) = 0;
    virtual void openSizing(QWidget* over) = 0;
    virtual bool openSizingFile(const QString& path, QWidget* over) = 0;
    virtual QStringList recentSizings() const = 0;
    // The name of the sizing's own file (empty: none yet), and whether the
    // sizing changed since it was saved there or opened from it.
    virtual QString sizingFileName() const = 0;
    virtual bool sizingChanged() const = 0;
    virtual bool hasLastSizing() const = 0;
    virtual void continueLastSizing(QWidget* over) = 0;

    // The folder the last file of that kind ("pdf", "csv") was chosen in,
    // where the next file dialog of the kind opens; and remembering it.
    virtual QString lastFolder(const QString& kind) const = 0;
    virtual void rememberFolder(const QString& kind, const QString& chosenFile) = 0;
};
