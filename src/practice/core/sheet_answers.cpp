#include "sheet_answers.h"

QList<AnswerRecord> sheetAnswers(PracticeKind kind,
                                 const std::array<QString, kOperandCount>& operands,
                                 const std::array<QString, kProblemCount>& typed,
                                 const Marking& marking, const ChangeTimes& changed) {
    QList<AnswerRecord> answers;
    for (int i = 0; i < kProblemCount; ++i)
        answers.append({i, kOrdinaryRound, operands[2 * i].toInt(), storedOperation(kind, i),
                        operands[2 * i + 1].toInt(), marking.expected[i], typed[i],
                        marking.right[i], changed[i]});
    return answers;
}
