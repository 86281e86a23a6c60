#include "answervalidator.h"

#include <algorithm>

QValidator::State AnswerValidator::validate(QString &input, int &pos) const
{
    const bool digits = std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (digits && input.size() <= kMaxDigits)
        return Acceptable;
    pos = int(input.size());
    return Invalid;
}
