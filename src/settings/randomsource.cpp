#include "randomsource.h"

#include <QDateTime>

void ClockSeededRandom::seedFromClock()
{
    m_generator.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
}

int ClockSeededRandom::random(int n)
{
    return n > 0 ? int(m_generator.bounded(quint32(n))) : 0;
}
