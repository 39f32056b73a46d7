#pragma once

#include "sizing/sizing.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

// The sizing in progress kept on disk, so that neither a crash nor a slip
// loses what was typed more than a moment ago. Each running copy of the
// program keeps its own file, guarded by a lock file, so that two copies
// never write over each other's sizing.
class AutoSave {
  public:
    explicit AutoSave(const QString& folder);

    // The file this copy keeps its sizing in.
    QString path() const { return path_; }
    // The last sizing to continue: this copy's own file, or the newest one
    // that no running copy holds.
    std::optional<QString> lastSizing() const;
    // The file is one that sizings in progress are kept in (this copy's or
    // another's), not one of the engineer's.
    bool isKept(const QString& path) const;
    // Keeps a sizing that has an application; a reason when it could not.
    std::optional<QString> keep(const Sizing& sizing);

  private:
    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
