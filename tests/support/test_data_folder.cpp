#include "test_data_folder.h"

#include "app/core/database_connections.h"
#include "app/core/user_files.h"
#include "scores/core/score_schema.h"

#include <QFile>

TestDataFolder::TestDataFolder() {
    const QString templatePath = path(UserFiles::kTemplateName);
    if (auto made = createScoreDatabase(templatePath); !made)
        qFatal("%s", qPrintable(made.error()));
    QFile::setPermissions(templatePath, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

void TestDataFolder::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

QByteArray TestDataFolder::readFile(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestDataFolder::makeUserDatabase(const QString& userName, int records) const {
    const QString file = path(userName + UserFiles::kDatabaseSuffix);
    if (auto made = createScoreDatabase(file); !made) qFatal("%s", qPrintable(made.error()));
    DatabaseConnections connections;
    ScoreStore store(connections);
    for (int i = 0; i < records; ++i) {
        const ScoreRecord record{QDate(2026, 12, 1), i % 19, QStringLiteral("15"),
                                 QStringLiteral("Normal"),
                                 QStringLiteral("Minus and Plus Practice program")};
        if (auto done = store.store(file, record); !done) qFatal("%s", qPrintable(done.error()));
    }
}

QList<ScoreRecord> TestDataFolder::records(const QString& fileName) const {
    DatabaseConnections connections;
    return ScoreStore(connections).readAll(path(fileName)).value();
}

int TestDataFolder::recordCount(const QString& fileName) const {
    DatabaseConnections connections;
    const Result<QList<ScoreRecord>> read = ScoreStore(connections).readAll(path(fileName));
    return read ? int(read->size()) : -1;
}

void TestDataFolder::writeSettings(const QString& userName) const {
    writeFile(QStringLiteral("path.mpt"),
              "[Sound]\r\na0.wav\r\na1.mid\r\na2.mp3\r\na3.wav\r\na4.wav\r\n[User]\r\n" +
                  userName.toUtf8() + "\r\n[Award]\r\n");
}
