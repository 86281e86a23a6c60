#include "tablechoice.h"

#include "inifile.h"
#include "integertext.h"
#include "languagecatalog.h"
#include "pathresolve.h"
#include "settingsstore.h"
#include "textfile.h"
#include "userfiles.h"

#include <algorithm>

namespace TableChoice {

QStringList fromTicks(const Ticks &ticked)
{
    QStringList choice;
    for (int table = 1; table <= kTables; ++table) {
        if (ticked[size_t(table - 1)])
            choice.append(QString::number(table));
    }
    return choice;
}

namespace {

// Ticks the table of one line; false when the line stops the reading.
bool tickLine(RestoredTables &restored, const QString &line)
{
    try {
        const int table = wholeNumber(line);
        if (table >= 1 && table <= kTables)
            restored.ticked[size_t(table - 1)] = true;
        return true;
    } catch (const AppError &error) {
        restored.stop = error;
        return false;
    }
}

} // namespace

RestoredTables ticksFromFile(const QStringList &lines)
{
    RestoredTables restored;
    for (const QString &line : lines) {
        if (!tickLine(restored, line))
            break;
    }
    return restored;
}

RestoredTables readChoiceFile(const QString &path)
{
    RestoredTables restored;
    TextFile::LineReader reader(path);
    QString line;
    while (reader.next(line) && tickLine(restored, line)) {
    }
    return restored;
}

bool canGo(const QStringList &choice)
{
    return !choice.isEmpty();
}

QStringList multipliersFrom(int smallest)
{
    QStringList multipliers;
    for (int multiplier = std::clamp(smallest, 1, kTables); multiplier <= kTables; ++multiplier)
        multipliers.append(QString::number(multiplier));
    return multipliers;
}

int smallestMultiplier(const QStringList &multipliers, int range)
{
    return multipliers.isEmpty() ? range : multipliers.first().toInt();
}

OperationModes loadOperationModes(const DataFolders &folders, const QString &language)
{
    OperationModes modes;
    try {
        modes.names = TextFile::readLines(LanguageCatalog::operationListFile(folders, language));
    } catch (const AppError &) {
        modes.names = defaultOperationNames(); // an unreadable list must not leave the drill without modes
    }
    const IniFile settingsFile(resolvePath(folders.user, SettingsStore::kSettingsFile));
    const int saved = SettingsStore::readOperation(settingsFile);
    if (saved >= 0 && saved < modes.names.size())
        modes.selected = saved;
    else if (!modes.names.isEmpty())
        modes.selected = 0;
    return modes;
}

} // namespace TableChoice
