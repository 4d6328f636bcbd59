#include "facts_stats.h"

#include "scores/core/practice_kind.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {

using Key = std::tuple<QString, int, int>;

// The change times of one sheet's boxes, by place.
using SheetTimes = std::array<std::optional<double>, kProblemCount>;

bool before(const std::optional<double>& a, const std::optional<double>& b) {
    return a && b && *a < *b;
}

// The time spent on box `place`: only when it and the box before were each filled
// after their own predecessor and before their successor, so that a box corrected
// later or skipped and come back to gives no figure.
std::optional<double> gap(const SheetTimes& t, int place) {
    if (place < 1 || !before(t[place - 1], t[place])) return std::nullopt;
    if (place >= 2 && !before(t[place - 2], t[place - 1])) return std::nullopt;
    if (place + 1 < kProblemCount && t[place + 1] && !before(t[place], t[place + 1]))
        return std::nullopt;
    return *t[place] - *t[place - 1];
}

void addSheet(QMap<Key, FactStat>& facts, const QList<const StoredAnswer*>& sheet) {
    SheetTimes times;
    for (const StoredAnswer* a : sheet)
        if (a->answer.place >= 0 && a->answer.place < kProblemCount)
            times[a->answer.place] = a->answer.changedSeconds;
    for (const StoredAnswer* stored : sheet) {
        const AnswerRecord& a = stored->answer;
        FactStat& fact = facts[{a.operation, a.left, a.right}];
        fact.left = a.left;
        fact.operation = a.operation;
        fact.right = a.right;
        fact.expected = a.expected;
        ++fact.asked;
        if (a.markedRight)
            ++fact.answeredRight;
        else
            ++fact.wrongAnswers[a.typed];
        if (a.place >= 0 && a.place < kProblemCount)
            if (const std::optional<double> seconds = gap(times, a.place))
                fact.seconds.append(*seconds);
    }
}

}  // namespace

QString FactStat::typicalWrong() const {
    QString typical;
    int most = 0;
    for (auto it = wrongAnswers.cbegin(); it != wrongAnswers.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            typical = it.key();
        }
    return typical;
}

std::optional<double> FactStat::typicalSeconds() const {
    if (seconds.isEmpty()) return std::nullopt;
    QList<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

QString shownSign(const QString& operation) {
    return operation == u"x"   ? QStringLiteral("\u00D7")
           : operation == u"/" ? QStringLiteral("\u00F7")
           : operation == u"-" ? QStringLiteral("\u2212")
                               : operation;
}

QString FactStat::problemText() const {
    return QStringLiteral("%1 %2 %3").arg(left).arg(shownSign(operation)).arg(right);
}

QList<FactStat> factStats(const QList<StoredAnswer>& answers) {
    QMap<Key, FactStat> facts;
    QList<const StoredAnswer*> sheet;
    for (const StoredAnswer& answer : answers) {
        if (!sheet.isEmpty() && sheet.front()->sheet != answer.sheet) {
            addSheet(facts, sheet);
            sheet.clear();
        }
        sheet.append(&answer);
    }
    addSheet(facts, sheet);
    return facts.values();
}

int gridSize(const QString& operation) {
    if (operation == u"+" || operation == u"-") return 21;
    if (operation == u"x" || operation == u"/") return 13;
    return 0;
}

std::optional<GridPlace> gridPlace(int left, const QString& operation, int right) {
    const int size = gridSize(operation);
    const auto inGrid = [size](int n) { return n >= 0 && n < size; };
    if (operation == u"/") {
        if (right < 1 || left < 0 || left % right != 0) return std::nullopt;
        return inGrid(right) && inGrid(left / right)
                   ? std::optional<GridPlace>({right, left / right})
                   : std::nullopt;
    }
    if (operation == u"-" && left < right) return std::nullopt;
    return size && inGrid(left) && inGrid(right) ? std::optional<GridPlace>({left, right})
                                                 : std::nullopt;
}

QList<FactStat> missedMost(const QList<FactStat>& facts, int limit) {
    QList<FactStat> missed;
    for (const FactStat& fact : facts)
        if (fact.missed() > 0 && !gridPlace(fact.left, fact.operation, fact.right))
            missed.append(fact);
    std::stable_sort(missed.begin(), missed.end(),
                     [](const FactStat& a, const FactStat& b) { return a.missed() > b.missed(); });
    if (missed.size() > limit) missed.resize(limit);
    return missed;
}
