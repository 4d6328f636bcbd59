#pragma once

#include "app/core/random_source.h"

#include <QList>

// Hands out the given fractions in turn, then `rest` for ever; remembers the seeds.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> fractions = {}, float rest = 0.0f)
        : fractions(std::move(fractions)), rest(rest) {}
    void seed(quint64 value) override { seeds.append(value); }
    float next() override {
        ++drawn;
        return fractions.isEmpty() ? rest : fractions.takeFirst();
    }

    QList<float> fractions;
    float rest;
    QList<quint64> seeds;
    int drawn = 0;
};
