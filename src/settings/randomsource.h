#pragma once

#include <QRandomGenerator>

// The program's one pseudo-random generator: uniform integers in 0..n-1.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual int random(int n) = 0;
};

// Seeded once from the clock at start-up; nothing reseeds it afterwards.
class ClockSeededRandom final : public RandomSource
{
public:
    void seedFromClock();
    int random(int n) override;

private:
    QRandomGenerator m_generator;
};
