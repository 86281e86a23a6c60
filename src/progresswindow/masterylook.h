#pragma once

#include "mastery.h"

#include <QColor>
#include <QString>

// How a mastery level looks on screen and on paper: a colour, and a symbol that reads without it.
namespace MasteryLook {

QColor colour(Mastery mastery);
QString symbol(Mastery mastery); // "+", "~", "!", "·"
// The key of the level's name in the [Progress] section.
const char16_t *nameKey(Mastery mastery);

} // namespace MasteryLook
