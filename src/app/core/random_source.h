#pragma once

#include <QtGlobal>

#include <random>

// The uniform random generator the sheets are drawn from; tests script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(quint64 seed) = 0;
    // A value r with 0 <= r < 1.
    virtual float next() = 0;
};

class StandardRandomSource final : public RandomSource {
public:
    void seed(quint64 seed) override { engine_.seed(seed); }
    // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
    float next() override { return float(engine_() >> 40) * 0x1.0p-24f; }

private:
    std::mt19937_64 engine_;
};
