#pragma once

#include "score_record.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The table `answer` beside `score`: one row per answer of a marked sheet. A sheet's
// rows carry copies of its record's columns, so that the deletes find them by the
// same conditions and they stay tied to it through VACUUM and copies of the file.
namespace AnswerTable {
inline const QString kName = QStringLiteral("answer");
inline const QString kSheet = QStringLiteral("sheet");
inline const QString kPlace = QStringLiteral("place");
inline const QString kRound = QStringLiteral("round");
inline const QString kLeft = QStringLiteral("left_operand");
inline const QString kOperation = QStringLiteral("operation");
inline const QString kRight = QStringLiteral("right_operand");
inline const QString kExpected = QStringLiteral("expected");
inline const QString kTyped = QStringLiteral("typed");
inline const QString kMarkedRight = QStringLiteral("marked_right");
inline const QString kChanged = QStringLiteral("changed_s");
// A row's columns in the order of StoredAnswer's fields.
inline const QString kColumns = QStringList{kSheet,
                                            ScoreTable::kDate,
                                            ScoreTable::kCategory,
                                            ScoreTable::kLevel,
                                            ScoreTable::kSpeed,
                                            ScoreTable::kScore,
                                            kRound,
                                            kPlace,
                                            kLeft,
                                            kOperation,
                                            kRight,
                                            kExpected,
                                            kTyped,
                                            kMarkedRight,
                                            kChanged}
                                    .join(QStringLiteral(", "));
}  // namespace AnswerTable

// The table `class_sent`: the identifiers of the sheets a class server has taken.
namespace SentTable {
inline const QString kName = QStringLiteral("class_sent");
inline const QString kSheet = QStringLiteral("sheet");
}  // namespace SentTable

// Stored text, never translated.
inline const QString kOrdinaryRound = QStringLiteral("ordinary");
inline const QString kMistakesRound = QStringLiteral("mistakes");

// Longer typed texts are cut to this many characters, never inside a character.
inline constexpr int kTypedLimit = 64;

// One answer box of a marked sheet.
struct AnswerRecord {
    int place = 0;  // 0 to 17
    QString round = kOrdinaryRound;
    int left = 0;
    QString operation;  // "+", "-", "x" or "/"
    int right = 0;
    QString expected;
    QString typed;  // as typed
    bool markedRight = false;
    // Seconds from the sheet's start to the box's last change; none when never touched.
    std::optional<double> changedSeconds;

    bool operator==(const AnswerRecord&) const = default;
};

// A marked sheet as stored: its record and its answers under one identifier that is
// unique to the sheet.
struct MarkedSheet {
    QString id;
    ScoreRecord record;
    QList<AnswerRecord> answers;
};

// An answer as read back, with its sheet's identifier and record.
struct StoredAnswer {
    QString sheet;
    ScoreRecord record;
    AnswerRecord answer;

    bool operator==(const StoredAnswer&) const = default;
};
