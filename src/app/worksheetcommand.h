#pragma once

#include "commandline.h"
#include "datafolders.h"

#include <QTextStream>

// Writes the worksheet a command line asks for, with the print step and renderer the windows
// use. Reads the user's settings and ticked tables without writing either. Needs a
// QGuiApplication for the fonts; opens no window. Returns the exit status: 0 done, 2 bad
// arguments (nothing written), 1 another failure.
int makeWorksheet(const CommandLine::Worksheet &request, const DataFolders &folders, const QString &homePage,
                  QTextStream &errors);
