#include "app/window_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

QWidget* addBlock(QWidget* parent, const QRect& geometry, const QColor& colour) {
    auto* block = new QWidget(parent);
    block->setGeometry(geometry);
    QPalette palette = block->palette();
    palette.setColor(QPalette::Window, colour);
    block->setPalette(palette);
    block->setAutoFillBackground(true);
    return block;
}

// A white window twice as wide as tall: a black square fills its left half; on
// the right are a red block and a box to type into.
struct SampleWindow {
    SampleWindow() {
        addBlock(&window, QRect(0, 0, 400, 200), Qt::white)->lower();
        addBlock(&window, QRect(0, 0, 200, 200), Qt::black);
        addBlock(&window, QRect(240, 130, 120, 50), Qt::red);
        box = new QLineEdit(&window);
        box->setAccessibleName(QStringLiteral("Answer"));
        box->setGeometry(240, 30, 140, 60);
        QFont font = box->font();
        font.setPixelSize(36);
        box->setFont(font);
        window.setFixedSize(400, 200);
        window.show();
    }

    QWidget window;
    QLineEdit* box;
};

bool isBlack(QColor colour) {
    return colour.red() < 60 && colour.green() < 60 && colour.blue() < 60;
}
bool isRed(QColor colour) {
    return colour.red() > 180 && colour.green() < 90 && colour.blue() < 90;
}
bool isWhite(QColor colour) {
    return colour.red() > 245 && colour.green() > 245 && colour.blue() > 245;
}

// The pages as printed at 50 dots per inch.
QList<QImage> rasterise(const QString& pdf) {
    QTemporaryDir pages;
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), pdf,
                    pages.filePath(QStringLiteral("page"))});
    if (!pdftoppm.waitForFinished() || pdftoppm.exitCode() != 0) return {};
    QList<QImage> images;
    for (const QString& name : QDir(pages.path()).entryList(QDir::Files, QDir::Name))
        images.append(QImage(pages.filePath(name)).convertToFormat(QImage::Format_RGB32));
    return images;
}

QRect boundsOf(const QImage& page, bool (*matches)(QColor)) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (matches(page.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int countIn(const QImage& page, const QRect& area, bool (*matches)(QColor)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (matches(page.pixelColor(x, y))) ++count;
    return count;
}

const QRegularExpression kPdfName(
    QStringLiteral(R"(^Brenlo print \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d( \(\d+\))?\.pdf$)"));

}  // namespace

class TestWindowPrinter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("A printer is set up here: these tests would print on paper.");
    }

    void withoutAPrinterThePageIsSavedAsAPdfInTheDataFolder() {
        QTemporaryDir data;
        SampleWindow sample;
        SystemWindowPrinter printer(data.path(), [] { return QDateTime::currentDateTime(); });

        const WindowPrinter::Result result = printer.print(sample.window);
        QCOMPARE(result.error, QString());
        const QFileInfo saved(result.savedPdf);
        QVERIFY(saved.isAbsolute());
        QCOMPARE(saved.absolutePath(), QDir(data.path()).absolutePath());
        QVERIFY2(kPdfName.match(saved.fileName()).hasMatch(), qPrintable(saved.fileName()));

        const QList<QImage> pages = rasterise(result.savedPdf);
        QCOMPARE(pages.size(), 1);
        const QImage& page = pages[0];
        const QRect square = boundsOf(page, isBlack);
        QVERIFY(!square.isEmpty());

        // Scaled to fit the page's width, still square, centred, at the top.
        QVERIFY2(square.width() > page.width() / 3, qPrintable(QString::number(square.width())));
        QVERIFY(qAbs(square.width() - square.height()) <= 2);
        QVERIFY(qAbs(square.right() + 1 - page.width() / 2) <= 2);
        QVERIFY(square.top() < page.height() / 10);
        const QRect rightHalf(square.right() + 2, square.top(), square.width() - 2,
                              square.height());
        QVERIFY(countIn(page, rightHalf, isRed) > 0);
        QCOMPARE(countIn(page, rightHalf, isBlack), 0);
        const QRect below(0, square.bottom() + 3, page.width(),
                          page.height() - square.bottom() - 3);
        QCOMPARE(countIn(page, below, isWhite), below.width() * below.height());

        // What the user typed is printed too.
        sample.box->setText(QStringLiteral("88"));
        const WindowPrinter::Result typed = printer.print(sample.window);
        QCOMPARE(typed.error, QString());
        const QList<QImage> typedPages = rasterise(typed.savedPdf);
        QCOMPARE(typedPages.size(), 1);
        QVERIFY(countIn(typedPages[0], rightHalf, isBlack) > 20);
    }

    void aNewPrintNeverOverwritesAnEarlierOne() {
        QTemporaryDir data;
        SampleWindow sample;
        SystemWindowPrinter printer(data.path(), [] { return QDateTime::currentDateTime(); });
        const QString first = printer.print(sample.window).savedPdf;
        QFile firstFile(first);
        QVERIFY(firstFile.open(QIODevice::ReadOnly));
        const QByteArray firstBytes = firstFile.readAll();
        firstFile.close();

        sample.box->setText(QStringLiteral("changed"));
        const QString second = printer.print(sample.window).savedPdf;
        QVERIFY(!second.isEmpty());
        QVERIFY(second != first);
        QVERIFY(kPdfName.match(QFileInfo(second).fileName()).hasMatch());
        QVERIFY(firstFile.open(QIODevice::ReadOnly));
        QCOMPARE(firstFile.readAll(), firstBytes);
        QCOMPARE(QDir(data.path()).entryList(QDir::Files).size(), 2);
    }

    void aMissingDataFolderIsNamedAndNothingIsWritten() {
        QTemporaryDir parent;
        SampleWindow sample;
        const QString missing = parent.filePath(QStringLiteral("missing"));
        const WindowPrinter::Result result = SystemWindowPrinter(missing, [] {
                                                 return QDateTime::currentDateTime();
                                             }).print(sample.window);
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(missing)),
                 qPrintable(result.error));
        QCOMPARE(result.savedPdf, QString());
        QVERIFY(QDir(parent.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));

        const QString file = parent.filePath(QStringLiteral("data"));
        QFile inTheWay(file);
        QVERIFY(inTheWay.open(QIODevice::WriteOnly));
        inTheWay.write("not a folder");
        inTheWay.close();
        const WindowPrinter::Result onAFile = SystemWindowPrinter(file, [] {
                                                  return QDateTime::currentDateTime();
                                              }).print(sample.window);
        QVERIFY2(onAFile.error.contains(QDir::toNativeSeparators(file)), qPrintable(onAFile.error));
        QCOMPARE(onAFile.savedPdf, QString());
        QVERIFY(inTheWay.open(QIODevice::ReadOnly));
        QCOMPARE(inTheWay.readAll(), QByteArray("not a folder"));
        QCOMPARE(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("data")}));
    }
};

QTEST_MAIN(TestWindowPrinter)
#include "test_window_printer.moc"
