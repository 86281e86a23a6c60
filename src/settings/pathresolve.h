#pragma once

#include <QString>

// Folder (ending in '/') + relative name with backslashes -> native path. Every component of
// the relative name is matched without regard to letter case against what exists on disk:
// an existing entry's spelling wins, a missing one keeps the given spelling.
QString resolvePath(const QString &folder, const QString &relative);
