#pragma once

#include "class_figures.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// One of the overview's tables as the window shows it and the CSV file holds it.
struct TextTable {
    QString title;
    QStringList header;
    QList<QStringList> rows;
};

// Days as the date label form; numbers in `locale`; stored texts as stored.
TextTable childrenTable(const QList<ChildWeek>& children, const QLocale& locale);
TextTable averagesTable(const QList<LevelAverage>& averages, const QLocale& locale);
TextTable missesTable(const QList<ClassMiss>& misses, const QLocale& locale);

// The three, in the window's order.
QList<TextTable> overviewTables(const ClassFigures& figures, const QLocale& locale);

// The tables as one CSV file: each table's title on a line of its own, its header,
// its rows, and an empty line before the next title; quoted as the records' CSV is.
QByteArray overviewCsv(const QList<TextTable>& tables);
