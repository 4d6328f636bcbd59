#include "settings_file.h"

#include "atomic_file.h"
#include "regular_file.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringList>

namespace {

const QString kSoundHeader = QStringLiteral("[Sound]");
const QString kUserHeader = QStringLiteral("[User]");
const QString kAwardHeader = QStringLiteral("[Award]");
constexpr int kFirstSoundLine = 1;  // zero-based line index of award 0's path
constexpr int kUserLine = 7;

// Up to `maxLines` lines, without their line ends. A last line without its line end
// still counts, unless the bound cut it short.
QList<QByteArray> splitLines(const QByteArray& bytes, int maxLines, bool cutAtBound) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size() && lines.size() < maxLines; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') continue;
        lines.append(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ++i;
        start = i + 1;
    }
    if (lines.size() < maxLines && start < bytes.size() && !cutAtBound)
        lines.append(bytes.mid(start));
    return lines;
}

// Text in the system's encoding without control characters; tabs are text.
std::optional<QString> decodeText(const QByteArray& line) {
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f) return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::Stateless);
    QString text = decoder(line);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

QString valueName(int lineIndex) {
    if (lineIndex == kUserLine) return QCoreApplication::translate("SettingsFile", "the user name");
    return QCoreApplication::translate("SettingsFile", "award sound %1")
        .arg(lineIndex - kFirstSoundLine + 1);
}

QString lineList(const QList<int>& lines) {
    QStringList numbers;
    for (const int line : lines) numbers.append(QString::number(line));
    return numbers.join(QStringLiteral(", "));
}

}  // namespace

std::optional<QString> SettingsFile::ReadResult::problem() const {
    const QString nothingRead = QCoreApplication::translate(
        "SettingsFile", "; the user name and the award sounds start empty");
    if (missing)
        return QCoreApplication::translate("SettingsFile", "there is no such file") + nothingRead;
    if (!error.isEmpty()) return error + nothingRead;
    QStringList reasons;
    if (linesRead < kLineCount) {
        reasons.append(
            cutAtBound ? QCoreApplication::translate("SettingsFile",
                                                     "only %n of its nine lines lie in the "
                                                     "first %1 KiB, which is all that is read",
                                                     nullptr, linesRead)
                             .arg(kMaxBytes / 1024)
                       : QCoreApplication::translate("SettingsFile", "it has %n of its nine lines",
                                                     nullptr, linesRead));
    }
    if (!garbledLines.isEmpty()) {
        reasons.append((garbledLines.size() == 1
                            ? QCoreApplication::translate("SettingsFile", "line %1 is not text")
                            : QCoreApplication::translate("SettingsFile", "lines %1 are not text"))
                           .arg(lineList(garbledLines)));
    }
    if (reasons.isEmpty()) return std::nullopt;
    QStringList empty;
    for (int index = kFirstSoundLine; index <= kUserLine; ++index) {
        if (index == kUserLine - 1) continue;  // the "[User]" header
        if (index >= linesRead || garbledLines.contains(index + 1)) empty.append(valueName(index));
    }
    //: Joins the reasons a settings file was not read whole.
    QString text = reasons.join(QCoreApplication::translate("SettingsFile", " and "));
    //: Before the list of values that start empty.
    if (!empty.isEmpty())
        text +=
            QCoreApplication::translate("SettingsFile", "; empty instead: ") + empty.join(u", ");
    return text;
}

SettingsFile::ReadResult SettingsFile::read() const {
    const Result<std::optional<RegularFile>> file = readRegularFile(path_, {.maxBytes = kMaxBytes});
    if (!file || !*file) {
        ReadResult result;
        result.missing = file.ok();
        result.error = file.error();
        return result;
    }
    return parse((*file)->bytes, (*file)->truncated);
}

SettingsFile::ReadResult SettingsFile::parse(const QByteArray& bytes, bool cutAtBound) {
    ReadResult result;
    result.cutAtBound = cutAtBound;
    const QList<QByteArray> lines = splitLines(bytes, kLineCount, cutAtBound);
    result.linesRead = int(lines.size());
    QStringList texts;
    for (int index = 0; index < lines.size(); ++index) {
        const std::optional<QString> text = decodeText(lines.at(index));
        if (!text) result.garbledLines.append(index + 1);
        texts.append(text.value_or(QString()));
    }
    auto line = [&texts](int index) { return index < texts.size() ? texts.at(index) : QString(); };
    for (int award = 0; award < StoredSettings::kAwardCount; ++award)
        result.settings.awardSoundPaths[award] = line(kFirstSoundLine + award);
    result.settings.userName = line(kUserLine);
    return result;
}

QByteArray SettingsFile::format(const StoredSettings& settings) {
    QStringList lines{kSoundHeader};
    for (const QString& path : settings.awardSoundPaths) lines.append(path);
    lines << kUserHeader << settings.userName << kAwardHeader;

    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLocal8Bit() + "\r\n";
    return bytes;
}

Result<void> SettingsFile::checkValue(const QString& value) {
    for (const QChar c : value) {
        if (c == u'\r' || c == u'\n')
            return Failure{QCoreApplication::translate("SettingsFile", "contains a line break")};
        if ((c < u'\x20' && c != u'\t') || c == u'\x7f')
            return Failure{
                QCoreApplication::translate("SettingsFile", "contains a control character")};
    }
    return {};
}

Result<void> SettingsFile::write(const StoredSettings& settings) const {
    for (int award = 0; award < StoredSettings::kAwardCount; ++award) {
        if (const Result<void> fit = checkValue(settings.awardSoundPaths[award]); !fit)
            return Failure{valueName(kFirstSoundLine + award) + u' ' + fit.error()};
    }
    if (const Result<void> fit = checkValue(settings.userName); !fit)
        return Failure{valueName(kUserLine) + u' ' + fit.error()};
    return writeFileAtomically(path_, format(settings));
}
