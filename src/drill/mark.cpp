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

// Rounds half away from zero, as the "#,##0.0" and "#,##0" patterns do.
QString format(double value, int decimals, const QLocale &locale)
{
    const double scale = decimals == 1 ? 10 : 1;
    return locale.toString(std::round(value * scale) / scale, 'f', decimals);
}

} // namespace

QString text(double mark, const QLocale &locale)
{
    const QString oneDecimal = format(mark, 1, locale);
    bool ok = false;
    const double shown = locale.toDouble(oneDecimal, &ok);
    if (oneDecimal.size() >= 3 && oneDecimal.at(2) != u'0' && ok && shown <= 9.9)
        return oneDecimal;
    return format(mark, 0, locale);
}

} // namespace Mark
