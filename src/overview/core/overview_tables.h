#pragma once

#include "class_figures.h"

#include <QList>
#include <QString>
#include <QStringList>

// One of the overview's tables as the window shows it and the CSV file holds it.
struct TextTable {
    QString title;
    QStringList header;
    QList<QStringList> rows;
};

// Who reads the tables: the window, in the screen's language and locale with the
// stored words translated for display; or a file, which never depends on the
// display language: English titles, the stored words, C numbers and ISO days.
enum class TablesFor { Screen, File };

// The three, in the window's order.
QList<TextTable> overviewTables(const ClassFigures& figures, TablesFor reader);

// The tables as one CSV file: each table's title on a line of its own, its header,
// its rows, and an empty line before the next title; quoted as the records' CSV is.
QByteArray overviewCsv(const QList<TextTable>& tables);
