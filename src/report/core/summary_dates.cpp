#include "summary_dates.h"

#include "scores/core/date_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// "dd.MM.yyyy" reads "1.3.2026" as well; month and day names stay as they are.
QString lenientFormat(const QLocale& locale) {
    static const QRegularExpression day(QStringLiteral("(?<!d)dd(?!d)"));
    static const QRegularExpression month(QStringLiteral("(?<!M)MM(?!M)"));
    return dateLabelFormat(locale)
        .replace(day, QStringLiteral("d"))
        .replace(month, QStringLiteral("M"));
}

// The locale reads "yy" as 19yy; a parent's dates lie in this century.
QDate inThisCentury(QDate date) {
    if (!date.isValid()) return date;
    return QDate(2000 + date.year() % 100, date.month(), date.day());
}

// Qt's ISO reader takes any separator and ignores what follows the day, and a
// clean-up must never act on a text it only half read.
QDate isoDay(const QString& text) {
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2}")));
    return form.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
}

QString problemWith(const QString& box, const QString& text, const QLocale& locale, QDate today) {
    return QCoreApplication::translate(
               "SummaryDates",
               "The %1 \"%2\" cannot be read as a date. Please type a date as %3, "
               "for example %4, or as yyyy-mm-dd, for example %5.")
        .arg(box, text, dateLabelFormat(locale), dateLabelText(today, locale),
             today.toString(Qt::ISODate));
}

}  // namespace

std::optional<QDate> readSummaryDate(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    const QString format = lenientFormat(locale);
    static const QRegularExpression fourDigitYear(QStringLiteral("y{4}"));
    for (const QDate date :
         {isoDay(trimmed), locale.toDate(trimmed, format),
          inThisCentury(locale.toDate(
              trimmed, QString(format).replace(fourDigitYear, QStringLiteral("yy"))))})
        // Qt's reader takes a sign before the year; sdate cannot hold a day before year 1.
        if (date.isValid() && date.year() > 0) return date;
    return std::nullopt;
}

Result<DayRange> readDayRange(const QString& startText, const QString& endText,
                              const QLocale& locale, QDate today) {
    const std::optional<QDate> first = readSummaryDate(startText, locale);
    if (!first)
        return Failure{problemWith(QCoreApplication::translate("SummaryDates", "starting date"),
                                   startText, locale, today)};
    const std::optional<QDate> last = readSummaryDate(endText, locale);
    if (!last)
        return Failure{problemWith(QCoreApplication::translate("SummaryDates", "end date"), endText,
                                   locale, today)};
    if (*first > *last)
        return Failure{
            QCoreApplication::translate("SummaryDates",
                                        "The starting date \"%1\" is after the end date \"%2\". "
                                        "Please type a starting date no later than the end date.")
                .arg(startText, endText)};
    return DayRange{*first, *last};
}
