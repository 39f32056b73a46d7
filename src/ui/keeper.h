#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The engineer's work kept: the sizing's own file, saving and opening
// through Qt's file dialogs, the recent sizings, the last sizing to
// continue, and the folders file dialogs open in.
class Keeper {
  public:
    virtual ~Keeper() = default;

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
