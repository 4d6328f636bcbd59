#include "overview_tables.h"

#include "report/core/records_csv.h"
#include "report/core/summary_cells.h"
#include "scores/core/date_texts.h"
#include "scores/core/score_vocabulary.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(OverviewTables)
};

// How one reader gets the tables' words, numbers and days.
class Writer {
public:
    explicit Writer(TablesFor reader)
        : screen_(reader == TablesFor::Screen), locale_(screen_ ? QLocale() : QLocale::c()) {}

    QString text(const char* source) const {
        return screen_ ? Texts::tr(source) : QString::fromUtf8(source);
    }
    QStringList texts(std::initializer_list<const char*> sources) const {
        QStringList all;
        for (const char* source : sources) all << text(source);
        return all;
    }
    QString stored(const QString& word) const { return screen_ ? shownText(word) : word; }
    QString number(int value) const { return locale_.toString(value); }
    QString number(double value) const { return locale_.toString(value, 'f', 1); }
    QString day(QDate date) const {
        return screen_ ? dateLabelText(date, locale_) : sdateText(date);
    }

private:
    bool screen_;
    QLocale locale_;
};

TextTable childrenTable(const QList<ChildWeek>& children, const Writer& write) {
    TextTable table{write.text(QT_TRANSLATE_NOOP("OverviewTables", "Children")),
                    write.texts({QT_TRANSLATE_NOOP("OverviewTables", "Child"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Sheets this week"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Last day practised")}),
                    {}};
    for (const ChildWeek& child : children)
        table.rows.append(
            {child.child, write.number(child.sheetsThisWeek), write.day(child.lastDay)});
    return table;
}

TextTable averagesTable(const QList<LevelAverage>& averages, const Writer& write) {
    TextTable table{write.text(QT_TRANSLATE_NOOP("OverviewTables", "Average scores")),
                    write.texts({QT_TRANSLATE_NOOP("OverviewTables", "Category"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Level"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Sheets"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Average score"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Of a full sheet")}),
                    {}};
    for (const LevelAverage& average : averages)
        table.rows.append({write.stored(average.category), write.stored(average.level),
                           write.number(average.sheets), write.number(average.averageScore),
                           percentOfFullSheet(average.averageScore)});
    return table;
}

TextTable missesTable(const QList<ClassMiss>& misses, const Writer& write) {
    TextTable table{write.text(QT_TRANSLATE_NOOP("OverviewTables", "Facts missed most")),
                    write.texts({QT_TRANSLATE_NOOP("OverviewTables", "Problem"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Right answer"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Times missed"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Children who missed it"),
                                 QT_TRANSLATE_NOOP("OverviewTables", "Typical wrong answer")}),
                    {}};
    for (const ClassMiss& miss : misses)
        table.rows.append({miss.fact.problemText(), miss.fact.expected,
                           write.number(miss.fact.asked), write.number(miss.children),
                           miss.fact.typicalWrong()});
    return table;
}

}  // namespace

QList<TextTable> overviewTables(const ClassFigures& figures, TablesFor reader) {
    const Writer write(reader);
    return {childrenTable(figures.children, write), averagesTable(figures.averages, write),
            missesTable(figures.misses, write)};
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
