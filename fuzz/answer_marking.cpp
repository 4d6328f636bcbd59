// Fuzz target: the marking of typed answers and the number texts it reads.
#include "app/core/number_text.h"
#include "practice/core/marking.h"

#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void checkNumberText(const QString& text) {
    const double value = leadingNumber(text);
    if (!std::isfinite(value)) std::abort();
    const int whole = leadingWholeNumber(text);
    if (std::fabs(value) < 2147483647.0 && whole != int(std::trunc(value))) std::abort();
    if (std::fabs(value) >= 2147483648.0 && (whole > 0) != (value > 0)) std::abort();
    // A number written by the program reads back as itself.
    if (leadingNumber(decimalText(value)) != value) std::abort();
}

}  // namespace

// The input's lines are operand texts, then typed answers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = text.split(u'\n');
    std::array<QString, kOperandCount> operands;
    std::array<QString, kProblemCount> answers;
    for (int i = 0; i < lines.size() && i < kOperandCount + kProblemCount; ++i) {
        checkNumberText(lines.at(i));
        (i < kOperandCount ? operands[i] : answers[i - kOperandCount]) = lines.at(i);
    }
    for (const PracticeKind kind : kPracticeKinds) {
        const Marking marking = markSheet(kind, operands, answers);
        int right = 0;
        for (int i = 0; i < kProblemCount; ++i) {
            if (marking.right[i] == !marking.corrections[i].isEmpty()) std::abort();
            // Right only when typed exactly as the program writes the number.
            if (marking.right[i] && decimalText(leadingNumber(answers[i])) != answers[i])
                std::abort();
            if (!marking.right[i] && answers[i] == marking.corrections[i]) std::abort();
            right += marking.right[i];
        }
        if (right != marking.count) std::abort();
    }
    return 0;
}
