#pragma once

#include "app/core/random_source.h"

#include <QList>

// Hands out the given fractions in turn, then zeros; remembers the seed.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> fractions = {}) : fractions(std::move(fractions)) {}
    void seed(quint64 value) override { seeds.append(value); }
    float next() override {
        ++drawn;
        return fractions.isEmpty() ? 0.0f : fractions.takeFirst();
    }

    QList<float> fractions;
    QList<quint64> seeds;
    int drawn = 0;
};
