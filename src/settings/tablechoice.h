#pragma once

#include "apperror.h"
#include "datafolders.h"

#include <QStringList>
#include <array>
#include <optional>

// The rules behind the start window's two lists and the drill window's operation list, on plain
// values: the windows only show and tick what these give.
namespace TableChoice {

constexpr int kTables = 12;
using Ticks = std::array<bool, kTables>; // table n is ticks[n - 1]

// LBChoice: the ticked tables in increasing order, as decimal texts.
QStringList fromTicks(const Ticks &ticked);
// The tables that the lines of a choice file tick, read in order: a whole number from 1 to 12 ticks
// its table, other numbers are ignored, and a line that is no whole number stops the reading with
// its error ("'%s' is not a valid integer value"); the tables ticked before it stay ticked.
struct RestoredTables
{
    Ticks ticked{};
    std::optional<AppError> stop;
};
RestoredTables ticksFromFile(const QStringList &lines);
// The same, read from the choice file line by line and only up to the line that stops it, so a
// huge file costs no memory. Throws AppError "Cannot open file %s".
RestoredTables readChoiceFile(const QString &path);
// Start and Print are enabled exactly while a table is chosen.
bool canGo(const QStringList &choice);

// LBRange: every multiplier from 'smallest' (kept within 1 to 12) up to 12.
QStringList multipliersFrom(int smallest);
// The smallest multiplier to save: the first allowed one, or 'range' while no list was built.
int smallestMultiplier(const QStringList &multipliers, int range);

// The drill window's operation list as it opens: the current language's list (the built-in names
// when it cannot be read), with the mode saved in the settings file selected, else the first
// entry; -1 when the list is empty.
struct OperationModes
{
    QStringList names;
    int selected = -1;
};
OperationModes loadOperationModes(const DataFolders &folders, const QString &language);

} // namespace TableChoice
