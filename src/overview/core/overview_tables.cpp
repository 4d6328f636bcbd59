#include "overview_tables.h"

#include "report/core/records_csv.h"
#include "report/core/summary_cells.h"
#include "scores/core/date_texts.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(OverviewTables)
};

}  // namespace

TextTable childrenTable(const QList<ChildWeek>& children, const QLocale& locale) {
    TextTable table{Texts::tr("Children"),
                    {Texts::tr("Child"), Texts::tr("Sheets this week"), Texts::tr("Last day practised")},
                    {}};
    for (const ChildWeek& child : children)
        table.rows.append({child.child, locale.toString(child.sheetsThisWeek),
                           dateLabelText(child.lastDay, locale)});
    return table;
}

TextTable averagesTable(const QList<LevelAverage>& averages, const QLocale& locale) {
    TextTable table{Texts::tr("Average scores"),
                    {Texts::tr("Category"), Texts::tr("Level"), Texts::tr("Sheets"), Texts::tr("Average score"),
                     Texts::tr("Of a full sheet")},
                    {}};
    for (const LevelAverage& average : averages)
        table.rows.append({average.category, average.level, locale.toString(average.sheets),
                           locale.toString(average.averageScore, 'f', 1),
                           percentOfFullSheet(average.averageScore)});
    return table;
}

TextTable missesTable(const QList<ClassMiss>& misses, const QLocale& locale) {
    TextTable table{Texts::tr("Facts missed most"),
                    {Texts::tr("Problem"), Texts::tr("Right answer"), Texts::tr("Times missed"),
                     Texts::tr("Children who missed it"), Texts::tr("Typical wrong answer")},
                    {}};
    for (const ClassMiss& miss : misses)
        table.rows.append({miss.fact.problemText(), miss.fact.expected,
                           locale.toString(miss.fact.asked), locale.toString(miss.children),
                           miss.fact.typicalWrong()});
    return table;
}

QList<TextTable> overviewTables(const ClassFigures& figures, const QLocale& locale) {
    return {childrenTable(figures.children, locale), averagesTable(figures.averages, locale),
            missesTable(figures.misses, locale)};
}

QByteArray overviewCsv(const QList<TextTable>& tables) {
    QList<QStringList> lines;
    for (const TextTable& table : tables) {
        if (!lines.isEmpty()) lines.append(QStringList());
        lines.append({table.title});
        lines.append(table.header);
        lines.append(table.rows);
    }
    return csvLines(lines);
}
