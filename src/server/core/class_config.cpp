#include "class_config.h"

#include "connection_string.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringList>

namespace {

// Both files' messages share one context, as they make one message together.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassConfig)
};

Failure fileFailure(const QString& path, const QString& why) {
    return Failure{Texts::tr("The class server's configuration \"%1\" cannot be used: %2.")
                       .arg(QDir::toNativeSeparators(path), why)};
}

Failure lineFailure(const QString& path, int line, const QString& why) {
    return fileFailure(path, Texts::tr("line %1: %2").arg(line).arg(why));
}

// What is wrong with `value` as the value of `key`; nothing when it may stand.
std::optional<QString> valueProblem(const QString& key, const QString& value,
                                    const ClassConfig& config) {
    if (value.isEmpty()) return Texts::tr("\"%1\" has no value").arg(key);
    if (key == QLatin1String("class"))
        return config.className.isEmpty() ? std::nullopt
                                          : std::optional(Texts::tr("a second \"class\""));
    if (!config.service.isEmpty() || !config.connection.isEmpty())
        return Texts::tr("a second \"%1\" (give either \"service\" or \"connection\", once)")
            .arg(key);
    if (key == QLatin1String("connection")) return ConnectionString::problem(value);
    return ConnectionString::problem(ConnectionString::pair(key, value));
}

}  // namespace

QString ClassConfig::connectOptions() const {
    return service.isEmpty() ? connection
                             : ConnectionString::pair(QStringLiteral("service"), service);
}

QString ClassConfigFile::locate(const QString& relativePath) {
    return QStandardPaths::locate(QStandardPaths::GenericConfigLocation, relativePath);
}

Result<std::optional<ClassConfig>> ClassConfigFile::read(const QString& path) {
    QFile file(path);
    if (!file.exists()) return std::optional<ClassConfig>();
    if (!QFileInfo(path).isFile()) return fileFailure(path, Texts::tr("it is not a file"));
    if (file.size() > kMaxBytes)
        return fileFailure(path, Texts::tr("it is longer than %1 KiB").arg(kMaxBytes / 1024));
    if (!file.open(QIODevice::ReadOnly)) return fileFailure(path, file.errorString());
    return parse(file.read(kMaxBytes + 1), path);
}

Result<std::optional<ClassConfig>> ClassConfigFile::parse(const QByteArray& bytes,
                                                          const QString& path) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) return fileFailure(path, Texts::tr("it is not UTF-8 text"));
    ClassConfig config;
    bool empty = true;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        empty = false;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) return lineFailure(path, i + 1, Texts::tr("no \"key = value\""));
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (!QStringList{QStringLiteral("class"), QStringLiteral("service"),
                         QStringLiteral("connection")}
                 .contains(key))
            return lineFailure(path, i + 1, Texts::tr("unknown key \"%1\"").arg(key));
        if (const auto problem = valueProblem(key, value, config))
            return lineFailure(path, i + 1, *problem);
        (key == QLatin1String("class")     ? config.className
         : key == QLatin1String("service") ? config.service
                                           : config.connection) = value;
    }
    if (empty) return std::optional<ClassConfig>();
    if (config.className.isEmpty()) return fileFailure(path, Texts::tr("it names no \"class\""));
    if (config.service.isEmpty() && config.connection.isEmpty())
        return fileFailure(path, Texts::tr("it names no \"service\" and no \"connection\""));
    return std::optional(config);
}
