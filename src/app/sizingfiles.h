#pragma once

#include "mechanisms/applications.h"
#include "sizing/sizing.h"
#include "sizing/sizingfile.h"

#include <QString>

#include <optional>
#include <variant>

// The sizing in progress as a file, and a file back as a sizing whose
// entries are in but whose steps are still to be pressed (replay).
SizingFile toFile(const Sizing& sizing);
std::variant<Sizing, QString> fromFile(const SizingFile& file);

// A sizing file read from disk; or why it cannot be opened, said as the
// message "Cannot Open Sizing" says it.
std::variant<Sizing, QString> readSizing(const QString& path);

// Writes the sizing whole or not at all; the reason when it failed.
std::optional<QString> writeSizing(const QString& path, const Sizing& sizing);

// The screens whose entries a sizing of the application keeps, each with its
// first entries: what a file may hold of it.
QList<std::pair<ScreenId, Form>> screensOf(const Application& application);
// The items a unit list of the screens offers in a sizing of that motion;
// a file edited by hand must not name a unit the screen cannot show.
QStringList unitItems(const QString& list, Motion motion);

// The file a chosen name is saved as: ".motorsizing" is added unless it is there.
QString sizingFilePath(const QString& chosen);
