#include "app/window_printer.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A white window twice as wide as tall: a black square fills its left half; on the right
// is a box to type into.
struct SampleWindow {
    SampleWindow() {
        for (const auto& [geometry, colour] :
             {std::pair{QRect(0, 0, 400, 200), Qt::white}, {QRect(0, 0, 200, 200), Qt::black}}) {
            auto* block = new QWidget(&window);
            block->setGeometry(geometry);
            block->setStyleSheet(u"background: %1"_s.arg(QColor(colour).name()));
        }
        box->setGeometry(240, 30, 140, 60);
        box->raise();
        box->setStyleSheet(u"font-size: 36px"_s);
        window.setFixedSize(400, 200);
        window.show();
    }
    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
};

// The one page printed, at 50 dots per inch, with the bounds of its black and marked pixels
// and the count of black ones in `area`.
struct Page {
    explicit Page(const QString& pdf, QRect area = {}) {
        QTemporaryDir folder;
        QProcess::execute(u"pdftoppm"_s,
                          {u"-png"_s, u"-r"_s, u"50"_s, pdf, folder.filePath(u"p"_s)});
        const QStringList names = QDir(folder.path()).entryList(QDir::Files);
        pages = int(names.size());
        image = QImage(folder.filePath(names.value(0))).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const bool dark = c.red() < 60 && c.green() < 60 && c.blue() < 60;
                if (dark) black |= QRect(x, y, 1, 1);
                if (c.red() < 245 || c.green() < 245 || c.blue() < 245) marked |= QRect(x, y, 1, 1);
                blackInArea += dark && area.contains(x, y);
            }
        }
    }
    int pages = 0;
    QImage image;
    QRect black, marked;
    int blackInArea = 0;
};

const QRegularExpression kPdfName(
    uR"(^Brenlo print \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d( \(\d+\))?\.pdf$)"_s);

// Every print here happens in the same second.
QDateTime now() {
    return QDateTime(QDate(2026, 12, 6), QTime(10, 0));
}

}  // namespace

// Real printing: with no printer set up, Qt's PDF output, read back as pixels.
class TestWindowPrinter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("A printer is set up here: these tests would print on paper.");
    }

    // Scaled to the page's width, still square and at the top; a later print in the same
    // second gets a file of its own and shows what the user typed. A missing data folder is
    // named, and not made.
    void withoutAPrinterPagesAreSavedAsNewPdfsInTheDataFolder() {
        QTemporaryDir data;
        SampleWindow sample;
        const QString missing = data.filePath(u"data"_s);
        const WindowPrinter::Result failed = SystemWindowPrinter(missing, now).print(sample.window);
        QVERIFY2(failed.error.contains(QDir::toNativeSeparators(missing)), qPrintable(failed.error));
        QCOMPARE(failed.savedPdf, QString());
        QVERIFY(QDir(data.path()).isEmpty());
        SystemWindowPrinter printer(data.path(), now);
        const WindowPrinter::Result first = printer.print(sample.window);
        QCOMPARE(first.error, QString());
        QCOMPARE(QFileInfo(first.savedPdf).absolutePath(), QDir(data.path()).absolutePath());
        QVERIFY2(kPdfName.match(QFileInfo(first.savedPdf).fileName()).hasMatch(),
                 qPrintable(first.savedPdf));
        const Page page(first.savedPdf);
        QCOMPARE(page.pages, 1);
        const QRect square = page.black;
        QVERIFY(qAbs(square.right() + 1 - page.image.width() / 2) <= 2);
        QVERIFY(qAbs(square.width() - square.height()) <= 2);
        QVERIFY(square.top() < page.image.height() / 10);
        QVERIFY(page.marked.bottom() <= square.bottom() + 2);

        sample.box->setText(u"88"_s);
        const QString second = printer.print(sample.window).savedPdf;
        QVERIFY(!second.isEmpty() && second != first.savedPdf);
        QVERIFY(kPdfName.match(QFileInfo(second).fileName()).hasMatch());
        QVERIFY(Page(second, square.translated(square.width(), 0)).blackInArea > 20);
    }
};

QTEST_MAIN(TestWindowPrinter)
#include "test_window_printer.moc"
