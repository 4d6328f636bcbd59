#include "test_data_folder.h"

#include "app/core/database_connections.h"
#include "app/core/user_files.h"

#include <QFile>

TestDataFolder::TestDataFolder() {
    const QString templatePath = path(UserFiles::kTemplateName);
    if (const auto error = createScoreDatabase(templatePath)) qFatal("%s", qPrintable(*error));
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
    if (const auto error = createScoreDatabase(file)) qFatal("%s", qPrintable(*error));
    DatabaseConnections connections;
    ScoreStore store(connections);
    for (int i = 0; i < records; ++i) {
        const ScoreRecord record{QDate(2026, 12, 1), i % 19, QStringLiteral("15"),
                                 QStringLiteral("Normal"),
                                 QStringLiteral("Minus and Plus Practice program")};
        if (const auto error = store.store(file, record)) qFatal("%s", qPrintable(*error));
    }
}

QList<ScoreRecord> TestDataFolder::records(const QString& fileName) const {
    DatabaseConnections connections;
    return ScoreStore(connections).readAll(path(fileName)).records;
}

int TestDataFolder::recordCount(const QString& fileName) const {
    DatabaseConnections connections;
    const ScoreStore::Records read = ScoreStore(connections).readAll(path(fileName));
    return read.error.isEmpty() ? int(read.records.size()) : -1;
}

void TestDataFolder::writeSettings(const QString& userName) const {
    writeFile(QStringLiteral("path.mpt"),
              "[Sound]\r\na0.wav\r\na1.mid\r\na2.mp3\r\na3.wav\r\na4.wav\r\n[User]\r\n" +
                  userName.toUtf8() + "\r\n[Award]\r\n");
}
