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

}  // namespace

QByteArray recordsCsv(const QList<ScoreRecord>& records) {
    QString csv = QStringLiteral("date,score,speed,level,category\r\n");
    for (const ScoreRecord& record : records)
        csv += QStringList{sdateText(record.day), QString::number(record.score),
                           textField(record.speed), textField(record.level),
                           textField(record.category)}
                   .join(u',') +
               QStringLiteral("\r\n");
    return csv.toUtf8();
}
