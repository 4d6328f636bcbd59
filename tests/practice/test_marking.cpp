#include "app/core/number_text.h"
#include "practice/core/awards.h"
#include "practice/core/marking.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every problem of the sheet is `top` over `bottom`.
std::array<QString, kOperandCount> allProblems(const QString& top, const QString& bottom) {
    std::array<QString, kOperandCount> operands;
    for (int k = 0; k < kOperandCount; ++k) operands[k] = k % 2 ? bottom : top;
    return operands;
}

}  // namespace

class TestMarking : public QObject {
    Q_OBJECT
private slots:
    // Only the exact text of the right answer counts.
    void exactText_data() {
        QTest::addColumn<QString>("problem");  // top and bottom of a subtraction
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("plain digits") << u"15 3"_s << u"12"_s << true;
        QTest::newRow("blank") << u"15 3"_s << QString() << false;
        QTest::newRow("leading zero") << u"15 3"_s << u"012"_s << false;
        QTest::newRow("full-width digits") << u"15 3"_s << u"\uFF11\uFF12"_s << false;
        QTest::newRow("negative") << u"-10 95"_s << u"-105"_s << true;
        QTest::newRow("negative without sign") << u"-10 95"_s << u"105"_s << false;
    }
    void exactText() {
        QFETCH(QString, problem);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        std::array<QString, kProblemCount> answers;
        answers.fill(typed);
        const QStringList operands = problem.split(u' ');
        const Marking marking = markSheet(PracticeKind::AdditionSubtraction,
                                          allProblems(operands[0], operands[1]), answers);
        QCOMPARE(marking.right[0], right);
        QCOMPARE(marking.corrections[0].isEmpty(), right);
    }

    void zeroIsCorrectedAsZero() {
        auto operands = allProblems(u"0"_s, u"7"_s);  // 0 / 7, 0 * 7
        operands[19] = u"-25"_s;                      // 0 * -25 is -0 in doubles
        const Marking marking = markSheet(PracticeKind::MultiplicationDivision, operands, {});
        QCOMPARE(marking.count, 0);
        for (const QString& correction : marking.corrections) QCOMPARE(correction, u"0"_s);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        for (const auto& [text, value] :
             {std::pair{"", 0.0}, {"-75", -75.0}, {"12abc", 12.0}, {" 1 2", 12.0}, {"-", 0.0}})
            QTest::newRow(text) << QString(text) << value;
        for (const auto& [text, value] :
             {std::pair{"3.5x", 3.5}, {"1e2", 100.0}, {"7e", 7.0}, {"1.2.3", 1.2}})
            QTest::newRow(text) << QString(text) << value;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(::leadingNumber(text), value);
    }

    void awardBands_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("award");
        for (const auto& [count, award] :
             {std::pair{0, 0}, {5, 0}, {6, 1}, {9, 1}, {10, 2}, {15, 2}, {16, 3}, {17, 3}, {18, 4}})
            QTest::addRow("%d", count) << count << award;
    }
    void awardBands() {
        QFETCH(int, count);
        QFETCH(int, award);
        QCOMPARE(awardFor(count), award);
    }
};

QTEST_APPLESS_MAIN(TestMarking)
#include "test_marking.moc"
