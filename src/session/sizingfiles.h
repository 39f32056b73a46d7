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
// table: what a file may hold of it. A unit list's item must be one the list
// offers in a sizing of that motion (a file edited by hand may name another).
QList<std::pair<ScreenId, Fields>> screensOf(const Application& application);

// The file a chosen name is saved as: ".motorsizing" is added unless it is there.
QString sizingFilePath(const QString& chosen);
