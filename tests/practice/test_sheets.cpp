#include "practice/core/levels.h"
#include "practice/core/mistakes_draw.h"
#include "practice/core/sheet.h"
#include "support/scripted_random.h"

#include <QTest>

#include <ranges>

Q_DECLARE_METATYPE(PracticeKind)

using namespace Qt::Literals::StringLiterals;

namespace {

const auto kAddSub = PracticeKind::AdditionSubtraction;
const auto kMulDiv = PracticeKind::MultiplicationDivision;
const QDate kToday(2026, 12, 6);

// "12 - 3 4 w", oldest first: a fact answered 4 days ago, w wrong, r right quickly, s slowly.
QList<StoredAnswer> answersOf(const QStringList& specs) {
    QList<StoredAnswer> answers;
    for (const QStringList p : specs | std::views::transform([](auto s) { return s.split(' '); })) {
        const AnswerRecord answer(0, kOrdinaryRound, p[0].toInt(), p[1], p[2].toInt(), QString(),
                                  QString(), p[4] != u"w"_s, p[4] == u"s"_s ? 30 : 2);
        answers.append({QString::number(answers.size()),
                        ScoreRecord{kToday.addDays(-p[3].toInt()), 0, {}, {}, {}}, answer});
    }
    return answers;
}

QString problems(PracticeKind kind, const SheetOperands& sheet) {
    QStringList texts;
    for (int i = 0; i < kProblemCount; ++i)
        texts << QString::number(sheet[2 * i]) + (kind == kAddSub ? u"-+"_s : u"/x"_s)[i / 9] +
                     QString::number(sheet[2 * i + 1]);
    return texts.join(' ');
}

}  // namespace

class TestSheets : public QObject {
    Q_OBJECT
private slots:
    void drawsComeInIndexOrder() {
        // Fraction k/40 for the k-th draw shows which draw each operand took.
        QList<float> fractions;
        for (int k = 0; k < kOperandCount; ++k) fractions.append(float(k) / 40);
        const auto draw = [&fractions](int k, int n) { return int(double(fractions[k]) * n); };
        ScriptedRandom random(fractions);
        const SheetOperands addSub = drawFirstAddSubSheet(random);
        QCOMPARE(random.drawn, 36);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(addSub[2 * i], 10 + draw(i, 10));
            QCOMPARE(addSub[2 * i + 1], draw(9 + i, 10));
        }
        for (int k = 18; k < 36; ++k) QCOMPARE(addSub[k], 10 + draw(k, 100));

        ScriptedRandom mulDivRandom(fractions);
        LevelParameters levels;
        assignMulDivLoad(levels);
        const SheetOperands mulDiv = drawSheet(kMulDiv, levels, mulDivRandom);
        QCOMPARE(mulDivRandom.drawn, 27);
        for (int i = 0; i < 9; ++i) QCOMPARE(mulDiv[2 * i], (i + 2) * draw(i, 10));
        for (int k = 18; k < 36; ++k) QCOMPARE(mulDiv[k], 1 + draw(k - 9, 10));
    }

    // Every draw gives 0.1: a weighted pick passes a miss of 30 days back (weight 1) for one
    // of today (31), and each fact goes to the first free place it may take.
    void mistakesDraw_data() {
        QTest::addColumn<PracticeKind>("kind");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("sheet");  // empty: as the ordinary draw
        QTest::newRow("no answers: ordinary") << kAddSub << QStringList() << QString();
        QTest::newRow("+- recent misses twice, six, quick knowns")
            << kAddSub
            << QStringList{u"11 - 2 30 w"_s, u"12 - 3 0 w"_s, u"12 - 3 0 r"_s, u"13 - 4 0 w"_s,
                           u"14 - 5 0 w"_s,  u"18 - 9 0 s"_s, u"17 - 8 0 r"_s, u"16 + 13 0 r"_s}
            << u"12-3 12-3 13-4 13-4 14-5 14-5 17-8 11-1 11-1 16+13 11+11 11+11 11+11 11+11 "
               "11+11 11+11 11+11 11+11"_s;
        QTest::newRow("*/ even divisions at their place, ranges")
            << kMulDiv
            << QStringList{u"55 / 8 1 w"_s, u"80 / 8 1 w"_s, u"12 x 3 1 w"_s, u"56 / 8 1 w"_s,
                           u"7 x 8 1 w"_s}
            << u"2/2 3/3 4/4 5/5 6/6 7/7 56/8 9/9 10/10 7x8 7x8 1x1 1x1 1x1 1x1 1x1 1x1 1x1"_s;
    }
    void mistakesDraw() {
        QFETCH(PracticeKind, kind);
        QFETCH(QStringList, answers);
        QFETCH(QString, sheet);
        LevelParameters levels;
        assignLevel(kind, levels, Level::Normal);
        ScriptedRandom random({}, 0.1f), ordinary({}, 0.1f);
        const MistakesSheet drawn =
            drawMistakesSheet(kind, levels, answersOf(answers), kToday, random);
        QCOMPARE(drawn.fromAnswers, !answers.isEmpty());
        QCOMPARE(problems(kind, drawn.operands),
                 sheet.isEmpty() ? problems(kind, drawSheet(kind, levels, ordinary)) : sheet);
    }

    void standardDrawsStayBelowOne() {
        StandardRandomSource random;
        for (int n = 0; n < 1000; ++n) QVERIFY(random.next() < 1.0f);
    }
};

QTEST_APPLESS_MAIN(TestSheets)
#include "test_sheets.moc"
