#include "mark.h"

#include <cmath>

namespace Mark {

double compute(qint32 errors, qint32 operations)
{
    if (operations == 0)
        return 10; // nothing presented yet: no error either
    return 10 - double(qint32(quint32(errors) * 10u)) / operations;
}

namespace {

// Rounds half away from zero, as the "#,##0.0" and "#,##0" patterns do. The digits are ASCII, as
// in the counters beside the mark; only the decimal separator follows the locale.
QString format(double value, int decimals)
{
    const double scale = decimals == 1 ? 10 : 1;
    return QString::number(std::round(value * scale) / scale, 'f', decimals);
}

} // namespace

QString text(double mark, const QLocale &locale)
{
    const QString oneDecimal = format(mark, 1);
    if (oneDecimal.size() >= 3 && oneDecimal.at(2) != u'0' && oneDecimal.toDouble() <= 9.9)
        return QString(oneDecimal).replace(u'.', locale.decimalPoint());
    return format(mark, 0);
}

} // namespace Mark
