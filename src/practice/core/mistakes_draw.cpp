#include "mistakes_draw.h"

#include "app/core/random_source.h"

#include <map>
#include <set>

namespace {

// Incremental rehearsal keeps more facts with few unknowns among known ones.
constexpr int kUnknowns = kProblemCount / 3;
constexpr int kMostUses = 2;
// A right answer given within this long after the box before it counts as known.
constexpr double kQuickSeconds = 10.0;

struct Fact {
    int left = 0;
    int right = 0;
    bool second = false;  // an addition or multiplication, for places 9 to 17

    auto operator<=>(const Fact&) const = default;
};

Fact factOf(const AnswerRecord& answer) {
    return {answer.left, answer.right,
            answer.operation == QLatin1String("+") || answer.operation == QLatin1String("x")};
}

bool within(int value, int low, int count) {
    return value >= low && value < low + count;
}

// Whether the level's ordinary draw could give these operands at `place`.
bool fits(PracticeKind kind, const LevelParameters& l, int place, int left, int right) {
    const bool second = place >= kFirstSecondOperation;
    if (kind == PracticeKind::AdditionSubtraction) {
        if (!second) return within(left, l.numBase, l.subRange) && within(right, 0, l.subRange);
        const int low = l.addOffset + l.numBase;
        return within(left, low, l.addRange) && within(right, low, l.addRange);
    }
    if (second)
        return within(left, l.factorOffset, l.addRange) &&
               within(right, l.factorOffset, l.addRange);
    const int step = l.dividendBase + place + 2;
    return right == l.divisorBase + place + 2 && step != 0 && left % step == 0 &&
           within(left / step, 0, 10);
}

// The facts missed from kMistakeDays days back to today, each weighing the sum over
// its misses of 1 thirty days back rising to 31 today.
std::map<Fact, double> missWeights(const QList<StoredAnswer>& answers, QDate today) {
    std::map<Fact, double> weights;
    for (const StoredAnswer& a : answers) {
        const qint64 age = a.record.day.daysTo(today);
        if (!a.answer.markedRight && age >= 0 && age <= kMistakeDays)
            weights[factOf(a.answer)] += double(kMistakeDays + 1 - age);
    }
    return weights;
}

// Right answers given quickly after the box before, most recent first, each fact once.
QList<Fact> knownFacts(const QList<StoredAnswer>& answers, const std::map<Fact, double>& missed) {
    QList<Fact> known;
    std::set<Fact> seen;
    for (qsizetype i = answers.size() - 1; i >= 0; --i) {
        const AnswerRecord& a = answers[i].answer;
        if (!a.markedRight || !a.changedSeconds) continue;
        double before = 0.0;
        if (a.place > 0) {
            const bool follows = i > 0 && answers[i - 1].sheet == answers[i].sheet &&
                                 answers[i - 1].answer.place == a.place - 1;
            if (!follows || !answers[i - 1].answer.changedSeconds) continue;
            before = *answers[i - 1].answer.changedSeconds;
        }
        const double seconds = *a.changedSeconds - before;
        const Fact fact = factOf(a);
        if (seconds < 0 || seconds > kQuickSeconds || missed.contains(fact)) continue;
        if (seen.insert(fact).second) known.append(fact);
    }
    return known;
}

class SheetFiller {
public:
    SheetFiller(PracticeKind kind, const LevelParameters& levels, RandomSource& random)
        : kind_(kind),
          levels_(levels),
          random_(random),
          operands_(drawSheet(kind, levels, random)) {}

    const SheetOperands& operands() const { return operands_; }

    // Puts `fact` at a free place that the level allows, picked at random; false if none.
    bool place(const Fact& fact) {
        QList<int> free;
        const int first = fact.second ? kFirstSecondOperation : 0;
        for (int p = first; p < (fact.second ? kProblemCount : kFirstSecondOperation); ++p)
            if (!taken_[p] && fits(kind_, levels_, p, fact.left, fact.right)) free.append(p);
        if (free.isEmpty()) return false;
        const int p = free[randomDraw(random_, int(free.size()))];
        taken_[p] = true;
        operands_[2 * p] = fact.left;
        operands_[2 * p + 1] = fact.right;
        return true;
    }

private:
    const PracticeKind kind_;
    const LevelParameters& levels_;
    RandomSource& random_;
    SheetOperands operands_;
    std::array<bool, kProblemCount> taken_{};
};

struct Candidate {
    Fact fact;
    double weight;
    int uses = 0;
};

// Draws missed facts by weight until kUnknowns are placed or none can be.
void placeMisses(SheetFiller& sheet, const std::map<Fact, double>& weights, RandomSource& random) {
    QList<Candidate> pool;
    for (const auto& [fact, weight] : weights) pool.append({fact, weight});
    for (int placed = 0; placed < kUnknowns && !pool.isEmpty();) {
        double total = 0.0;
        for (const Candidate& c : pool) total += c.weight;
        double at = double(random.next()) * total;
        qsizetype i = 0;
        while (i + 1 < pool.size() && at >= pool[i].weight) at -= pool[i++].weight;
        const bool placedHere = sheet.place(pool[i].fact);
        placed += placedHere;
        if (!placedHere || ++pool[i].uses == kMostUses) pool.removeAt(i);
    }
}

}  // namespace

MistakesSheet drawMistakesSheet(PracticeKind kind, const LevelParameters& levels,
                                const QList<StoredAnswer>& answers, QDate today,
                                RandomSource& random) {
    SheetFiller sheet(kind, levels, random);
    if (answers.isEmpty()) return {sheet.operands(), false};
    const std::map<Fact, double> weights = missWeights(answers, today);
    placeMisses(sheet, weights, random);
    for (const Fact& fact : knownFacts(answers, weights)) sheet.place(fact);
    return {sheet.operands(), true};
}
