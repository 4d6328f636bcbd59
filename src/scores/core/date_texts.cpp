#include "date_texts.h"

#include <QRegularExpression>

QString sdateText(QDate day) {
    return day.toString(Qt::ISODate);
}

QDate readSdate(const QString& text) {
    return QDate::fromString(text, Qt::ISODate);
}

QString dateLabelFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression year(QStringLiteral("y+"));
    return format.replace(year, QStringLiteral("yyyy"));
}

QString dateLabelText(QDate date, const QLocale& locale) {
    return locale.toString(date, dateLabelFormat(locale));
}

std::optional<QDate> readDateLabel(const QString& text, const QLocale& locale) {
    const QDate date = locale.toDate(text, dateLabelFormat(locale));
    if (!date.isValid()) return std::nullopt;
    return date;
}
