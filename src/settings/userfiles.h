#pragma once

#include "datafolders.h"

#include <QString>
#include <QStringList>

// Copies every byte of 'source' to 'destination', replacing it. Throws AppError
// "Cannot open file %s" (source) or "Cannot create file %s" (destination).
void FileCopy(const QString &source, const QString &destination);

// Gives the user data folder its own copy of each template that is still missing there.
// Existing files are never overwritten; the first failure stops the copying.
void CopyUserFiles(const DataFolders &folders);

// The English names of the four operation modes, in mode order.
QStringList defaultOperationNames();

// Writes the English and French operation lists when the English one is missing.
void writeDefaultOperationLists(const DataFolders &folders);
