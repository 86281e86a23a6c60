#pragma once

#include "languagecatalog.h"
#include "mastery.h"
#include "report.h"
#include "weakfacts.h"

// The progress map and the weak-facts sheet as worksheets, painted by the same renderer as the
// other sheets: A4, every length in millimetres.
namespace ProgressReports {

// Both grids with a symbol in each cell (it prints in black and white), per-table totals and a legend.
Report map(const ProgressMap &map, const Captions &texts, const QString &periodName, const QString &dateLabel);

// The exercises laid out like the random sheet; with 'answers' the answer key of the same exercises.
Report weakSheet(const QVector<WeakExercise> &exercises, const Captions &texts, const QString &divisionSign,
                 const QString &dateLabel, const QString &homePage, bool answers);

} // namespace ProgressReports
