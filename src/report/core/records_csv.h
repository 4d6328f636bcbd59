#pragma once

#include "scores/core/score_store.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The records as an RFC 4180 file in UTF-8 that a spreadsheet opens as it is: a
// header row "date,score,speed,level,category", one row per record with its date
// as yyyy-mm-dd, lines ended by CR LF. A field holding a comma, a quote or a line
// break is quoted, its quotes doubled; a text that a spreadsheet would take for a
// formula (=, +, -, @ first) starts with an apostrophe so that it stays text.
QByteArray recordsCsv(const QList<ScoreRecord>& records);

// The answers in the same form: a header row
// "sheet,date,category,level,speed,score,round,place,left_operand,operation,
// right_operand,expected,typed,marked_right,changed_s" and one row per answer; a
// box never changed has an empty changed_s.
QByteArray answersCsv(const QList<StoredAnswer>& answers);

// Any table in the same form, every field of every row quoted as needed.
QByteArray csvLines(const QList<QStringList>& rows);
