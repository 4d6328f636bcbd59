// Writes the desktop entry and the AppStream metadata with every shipped language's
// texts beside the English ones: Name[de]=... and <summary xml:lang="de">....
// Usage: make-desktop-files (<template in> <file out>)... <.qm>...
// A template ending in ".xml" is AppStream metadata; any other a desktop entry.
#include "desktop_texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Language {
    QString code;  // "de" of brenlo-math_de.qm
    std::unique_ptr<QTranslator> translator;
};

std::vector<Language> languages;

// Each language's text for an English one of the templates; a text that is not one
// of desktop_texts.h ends the build, as no translator would ever see it.
QList<std::pair<QString, QString>> translations(const QString& english) {
    const auto known =
        std::find_if(std::begin(kDesktopTexts), std::end(kDesktopTexts),
                     [&](const char* text) { return english == QLatin1String(text); });
    if (known == std::end(kDesktopTexts)) {
        std::fprintf(stderr, "make-desktop-files: no message for \"%s\"\n", qPrintable(english));
        std::exit(1);
    }
    QList<std::pair<QString, QString>> found;
    for (const Language& language : languages) {
        const QString text = language.translator->translate("DesktopEntry", *known);
        if (!text.isEmpty() && text != english) found.append({language.code, text});
    }
    return found;
}

QString desktopEntry(const QString& in) {
    static const QRegularExpression key(u"^(Name|GenericName|Comment|Keywords)=(.*)$"_s);
    QString out;
    for (const QString& line : in.split(u'\n')) {
        out += line + u'\n';
        if (const auto match = key.match(line); match.hasMatch())
            for (const auto& [code, text] : translations(match.captured(2)))
                out += u"%1[%2]=%3\n"_s.arg(match.captured(1), code, text);
    }
    out.chop(1);
    return out;
}

// The component's name, summary, description and screenshot caption; the release
// notes stay English.
QString metainfo(const QString& in) {
    static const QRegularExpression element(
        u"( *)<(name|summary|p|li|caption)>\\s*(.*?)\\s*</\\2>\\n"_s,
        QRegularExpression::DotMatchesEverythingOption);
    QString out;
    qsizetype at = 0;
    const qsizetype releases = in.indexOf(u"<releases>"_s);
    while (at < in.size()) {
        const auto match = element.match(in, at, QRegularExpression::NormalMatch,
                                         QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch() || (releases >= 0 && at > releases)) {
            const qsizetype end = in.indexOf(u'\n', at);
            const qsizetype next = end < 0 ? in.size() : end + 1;
            out += in.mid(at, next - at);
            at = next;
            continue;
        }
        out += match.captured();
        const QString english = match.captured(3).simplified();
        for (const auto& [code, text] : translations(english))
            out += u"%1<%2 xml:lang=\"%3\">%4</%2>\n"_s.arg(match.captured(1), match.captured(2),
                                                            code, text.toHtmlEscaped());
        at = match.capturedEnd();
    }
    return out;
}

bool convert(const QString& from, const QString& to) {
    QFile in(from), out(to);
    const auto write = from.endsWith(u".xml"_s) ? metainfo : desktopEntry;
    return in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) &&
           out.write(write(QString::fromUtf8(in.readAll())).toUtf8()) >= 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (!argument.endsWith(u".qm"_s)) {
            files << argument;
            continue;
        }
        Language language{QFileInfo(argument).completeBaseName().section(u'_', 1, -1),
                          std::make_unique<QTranslator>()};
        if (!language.translator->load(argument)) return 1;
        languages.push_back(std::move(language));
    }
    if (files.isEmpty() || files.size() % 2 != 0) return 2;
    for (qsizetype i = 0; i < files.size(); i += 2)
        if (!convert(files[i], files[i + 1])) return 1;
    return 0;
}
