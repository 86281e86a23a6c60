#pragma once

#include "datafolders.h"
#include "languagecatalog.h"
#include "randomsource.h"
#include "settings.h"

#include <QStringList>

// What every window shares for the whole run: the settings record, the folders, the start
// window's two lists and the one random generator.
struct ProgramState
{
    Settings settings;
    DataFolders folders;
    QStringList LBChoice; // ticked tables, increasing; written by the start window
    QStringList LBRange;  // allowed multipliers from Range up to 12; written by the expert options
    ClockSeededRandom random;

    QString languageFile() const { return LanguageCatalog::languageFile(folders, settings.Language); }
};
