#pragma once

#include "pagelayout.h"

// The four worksheet pages. 'homePage' is the program's web address, printed at the foot or the
// head of each sheet.
namespace WorksheetLayouts {

PageLayout random(const QString &homePage);            // TRPrintRandom
PageLayout tablesWithAnswers(const QString &homePage);  // TRPrintAllWith
PageLayout tablesWithoutAnswers(const QString &homePage); // TRPrintAllWithout
PageLayout grid(const QString &homePage);              // TRPrintGrid

// Name of the fixed text of table t and multiplier m on the two sheets of tables.
QString operationTextName(int table, int multiplier);

// Where the twelve texts of one table stand: their left edge and the tops of rows 1 and 12.
struct TableBlock
{
    double left;
    double firstTop;
    double lastTop;
};
TableBlock tableBlock(int table, bool withAnswers);

} // namespace WorksheetLayouts
