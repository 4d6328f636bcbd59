#include "print_module.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

namespace {

// About 300 dots per inch on paper keeps small text crisp without a huge image.
constexpr double kImageDotsPerInch = 300.0;
constexpr double kMostImageScale = 4.0;

QImage windowImage(QWidget& window, const QSize& printedSize, int printerDotsPerInch) {
    const double wanted =
        printedSize.width() * kImageDotsPerInch / printerDotsPerInch / std::max(window.width(), 1);
    const double scale = std::clamp(wanted, 1.0, kMostImageScale);
    QImage image(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    window.render(&image);
    return image;
}

// The window as large as the printable page allows, centred at the top.
bool printPage(QPrinter& printer, QWidget& window) {
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(window.windowTitle());
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const QSize printed = window.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QImage image = windowImage(window, printed, printer.resolution());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint((page.width() - printed.width()) / 2, 0), printed), image);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

struct ClaimedFile {
    QString path;
    QString error;
};

// Creating the file before writing it means an earlier print is never overwritten,
// even by one made in the same second.
ClaimedFile claimNewPdf(const QDir& folder, const QDateTime& now) {
    const QString stem =
        QStringLiteral("Brenlo print ") + now.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    for (int number = 1;; ++number) {
        const QString name = number == 1 ? stem + QStringLiteral(".pdf")
                                         : QStringLiteral("%1 (%2).pdf").arg(stem).arg(number);
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return {file.fileName(), {}};
        if (!file.exists()) return {{}, file.errorString()};
    }
}

WindowPrinter::Result printOnPrinter(const QPrinterInfo& printerInfo, QWidget& window) {
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    if (printPage(printer, window)) return {};
    return {{},
            QCoreApplication::translate("PrintModule", "Could not print on the printer \"%1\".")
                .arg(printerInfo.printerName())};
}

WindowPrinter::Result saveAsPdf(const QString& folderPath, const QDateTime& now, QWidget& window) {
    const QFileInfo folder(folderPath);
    if (!folder.exists())
        return {{},
                QCoreApplication::translate(
                    "PrintModule", "Could not save the print: the folder \"%1\" does not exist.")
                    .arg(shown(folderPath))};
    if (!folder.isDir())
        return {{},
                QCoreApplication::translate("PrintModule",
                                            "Could not save the print: \"%1\" is not a folder.")
                    .arg(shown(folderPath))};
    const ClaimedFile claimed = claimNewPdf(QDir(folder.absoluteFilePath()), now);
    if (claimed.path.isEmpty())
        return {{},
                QCoreApplication::translate("PrintModule",
                                            "Could not save the print in the folder \"%1\": %2")
                    .arg(shown(folderPath), claimed.error)};

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(claimed.path);
    if (printPage(printer, window) && QFileInfo(claimed.path).size() > 0) return {claimed.path, {}};
    QFile::remove(claimed.path);
    return {
        {},
        QCoreApplication::translate("PrintModule", "Could not write the print to the file \"%1\".")
            .arg(shown(claimed.path))};
}

}  // namespace

extern "C" Q_DECL_EXPORT WindowPrinter::Result brenloPrintWindow(QWidget& window,
                                                                 const QString& dataFolder,
                                                                 const QDateTime& now) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull()) return printOnPrinter(printerInfo, window);
    return saveAsPdf(dataFolder, now, window);
}
