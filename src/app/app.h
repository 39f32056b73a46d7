#pragma once

#include "motors/library.h"
#include "session/autosave.h"
#include "sizing/document.h"
#include "ui/dialogs.h"
#include "ui/host.h"
#include "ui/keeper.h"
#include "ui/messages.h"
#include "ui/registry.h"

#include <QSettings>
#include <QTimer>

#include <functional>

// The one application object: owns the sizing in progress and the screens,
// keeps the engineer's work (sizing files, the recent ones, the sizing in
// progress on disk) and hands screens the services they use.
class App final : public Host, public Keeper {
  public:
    // `folder` is where the program keeps its own files (the application
    // data folder).
    App(Messages& messages, Dialogs& dialogs, std::function<void()> quit, const QString& folder);

    Sizing& sizing() override { return document_.sizing(); }
    Changes& changes() override { return document_; }
    ScreenRegistry& screens() override { return screens_; }
    Messages& messages() override { return messages_; }
    Dialogs& dialogs() override { return dialogs_; }
    Keeper& keeper() override { return *this; }

    void closeProgram(QWidget* over) override;
    void startOver(QWidget* over) override;

    UnitSystem resultUnits() const override { return document_.sizing().resultUnits; }
    void setResultUnits(UnitSystem units) override;

    void sizingEdited() override;
    void stepPassed() override;

    void saveSizing(QWidget* over) override;
    void saveSizingAs(QWidget* over) override;
    void openSizing(QWidget* over) override;
    bool openSizingFile(const QString& path, QWidget* over) override;
    QStringList recentSizings() const override;
    bool hasLastSizing() const override { return lastSizing_.has_value(); }
    void continueLastSizing(QWidget* over) override;
    // At start-up: a sizing in progress that the program did not save before
    // it last ended is offered back, once.
    void offerRecovery(QWidget* over);
    QString lastFolder(const QString& kind) const override;
    void rememberFolder(const QString& kind, const QString& chosenFile) override;

    // The engineer's motor library, opened when a window first shows it.
    motors::Library& library() { return library_; }

    // The file the sizing was last saved to or opened from (empty: none),
    // and whether it changed since.
    QString sizingFile() const { return document_.file(); }
    QString sizingFileName() const override;
    bool sizingChanged() const override;

    // Where the sizing in progress is kept, and keeping it there now.
    const AutoSave& autosave() const { return autosave_; }
    void keep();

  private:
    void remember(const QString& path);
    // A new sizing: its results in the units chosen last.
    Sizing fresh() const;
    // Writes the sizing to its file; false (said) when it could not.
    bool saveTo(const QString& path, QWidget* over);
    // Before the sizing gives way: changes to its file saved (Yes), let go
    // (No), or the step given up (Cancel, or a save that failed): false.
    bool mayLeave(QWidget* over);
    // Opens the sizing file, whatever the sizing on screen holds.
    bool open(const QString& path, QWidget* over);

    // Outlives the screens that show it.
    motors::Library library_;
    SizingDocument document_;
    ScreenRegistry screens_;
    Messages& messages_;
    Dialogs& dialogs_;
    std::function<void()> quit_;
    AutoSave autosave_;
    std::optional<QString> lastSizing_;
    QSettings settings_;
    QTimer typing_;
};
