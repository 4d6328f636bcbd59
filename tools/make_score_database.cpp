// Build step: writes an empty score database for the data folder.
// Usage: make-score-database <file> <read-only|writable>
#include "scores/core/score_schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    QTextStream err(stderr);
    if (args.size() != 3 ||
        (args[2] != QLatin1String("read-only") && args[2] != QLatin1String("writable"))) {
        err << "usage: make-score-database <file> <read-only|writable>\n";
        return 2;
    }
    const QString& path = args[1];
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(path);
    if (const Result<void> created = createScoreDatabase(path); !created) {
        err << "make-score-database: " << path << ": " << created.error() << '\n';
        return 1;
    }
    QFile::Permissions permissions = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    if (args[2] == QLatin1String("writable")) permissions |= QFile::WriteOwner;
    QFile::setPermissions(path, permissions);
    return 0;
}
