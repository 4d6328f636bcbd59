#include "practice/core/levels.h"
#include "practice/core/sheet.h"
#include "support/scripted_random.h"

#include <QTest>

#include <algorithm>

namespace {

struct Range {
    int low, high;
};

}  // namespace

Q_DECLARE_METATYPE(Range)
Q_DECLARE_METATYPE(Level)

namespace {

// Every value of the given operands over many sheets lies in the range and both
// ends are reached, so a range off by one either way fails.
void checkRange(const QList<SheetOperands>& sheets, const QList<int>& indices, Range range) {
    int seenLow = INT_MAX, seenHigh = INT_MIN;
    for (const SheetOperands& sheet : sheets)
        for (int k : indices) {
            seenLow = std::min(seenLow, sheet[k]);
            seenHigh = std::max(seenHigh, sheet[k]);
        }
    QCOMPARE(seenLow, range.low);
    QCOMPARE(seenHigh, range.high);
}

QList<int> indices(int first, int last, int step = 1) {
    QList<int> result;
    for (int k = first; k <= last; k += step) result.append(k);
    return result;
}

const QList<int> kMinuends = indices(0, 16, 2);
const QList<int> kSubtrahends = indices(1, 17, 2);
const QList<int> kAddends = indices(18, 35);

QList<SheetOperands> manySheets(PracticeKind kind, const LevelParameters& levels,
                                int count = 3000) {
    StandardRandomSource random;
    random.seed(20261206);
    QList<SheetOperands> sheets;
    for (int n = 0; n < count; ++n) sheets.append(drawSheet(kind, levels, random));
    return sheets;
}

}  // namespace

class TestSheets : public QObject {
    Q_OBJECT
private slots:
    void addSubLevelRanges_data() {
        QTest::addColumn<Level>("level");
        QTest::addColumn<Range>("minuend");
        QTest::addColumn<Range>("subtrahend");
        QTest::addColumn<Range>("addend");
        QTest::newRow("Easy") << Level::Easy << Range{10, 19} << Range{0, 9} << Range{2, 11};
        QTest::newRow("Normal") << Level::Normal << Range{10, 19} << Range{0, 9} << Range{10, 19};
        QTest::newRow("Difficult")
            << Level::Difficult << Range{100, 199} << Range{0, 99} << Range{200, 299};
        QTest::newRow("More Difficult")
            << Level::MoreDifficult << Range{-10, 89} << Range{0, 99} << Range{-10, 989};
        QTest::newRow("Super Difficult")
            << Level::SuperDifficult << Range{-100, -1} << Range{0, 99} << Range{-100, 899};
    }
    void addSubLevelRanges() {
        QFETCH(Level, level);
        QFETCH(Range, minuend);
        QFETCH(Range, subtrahend);
        QFETCH(Range, addend);
        // Whatever was chosen before, a level sets every value the drawing uses.
        LevelParameters levels{1, 2, 3, 4, 5, 6, 7};
        assignAddSubLevel(levels, level);
        QCOMPARE(levels.dividendBase, 5);
        QCOMPARE(levels.divisorBase, 6);
        QCOMPARE(levels.factorOffset, 7);
        const QList<SheetOperands> sheets =
            manySheets(PracticeKind::AdditionSubtraction, levels, 20000);
        checkRange(sheets, kMinuends, minuend);
        checkRange(sheets, kSubtrahends, subtrahend);
        checkRange(sheets, kAddends, addend);
    }

    void negativeDifferencesFollowTheLevel() {
        LevelParameters levels;
        for (Level level : {Level::Easy, Level::Normal, Level::Difficult}) {
            assignAddSubLevel(levels, level);
            for (const SheetOperands& sheet : manySheets(PracticeKind::AdditionSubtraction, levels))
                for (int i = 0; i < 9; ++i) QVERIFY(sheet[2 * i] - sheet[2 * i + 1] >= 0);
        }
        assignAddSubLevel(levels, Level::SuperDifficult);
        for (const SheetOperands& sheet : manySheets(PracticeKind::AdditionSubtraction, levels))
            for (int i = 0; i < 9; ++i) QVERIFY(sheet[2 * i] - sheet[2 * i + 1] < 0);
    }

