// Fuzz target: the reader of the class configuration, on any bytes. A configuration it
// accepts names a class and one server without a password, and reads back as itself
// when written out again; one it refuses is named in the message.
#include "server/core/class_config.h"
#include "server/core/connection_string.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = QStringLiteral("/etc/xdg/brenlo-math/class.conf");
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto read = ClassConfigFile::parse(bytes, path);
    if (!read) {
        if (!read.error().contains(path)) std::abort();
        return 0;
    }
    if (!read->has_value()) return 0;
    const ClassConfig& config = **read;
    if (config.className.isEmpty() || config.service.isEmpty() == config.connection.isEmpty() ||
        ConnectionString::problem(config.connectOptions()))
        std::abort();
    const QString again = QStringLiteral("class = %1\n%2 = %3\n")
                              .arg(config.className,
                                   config.service.isEmpty() ? QStringLiteral("connection")
                                                            : QStringLiteral("service"),
                                   config.service + config.connection);
    const auto back = ClassConfigFile::parse(again.toUtf8(), path);
    if (!back || !back->has_value() || (*back)->className != config.className ||
        (*back)->connectOptions() != config.connectOptions())
        std::abort();
    return 0;
}
