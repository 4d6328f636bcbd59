// Fuzz target: the readers of date texts, the date label's and the stored sdate's.
#include "practice/core/clock_texts.h"
#include "practice/core/score_table.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QLocale locales[] = {
        QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Japanese, QLocale::Japan)};
    // A day read from a text is written and read back as the same day.
    for (const QLocale& locale : locales) {
        if (const auto day = readDateLabel(text, locale)) {
            if (readDateLabel(dateLabelText(*day, locale), locale) != day) std::abort();
        }
    }
    const QDate stored = readSdate(text);
    if (stored.isValid() && readSdate(sdateText(stored)) != stored) std::abort();
    return 0;
}