    void mulDivLevelRanges_data() {
        QTest::addColumn<int>("levelIndex");  // -1: the screen's first sheet
        QTest::addColumn<int>("firstDivisor");
        QTest::addColumn<Range>("factor");
        QTest::newRow("first sheet") << -1 << 2 << Range{1, 10};
        QTest::newRow("Normal") << int(Level::Normal) << 2 << Range{0, 9};
        QTest::newRow("Difficult") << int(Level::Difficult) << 12 << Range{10, 19};
        QTest::newRow("More Difficult") << int(Level::MoreDifficult) << 102 << Range{10, 109};
        QTest::newRow("Super Difficult") << int(Level::SuperDifficult) << 102 << Range{-25, 74};
    }
    void mulDivLevelRanges() {
        QFETCH(int, levelIndex);
        QFETCH(int, firstDivisor);
        QFETCH(Range, factor);
        // The other screen's hardest addends must not leak into the factors.
        LevelParameters levels;
        assignAddSubLevel(levels, Level::SuperDifficult);
        assignMulDivLoad(levels);
        if (levelIndex >= 0) assignMulDivLevel(levels, Level(levelIndex));
        QCOMPARE(levels.addOffset, 0);

        const QList<SheetOperands> sheets =
            manySheets(PracticeKind::MultiplicationDivision, levels);
        QList<int> quotients;
        for (const SheetOperands& sheet : sheets)
            for (int i = 0; i < 9; ++i) {
                const int divisor = sheet[2 * i + 1];
                QCOMPARE(divisor, firstDivisor + i);
                QCOMPARE(sheet[2 * i] % divisor, 0);
                quotients.append(sheet[2 * i] / divisor);
            }
        QCOMPARE(*std::min_element(quotients.begin(), quotients.end()), 0);
        QCOMPARE(*std::max_element(quotients.begin(), quotients.end()), 9);
        checkRange(sheets, kAddends, factor);
    }

    void easyIsOnlyOnTheAddSubScreen() {
        LevelParameters levels{1, 2, 3, 4, 5, 6, 7};
        assignMulDivLevel(levels, Level::Easy);
        QCOMPARE(levels, (LevelParameters{1, 2, 3, 4, 5, 6, 7}));
        assignMulDivLevel(levels, Level::Difficult);
        QCOMPARE(levels.subRange, 1);
        QCOMPARE(levels.numBase, 2);
        QCOMPARE(levels.addOffset, 4);
    }

    // The two screens share addRange: one screen's choice reaches the other until
    // that one's Start at Normal sets it back.
    void startAtNormalUndoesTheOtherScreensRange() {
        LevelParameters levels;
        assignAddSubLevel(levels, Level::Normal);
        assignMulDivLevel(levels, Level::MoreDifficult);
        QCOMPARE(levels.addRange, 100);
        assignLevel(PracticeKind::AdditionSubtraction, levels, Level::Normal);
        QCOMPARE(levels.addRange, 10);
        assignAddSubLevel(levels, Level::Difficult);
        assignLevel(PracticeKind::MultiplicationDivision, levels, Level::Normal);
        QCOMPARE(levels, (LevelParameters{100, 100, 10, 100, 0, 0, 0}));
    }

    void drawsComeInIndexOrder() {
        // Fraction k/40 for the k-th draw shows which draw each operand took.
        QList<float> fractions;
        for (int k = 0; k < 36; ++k) fractions.append(float(k) / 40);
        ScriptedRandom random(fractions);
        const SheetOperands first = drawFirstAddSubSheet(random);
        QCOMPARE(random.drawn, 36);
        const auto draw = [&fractions](int k, int n) { return int(double(fractions[k]) * n); };
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(first[2 * i], 10 + draw(i, 10));
            QCOMPARE(first[2 * i + 1], draw(9 + i, 10));
        }
        for (int k = 18; k < 36; ++k) QCOMPARE(first[k], 10 + draw(k, 100));

        ScriptedRandom mulDivRandom(fractions);
        LevelParameters levels;
        assignMulDivLoad(levels);
        const SheetOperands mulDiv =
            drawSheet(PracticeKind::MultiplicationDivision, levels, mulDivRandom);
        QCOMPARE(mulDivRandom.drawn, 27);
        for (int i = 0; i < 9; ++i) QCOMPARE(mulDiv[2 * i], (i + 2) * draw(i, 10));
        for (int k = 18; k < 36; ++k) QCOMPARE(mulDiv[k], 1 + draw(k - 9, 10));
    }

    void drawNeverReachesItsBound() {
        ScriptedRandom random({0.0f, 0.99999994f, 0.99999994f, 0.5f});
        QCOMPARE(randomDraw(random, 10), 0);
        QCOMPARE(randomDraw(random, 1000), 999);
        QCOMPARE(randomDraw(random, 30000), 29999);
        QCOMPARE(randomDraw(random, 0), 0);  // an unset range
        StandardRandomSource standard;
        standard.seed(1);
        for (int n = 0; n < 100000; ++n) {
            const float r = standard.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
        }
    }
};

QTEST_APPLESS_MAIN(TestSheets)
#include "test_sheets.moc"
