#pragma once

#include <QLocale>
#include <QString>

namespace Mark {

// 10 - errors × 10 / operations (the product in 32-bit integers).
double compute(qint32 errors, qint32 operations);

// The mark as shown: one decimal unless that decimal is 0 or the rounded mark is above 9.9,
// with the locale's decimal separator ("6.7", "6,7") and ASCII digits, like the counters.
QString text(double mark, const QLocale &locale);

} // namespace Mark
