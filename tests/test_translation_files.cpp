#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::Literals::StringLiterals;

namespace {

QSet<QString> placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression placeholder(u"%(\\d+|n)"_s);
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// What is wrong with the messages of a .ts file that lupdate has just brought up to
// date with the sources: a new (missing) message is unfinished, a gone one vanished.
QStringList problems(QIODevice& file) {
    QStringList found;
    QXmlStreamReader xml(&file);
    QString source, type;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"message") numerus = xml.attributes().hasAttribute(u"numerus"_s);
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() == u"translation") {
            type = xml.attributes().value(u"type"_s).toString();
            if (!type.isEmpty()) found << type + u": "_s + source;
        }
        const bool translated = type.isEmpty() && (xml.name() == u"numerusform" ||
                                                   (xml.name() == u"translation" && !numerus));
        if (translated && placeholders(xml.readElementText()) != placeholders(source))
            found << u"placeholders: "_s + source;
    }
    return found;
}

}  // namespace

// Every language of translations/ is whole: no unfinished, missing or obsolete message,
// and each translation has its source's placeholders.
class TestTranslationFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void complete_data() {
        QTest::addColumn<QString>("file");
        for (const QFileInfo& ts : QDir(TRANSLATIONS_DIR).entryInfoList({u"*.ts"_s}))
            QTest::newRow(qPrintable(ts.fileName())) << ts.filePath();
    }
    void complete() {
        QFETCH(QString, file);
        QTemporaryDir folder;
        const QString copy = folder.filePath(u"copy.ts"_s);
        QVERIFY(QFile::copy(file, copy));
        QStringList arguments = {u"-silent"_s, u"-locations"_s, u"none"_s, u"-no-ui-lines"_s};
        arguments << QString(TRANSLATED_SOURCES).split(u'|') << u"-ts"_s << copy;
        QCOMPARE(QProcess::execute(LUPDATE, arguments), 0);
        QFile updated(copy);
        QVERIFY(updated.open(QIODevice::ReadOnly));
        const QStringList found = problems(updated);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslationFiles)
#include "test_translation_files.moc"
