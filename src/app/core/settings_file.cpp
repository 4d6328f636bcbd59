#include "settings_file.h"

#include "atomic_file.h"

#include <QFile>
#include <QStringList>

namespace {

const QString kSoundHeader = QStringLiteral("[Sound]");
const QString kUserHeader = QStringLiteral("[User]");
const QString kAwardHeader = QStringLiteral("[Award]");
constexpr int kFirstSoundLine = 1;  // zero-based line index of award 0's path
constexpr int kUserLine = 7;

QStringList splitLines(const QByteArray& bytes, int maxLines) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size() && lines.size() < maxLines; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') continue;
        lines.append(QString::fromLocal8Bit(bytes.mid(start, i - start)));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ++i;
        start = i + 1;
    }
    // A last line without its line end still counts.
    if (lines.size() < maxLines && start < bytes.size())
        lines.append(QString::fromLocal8Bit(bytes.mid(start)));
    return lines;
}

}  // namespace

SettingsFile::ReadResult SettingsFile::read() const {
    ReadResult result;
    QFile file(path_);
    if (!file.exists()) {
        result.missing = true;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QStringList lines = splitLines(file.readAll(), kLineCount);
    result.linesRead = int(lines.size());
    auto line = [&lines](int index) { return index < lines.size() ? lines.at(index) : QString(); };
    for (int award = 0; award < StoredSettings::kAwardCount; ++award)
        result.settings.awardSoundPaths[award] = line(kFirstSoundLine + award);
    result.settings.userName = line(kUserLine);
    return result;
}

std::optional<QString> SettingsFile::write(const StoredSettings& settings) const {
    QStringList lines{kSoundHeader};
    for (const QString& path : settings.awardSoundPaths) lines.append(path);
    lines << kUserHeader << settings.userName << kAwardHeader;

    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLocal8Bit() + "\r\n";
    return writeFileAtomically(path_, bytes);
}
