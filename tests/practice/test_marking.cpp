#include "app/core/number_text.h"
#include "practice/core/awards.h"
#include "practice/core/marking.h"

#include <QTest>

namespace {

using Operands = std::array<QString, kOperandCount>;
using Answers = std::array<QString, kProblemCount>;

// Every problem of the sheet is `top` over `bottom`.
Operands allProblems(const QString& top, const QString& bottom) {
    Operands operands;
    for (int i = 0; i < kProblemCount; ++i) {
        operands[2 * i] = top;
        operands[2 * i + 1] = bottom;
    }
    return operands;
}

}  // namespace

class TestMarking : public QObject {
    Q_OBJECT
private slots:
    // Only the exact text of the right answer counts.
    void exactText_data() {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("plain digits") << "15"
                                      << "3"
                                      << "12" << true;
        QTest::newRow("blank") << "15"
                               << "3"
                               << "" << false;
        QTest::newRow("leading zero") << "15"
                                      << "3"
                                      << "012" << false;
        QTest::newRow("plus sign") << "15"
                                   << "3"
                                   << "+12" << false;
        QTest::newRow("trailing blank") << "15"
                                        << "3"
                                        << "12 " << false;
        QTest::newRow("leading blank") << "15"
                                       << "3"
                                       << " 12" << false;
        QTest::newRow("decimal point") << "15"
                                       << "3"
                                       << "12.0" << false;
        QTest::newRow("negative") << "-10"
                                  << "95"
                                  << "-105" << true;
        QTest::newRow("negative without sign") << "-10"
                                               << "95"
                                               << "105" << false;
        QTest::newRow("blank after minus") << "-10"
                                           << "95"
                                           << "- 105" << false;
        QTest::newRow("zero") << "7"
                              << "7"
                              << "0" << true;
        QTest::newRow("minus zero") << "7"
                                    << "7"
                                    << "-0" << false;
        QTest::newRow("full-width digits") << "15"
                                           << "3"
                                           << "\uFF11\uFF12" << false;
    }
    void exactText() {
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        Answers answers;
        answers.fill(typed);
        const Marking marking =
            markSheet(PracticeKind::AdditionSubtraction, allProblems(top, bottom), answers);
        // Problems 0-8 subtract; the same typed text is checked against those.
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(marking.right[i], right);
            QCOMPARE(marking.corrections[i].isEmpty(), right);
        }
    }

    void eachHalfHasItsOperation() {
        Answers answers;
        for (int i = 0; i < 9; ++i) answers[i] = QStringLiteral("12");
        for (int i = 9; i < 18; ++i) answers[i] = QStringLiteral("18");
        const Marking addSub =
            markSheet(PracticeKind::AdditionSubtraction, allProblems("15", "3"), answers);
        QCOMPARE(addSub.count, 18);

        for (int i = 0; i < 9; ++i) answers[i] = QStringLiteral("5");
        for (int i = 9; i < 18; ++i) answers[i] = QStringLiteral("45");
        const Marking mulDiv =
            markSheet(PracticeKind::MultiplicationDivision, allProblems("15", "3"), answers);
        QCOMPARE(mulDiv.count, 18);
    }

    void correctionsShowTheRightAnswer() {
        Operands operands = allProblems("0", "7");  // 0 / 7 and 0 * 7
        operands[18] = QStringLiteral("0");
        operands[19] = QStringLiteral("-25");  // a double product of 0 and -25 is -0
        Answers answers;
        answers[3] = QStringLiteral("0");
        const Marking marking = markSheet(PracticeKind::MultiplicationDivision, operands, answers);
        QCOMPARE(marking.count, 1);
        for (int i = 0; i < kProblemCount; ++i)
            QCOMPARE(marking.corrections[i], i == 3 ? QString() : QStringLiteral("0"));
        int emptyCorrections = 0;
        for (const QString& correction : marking.corrections)
            emptyCorrections += correction.isEmpty();
        QCOMPARE(emptyCorrections, marking.count);
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("digits") << "108" << 108.0;
        QTest::newRow("negative") << "-75" << -75.0;
        QTest::newRow("trailing text") << "12abc" << 12.0;
        QTest::newRow("inner blanks") << " 1 2" << 12.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("fraction") << "3.5x" << 3.5;
        QTest::newRow("exponent") << "1e2" << 100.0;
        QTest::newRow("dangling exponent") << "7e" << 7.0;
        QTest::newRow("second point") << "1.2.3" << 1.2;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(::leadingNumber(text), value);
    }

    void decimalTexts() {
        QCOMPARE(decimalText(12), QStringLiteral("12"));
        QCOMPARE(decimalText(-105), QStringLiteral("-105"));
        QCOMPARE(decimalText(-0.0), QStringLiteral("0"));
        QCOMPARE(decimalText(1089), QStringLiteral("1089"));
        QCOMPARE(decimalText(2.5), QStringLiteral("2.5"));
    }

    void awardBands_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("award");
        for (int count : {0, 5}) QTest::addRow("%d", count) << count << 0;
        for (int count : {6, 9}) QTest::addRow("%d", count) << count << 1;
        for (int count : {10, 15}) QTest::addRow("%d", count) << count << 2;
        for (int count : {16, 17}) QTest::addRow("%d", count) << count << 3;
        QTest::addRow("18") << 18 << 4;
    }
    void awardBands() {
        QFETCH(int, count);
        QFETCH(int, award);
        QCOMPARE(awardFor(count), award);
    }

    void awardMessages() {
        QCOMPARE(awardMessage(0), QStringLiteral("You need to practice some more!"));
        QCOMPARE(awardMessage(1), QStringLiteral("Good Job.. but remember Practice makes perfect"));
        QCOMPARE(awardMessage(2), QStringLiteral("Excellent, ready for more?"));
        QCOMPARE(awardMessage(3),
                 QStringLiteral("Impressive!! You are getting closer to perfection"));
        QCOMPARE(awardMessage(4),
                 QStringLiteral("Perfect!! You are a genius..ready for next level?!"));
    }
};

QTEST_APPLESS_MAIN(TestMarking)
#include "test_marking.moc"
