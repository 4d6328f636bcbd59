#pragma once

#include <QtGlobal>

#include <optional>

// Sheets' summed scores and their number, gathered from the groups the store reads,
// so that an average weighs every sheet alike however the groups split them.
struct ScoreSum {
    double total = 0;
    qint64 count = 0;

    void add(double groupTotal, qint64 groupCount) {
        total += groupTotal;
        count += groupCount;
    }
    std::optional<double> average() const {
        if (count == 0) return std::nullopt;
        return total / double(count);
    }
};
