#include "integertext.h"

#include "apperror.h"

namespace {

std::optional<int> parseDigits(QStringView digits, int base, bool negative)
{
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : digits) {
        const int d = c.isDigit() ? c.unicode() - '0'
                      : (base == 16 && c.toLower() >= u'a' && c.toLower() <= u'f') ? c.toLower().unicode() - 'a' + 10
                                                                                     : -1;
        if (d < 0 || (base == 10 && d > 9))
            return std::nullopt;
        value = value * base + d;
        // Hexadecimal texts cover the full 32 bits (colours with the top bit set).
        const qint64 limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
        if (value > limit)
            return std::nullopt;
    }
    if (base == 16)
        return int(quint32(value));
    return int(negative ? -value : value);
}

} // namespace

std::optional<int> parseInteger(QStringView text)
{
    if (text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X")))
        return parseDigits(text.mid(2), 16, false);
    if (text.startsWith(u'$'))
        return parseDigits(text.mid(1), 16, false);
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    return parseDigits(text, 10, negative);
}

int wholeNumber(const QString &text)
{
    if (const auto value = parseInteger(text))
        return *value;
    throw AppError::notAnInteger(text);
}
