#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// `sdate` holds yyyy-mm-dd, so that text order is day order and ranges compare days.
QString sdateText(QDate day);
// A stored day; Qt's reader, which takes any separator and ignores what follows the
// day, so typed text wants the summary's stricter reader.
QDate readSdate(const QString& text);

// The date label's form, in which the practice screens show a sheet's day and the
// summary's boxes take one: the locale's short date with the year always in four
// digits, so that the text reads back as the same day in every century.
QString dateLabelFormat(const QLocale& locale);
QString dateLabelText(QDate date, const QLocale& locale);
std::optional<QDate> readDateLabel(const QString& text, const QLocale& locale);
