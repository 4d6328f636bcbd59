#pragma once

#include "marking.h"

#include "scores/core/answer_record.h"

#include <QList>

#include <array>
#include <optional>

// When each answer box last changed, in seconds from the sheet's start.
using ChangeTimes = std::array<std::optional<double>, kProblemCount>;

// The 18 answers of a marked ordinary sheet as stored, from the operand and answer
// texts it was marked from.
QList<AnswerRecord> sheetAnswers(PracticeKind kind,
                                 const std::array<QString, kOperandCount>& operands,
                                 const std::array<QString, kProblemCount>& typed,
                                 const Marking& marking, const ChangeTimes& changed);
