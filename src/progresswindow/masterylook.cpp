#include "masterylook.h"

namespace MasteryLook {

QColor colour(Mastery mastery)
{
    switch (mastery) {
    case Mastery::Mastered:
        return QColor(0x7c, 0xc5, 0x76);
    case Mastery::Learning:
        return QColor(0xff, 0xd8, 0x66);
    case Mastery::NeedsWork:
        return QColor(0xf0, 0x80, 0x80);
    case Mastery::NotSeen:
        break;
    }
    return QColor(0xee, 0xee, 0xee);
}

QString symbol(Mastery mastery)
{
    switch (mastery) {
    case Mastery::Mastered:
        return QStringLiteral("+");
    case Mastery::Learning:
        return QStringLiteral("~");
    case Mastery::NeedsWork:
        return QStringLiteral("!");
    case Mastery::NotSeen:
        break;
    }
    return QStringLiteral("\u00B7");
}

const char16_t *nameKey(Mastery mastery)
{
    switch (mastery) {
    case Mastery::Mastered:
        return u"vMastered";
    case Mastery::Learning:
        return u"vLearning";
    case Mastery::NeedsWork:
        return u"vNeedsWork";
    case Mastery::NotSeen:
        break;
    }
    return u"vNotSeen";
}

} // namespace MasteryLook
