#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

// The date label's form: the locale's short date with the year always in four
// digits, so that the text reads back as the same day in every century.
QString dateLabelFormat(const QLocale& locale);
QString dateLabelText(QDate date, const QLocale& locale);
std::optional<QDate> readDateLabel(const QString& text, const QLocale& locale);

// The clock label's form: the locale's time of day with seconds, without a zone.
QString clockLabelText(QTime time, const QLocale& locale);
