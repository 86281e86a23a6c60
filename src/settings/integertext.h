#pragma once

#include <QString>
#include <optional>

// The integer syntax of the settings files: an optional sign and decimal digits,
// "$" followed by hexadecimal digits, or (longer than two characters) "0x"/"0X" and hexadecimal digits.
std::optional<int> parseInteger(QStringView text);

// As parseInteger; throws AppError "'%s' is not a valid integer value".
int wholeNumber(const QString &text);
