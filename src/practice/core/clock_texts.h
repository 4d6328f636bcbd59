#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// The clock label's form: the locale's time of day with seconds, without a zone.
QString clockLabelText(QTime time, const QLocale& locale);
