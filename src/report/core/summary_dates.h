#pragma once

#include "app/core/result.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// The date boxes of the summary hold the practice screens' date label form: the
// locale's short date with a four-digit year. A typed date is read in that form,
// with one or two digits for the day and the month and a two-digit year meaning
// 20yy, or as exactly yyyy-mm-dd; blanks around the text are ignored, nothing
// else is. Only the locale's own order is tried, so a day and a month never swap.
std::optional<QDate> readSummaryDate(const QString& text, const QLocale& locale);

struct DayRange {
    QDate first;
    QDate last;
};

// Both boxes read as days, the first no later than the last; or fails with the
// message that names the box, its text and the form expected, with `today` as the
// example, or that says the range is reversed.
Result<DayRange> readDayRange(const QString& startText, const QString& endText,
                              const QLocale& locale, QDate today);
