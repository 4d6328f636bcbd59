#include "connection_string.h"

#include <QCoreApplication>

namespace {

// Both files' messages share one context, as they make one message together.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ClassConfig)
};

// Reads one "keyword = value" at `at`, skipping blanks; the keyword, or a problem.
struct Pair {
    QString keyword;
    std::optional<QString> problem;
};

void skipBlanks(const QString& text, qsizetype& at) {
    while (at < text.size() && text[at].isSpace()) ++at;
}

Pair readPair(const QString& text, qsizetype& at) {
    Pair pair;
    while (at < text.size() && text[at] != QLatin1Char('=') && !text[at].isSpace())
        pair.keyword += text[at++];
    skipBlanks(text, at);
    if (at >= text.size() || text[at] != QLatin1Char('=')) {
        pair.problem = Texts::tr("\"%1\" in the connection has no \"=\"").arg(pair.keyword);
        return pair;
    }
    ++at;
    skipBlanks(text, at);
    const bool quoted = at < text.size() && text[at] == QLatin1Char('\'');
    if (quoted) ++at;
    for (; at < text.size(); ++at) {
        if (text[at] == QLatin1Char('\\')) {
            ++at;
        } else if (quoted ? text[at] == QLatin1Char('\'') : text[at].isSpace()) {
            break;
        }
    }
    if (quoted && at >= text.size())
        pair.problem = Texts::tr("a quote in the connection is not closed");
    ++at;
    return pair;
}

}  // namespace

std::optional<QString> ConnectionString::problem(const QString& text) {
    if (text.contains(QLatin1String("://")))
        return Texts::tr("write the connection as \"keyword=value\" pairs, not as a URI");
    if (text.contains(QLatin1Char(';')))
        return Texts::tr("a semicolon, which Qt's driver reads as a space");
    qsizetype at = 0;
    for (skipBlanks(text, at); at < text.size(); skipBlanks(text, at)) {
        const Pair pair = readPair(text, at);
        if (pair.problem) return pair.problem;
        if (pair.keyword == QLatin1String("password"))
            return Texts::tr(
                "a password in the connection; passwords belong in ~/.pgpass or the "
                "service file");
    }
    return std::nullopt;
}

QString ConnectionString::pair(const QString& keyword, const QString& value) {
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QStringLiteral("%1='%2'").arg(keyword, escaped);
}
