#include "records_csv.h"

#include "scores/core/date_texts.h"

#include <QStringList>

namespace {

QString textField(QString text) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front())) text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

QString rows(const QList<QStringList>& rows) {
    QString csv;
    for (const QStringList& row : rows) csv += row.join(u',') + QStringLiteral("\r\n");
    return csv;
}

}  // namespace

QByteArray recordsCsv(const QList<ScoreRecord>& records) {
    QList<QStringList> lines{{QStringLiteral("date,score,speed,level,category")}};
    for (const ScoreRecord& record : records)
        lines.append({sdateText(record.day), QString::number(record.score), textField(record.speed),
                      textField(record.level), textField(record.category)});
    return rows(lines).toUtf8();
}

QByteArray answersCsv(const QList<StoredAnswer>& answers) {
    QList<QStringList> lines{
        {QStringLiteral("sheet,date,category,level,speed,score,round,place,left_operand,operation,"
                        "right_operand,expected,typed,marked_right,changed_s")}};
    for (const auto& [sheet, record, a] : answers)
        lines.append({textField(sheet), sdateText(record.day), textField(record.category),
                      textField(record.level), textField(record.speed),
                      QString::number(record.score), textField(a.round), QString::number(a.place),
                      QString::number(a.left), textField(a.operation), QString::number(a.right),
                      textField(a.expected), textField(a.typed),
                      QString::number(int(a.markedRight)),
                      a.changedSeconds ? QString::number(*a.changedSeconds) : QString()});
    return rows(lines).toUtf8();
}

QByteArray csvLines(const QList<QStringList>& table) {
    QList<QStringList> quoted;
    for (const QStringList& row : table) {
        QStringList fields;
        for (const QString& field : row) fields.append(textField(field));
        quoted.append(fields);
    }
    return rows(quoted).toUtf8();
}
