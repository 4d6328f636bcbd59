// Fuzz target: the summary's reader of a range of days, which decides what the
// clean-up deletes. The first byte picks the locale; the rest is the starting
// date's text, a line break and the end date's text.
#include "app/core/database_connections.h"
#include "report/core/summary_dates.h"
#include "scores/core/date_texts.h"
#include "scores/core/score_schema.h"
#include "scores/core/score_store.h"
#include "scores/core/score_vocabulary.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

const QDate kToday(2026, 12, 6);

// The locale's digits as 0-9 and letters in one case, as the reader may take either.
QString folded(const QString& text, const QLocale& locale) {
    const char16_t zero = locale.zeroDigit().at(0).unicode();
    QString result = text.toCaseFolded();
    for (QChar& c : result)
        if (c.unicode() >= zero && c.unicode() < zero + 10) c = QChar(u'0' + (c.unicode() - zero));
    return result;
}

// The forms promised: the date label's with one or two digits for the day and the
// month and a four-digit year, or a two-digit one for a day of this century; yyyy-mm-dd.
bool isPromisedForm(const QString& text, QDate day, const QLocale& locale) {
    static const QRegularExpression dayField(QStringLiteral("(?<!d)dd?(?!d)"));
    static const QRegularExpression monthField(QStringLiteral("(?<!M)MM?(?!M)"));
    if (day.year() < 1) return false;  // a year with a sign is no four-digit year
    const QString typed = folded(text.trimmed(), locale);
    if (typed == day.toString(Qt::ISODate)) return true;
    const bool thisCentury = day.year() >= 2000 && day.year() < 2100;
    for (const char* days : {"d", "dd"})
        for (const char* months : {"M", "MM"})
            for (const char* years : {"yyyy", "yy"}) {
                if (years[2] == 0 && !thisCentury) continue;
                const QString format =
                    dateLabelFormat(locale)
                        .replace(dayField, QString::fromLatin1(days))
                        .replace(monthField, QString::fromLatin1(months))
                        .replace(QStringLiteral("yyyy"), QString::fromLatin1(years));
                if (typed == folded(locale.toString(day, format), locale)) return true;
            }
    return false;
}

// A small database of the days on and next to both ends, in both categories: the
// deletion of the range leaves exactly the records outside it, and all of them
// when the range is reversed.
void checkRemoval(QDate first, QDate last) {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("scores.mdb"));
    static const bool made = createScoreDatabase(path).ok();
    static DatabaseConnections connections;
    if (!made) std::abort();
    QSqlQuery(connections.open(path)->database()).exec(QStringLiteral("DELETE FROM score"));
    ScoreStore store(connections);
    QList<ScoreRecord> outside;
    for (const QDate end : {first, last})
        for (const int offset : {-1, 0, 1})
            for (const PracticeKind kind : kPracticeKinds) {
                const ScoreRecord record{end.addDays(offset), 9, speedText(5),
                                         levelName(Level::Normal), categoryOf(kind)};
                // Only days that sdate can hold as yyyy-mm-dd go in.
                if (readSdate(sdateText(record.day)) != record.day) continue;
                if (!store.store(path, record)) std::abort();
                if (record.day < first || record.day > last) outside.append(record);
            }
    if (!store.removeDays(path, first, last)) std::abort();
    const Result<QList<ScoreRecord>> left = store.readAll(path);
    if (!left || *left != outside) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QLocale locales[] = {QLocale::c(),
                                      QLocale(QStringLiteral("en_US")),
                                      QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("ja_JP")),
                                      QLocale(QStringLiteral("hu_HU")),
                                      QLocale(QStringLiteral("bg_BG")),
                                      QLocale(QStringLiteral("ar_EG")),
                                      QLocale(QStringLiteral("my_MM"))};
    if (size == 0) return 0;
    const QLocale& locale = locales[data[0] % std::size(locales)];
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString startText = text.section(u'\n', 0, 0), endText = text.section(u'\n', 1);
    const std::optional<QDate> first = readSummaryDate(startText, locale);
    const std::optional<QDate> last = readSummaryDate(endText, locale);
    if ((first && !isPromisedForm(startText, *first, locale)) ||
        (last && !isPromisedForm(endText, *last, locale)))
        std::abort();
    // Both ends read and in order, or refused with a message.
    const Result<DayRange> range = readDayRange(startText, endText, locale, kToday);
    if (range.ok() != (first && last && *first <= *last)) std::abort();
    if (range ? range->first != *first || range->last != *last : range.error().isEmpty())
        std::abort();
    if (first && last) checkRemoval(*first, *last);
    return 0;
}
