#pragma once

#include <QValidator>

// The answer field's input: nothing, or up to three digits 0 to 9. A plain check, so the drill
// window needs no regular expression engine.
class AnswerValidator : public QValidator
{
public:
    static constexpr int kMaxDigits = 3;

    explicit AnswerValidator(QObject *parent = nullptr) : QValidator(parent) {}

    // Acceptable or Invalid, never Intermediate; on Invalid 'pos' goes to the end, as Qt's
    // validators do.
    State validate(QString &input, int &pos) const override;
};
