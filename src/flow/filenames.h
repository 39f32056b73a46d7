#pragma once

#include <QString>

// The file a name chosen in a save dialog is written as: the extension
// (".txt", with its dot) is added unless the name already ends in it, in any
// case.
inline QString withExtension(const QString& chosen, const QString& extension) {
    return chosen.endsWith(extension, Qt::CaseInsensitive) ? chosen : chosen + extension;
}
