#include "session/autosave.h"

#include "session/sizingfiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int slotCount = 16;

QString slotPath(const QString& folder, int slot) {
    return QDir(folder).filePath(QString("sizing-%1.motorsizing").arg(slot));
}

std::unique_ptr<QLockFile> lockOf(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path + ".lock");
    // Only a copy that has ended leaves a stale lock, however old it is.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

AutoSave::AutoSave(const QString& folder) : folder_(folder) {
    QDir().mkpath(folder);
    for (int slot = 1; slot <= slotCount && !lock_; ++slot) {
        auto lock = lockOf(slotPath(folder, slot));
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            path_ = slotPath(folder, slot);
        }
    }
}

std::optional<QString> AutoSave::lastSizing() const {
    std::optional<QString> newest;
    QDateTime when;
    for (int slot = 1; slot <= slotCount; ++slot) {
        const QString path = slotPath(folder_, slot);
        const QFileInfo info(path);
        if (!info.exists())
            continue;
        if (path != path_ && !lockOf(path)->tryLock(0))
            continue; // another running copy's sizing
        if (!newest || info.lastModified() > when) {
            newest = path;
            when = info.lastModified();
        }
    }
    return newest;
}

bool AutoSave::isKept(const QString& path) const {
    const QFileInfo file(path);
    return file.absoluteDir() == QDir(folder_) && file.fileName().startsWith("sizing-") &&
           file.suffix() == "motorsizing";
}

std::optional<QString> AutoSave::keep(const Sizing& sizing) {
    if (path_.isEmpty() || !sizing.record().AppType)
        return std::nullopt;
    return writeSizing(path_, sizing);
}
