#pragma once

#include "gradientproperties.h"
#include "inifile.h"
#include "settings.h"

#include <QStringList>

// The settings file multable.ini and the choice file choices.txt.
namespace SettingsStore {

inline const QString kSettingsFile = QStringLiteral("sys\\multable.ini");
inline const QString kChoiceFile = QStringLiteral("sys\\choices.txt");

// GLOBAL Language, cut to its first 8 characters; empty when missing.
QString readLanguage(const IniFile &ini);

// Every key but Language and Operation into 'settings', and the BACKGRD keys into 'background',
// each missing or invalid value taking its default.
void load(const IniFile &ini, Settings &settings, GradientProperties &background);

// GLOBAL Operation (default 0).
int readOperation(const IniFile &ini);

// Writes every key in the fixed order: GLOBAL, CHRONO, SON, BACKGRD, and CALCULS last.
// 'smallestMultiplier' is the first allowed multiplier, 'operation' the drill's selected mode (-1 for none).
// Throws AppError "Unable to write to %s" at the first failed write; earlier keys stay written.
void save(IniFile &ini, const Settings &settings, int smallestMultiplier, int operation,
          const GradientProperties &background);

// One line per table; TableChoice::readChoiceFile reads it back. Throws AppError "Cannot create file %s".
void writeChoiceFile(const QString &path, const QStringList &tables);

} // namespace SettingsStore
