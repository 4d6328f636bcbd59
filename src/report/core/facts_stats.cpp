#include "facts_stats.h"

#include <QMap>

#include <algorithm>
#include <tuple>

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
    return timed ? std::optional<double>(timedSeconds / timed) : std::nullopt;
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

QList<FactStat> factStats(const QList<FactTotal>& totals, const QList<TypedWrong>& wrong) {
    QList<FactStat> facts;
    QMap<std::tuple<QString, int, int>, qsizetype> places;
    for (const FactTotal& total : totals) {
        places.insert({total.operation, total.left, total.right}, facts.size());
        facts.append({total, {}});
    }
    for (const TypedWrong& typed : wrong)
        if (const auto at = places.constFind({typed.operation, typed.left, typed.right});
            at != places.cend())
            facts[*at].wrongAnswers[typed.typed] += typed.times;
    return facts;
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
