#pragma once
// Path of a file shipped with the programs (tables, start values, pictures,
// manual), looked up as platform::findDataFile does, as a Qt string.
#include <QString>

#include "platform/platform.h"

inline QString dataFilePath(const char *name) { return QString::fromStdString(platform::pathToUtf8(platform::findDataFile(name))); }
