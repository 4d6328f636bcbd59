#include "class_reads.h"

#include "scores/core/score_vocabulary.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <tuple>

namespace {

Failure readFailure(const QSqlQuery& query) {
    return Failure{QCoreApplication::translate("ClassReads",
                                               "The class could not be read from the server: %1")
                       .arg(query.lastError().databaseText().trimmed())};
}

// Runs `sql` with the class as :class and the days as :first and :last.
std::optional<Failure> run(QSqlQuery& query, const QString& sql, const QString& className,
                           QDate first, QDate last) {
    query.setForwardOnly(true);
    if (!query.prepare(sql)) return readFailure(query);
    query.bindValue(QStringLiteral(":class"), className);
    query.bindValue(QStringLiteral(":first"), first);
    query.bindValue(QStringLiteral(":last"), last);
    if (!query.exec()) return readFailure(query);
    return std::nullopt;
}

int levelRank(const QString& level) {
    for (std::size_t i = 0; i < kLevels.size(); ++i)
        if (levelName(kLevels[i]) == level) return int(i);
    return int(kLevels.size());
}

using FactKey = std::tuple<QString, int, int, QString>;

}  // namespace

Result<QList<ChildWeek>> ClassReads::children(QDate today) const {
    QSqlQuery query(database_);
    if (auto failed = run(query, QStringLiteral(
            "SELECT child, count(*) FILTER (WHERE sdate >= :first), max(sdate) "
            "FROM brenlo.sheet WHERE class_name = :class AND sdate <= :last "
            "GROUP BY child ORDER BY child"), className_, weekStart(today), today))
        return *failed;
    QList<ChildWeek> children;
    while (query.next())
        children.append({query.value(0).toString(), query.value(1).toInt(),
                         query.value(2).toDate()});
    return children;
}

Result<QList<LevelAverage>> ClassReads::averages(const DayRange& days) const {
    QSqlQuery query(database_);
    if (auto failed = run(query, QStringLiteral(
            "SELECT category, level, count(*), avg(score)::float8 FROM brenlo.sheet "
            "WHERE class_name = :class AND sdate BETWEEN :first AND :last "
            "GROUP BY category, level"), className_, days.first, days.last))
        return *failed;
    QList<LevelAverage> averages;
    while (query.next())
        averages.append({query.value(0).toString(), query.value(1).toString(),
                         query.value(2).toInt(), query.value(3).toDouble()});
    std::sort(averages.begin(), averages.end(), [](const LevelAverage& a, const LevelAverage& b) {
        return std::tuple(a.category, levelRank(a.level), a.level) <
               std::tuple(b.category, levelRank(b.level), b.level);
    });
    return averages;
}

// The server groups the missed answers by fact, typed text and child; the facts'
// typical wrong answers are then the facts view's own.
Result<QList<ClassMiss>> ClassReads::missedMost(const DayRange& days, int limit) const {
    QSqlQuery query(database_);
    if (auto failed = run(query, QStringLiteral(
            "SELECT a.operation, a.left_operand, a.right_operand, a.expected, a.typed, "
            "s.child, count(*) FROM brenlo.sheet s JOIN brenlo.answer a ON a.sheet = s.id "
            "WHERE s.class_name = :class AND s.sdate BETWEEN :first AND :last "
            "AND NOT a.marked_right GROUP BY 1, 2, 3, 4, 5, 6"), className_, days.first, days.last))
        return *failed;
    QMap<FactKey, ClassMiss> misses;
    QMap<FactKey, QSet<QString>> children;
    while (query.next()) {
        const FactKey key{query.value(0).toString(), query.value(1).toInt(),
                          query.value(2).toInt(), query.value(3).toString()};
        FactStat& fact = misses[key].fact;
        std::tie(fact.operation, fact.left, fact.right, fact.expected) = key;
        const int count = query.value(6).toInt();
        fact.asked += count;
        fact.wrongAnswers[query.value(4).toString()] += count;
        children[key].insert(query.value(5).toString());
    }
    QList<ClassMiss> ranked;
    for (auto it = misses.begin(); it != misses.end(); ++it) {
        it->children = int(children.value(it.key()).size());
        ranked.append(*it);
    }
    std::sort(ranked.begin(), ranked.end(), [](const ClassMiss& a, const ClassMiss& b) {
        return std::tuple(-a.fact.asked, -a.children, a.fact.operation, a.fact.left, a.fact.right) <
               std::tuple(-b.fact.asked, -b.children, b.fact.operation, b.fact.left, b.fact.right);
    });
    if (ranked.size() > limit) ranked.resize(limit);
    return ranked;
}

Result<ClassFigures> ClassReads::figures(const DayRange& days, QDate today) const {
    Result<QList<ChildWeek>> children = this->children(today);
    if (!children) return Failure{children.error()};
    Result<QList<LevelAverage>> averages = this->averages(days);
    if (!averages) return Failure{averages.error()};
    Result<QList<ClassMiss>> misses = missedMost(days);
    if (!misses) return Failure{misses.error()};
    return ClassFigures{std::move(children).value(), std::move(averages).value(),
                        std::move(misses).value()};
}
