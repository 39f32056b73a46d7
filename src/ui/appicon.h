#pragma once

#include <QIcon>

// The program's icon: the installed one from the icon theme, or the same
// design drawn here when the program runs uninstalled.
QIcon appIcon();
