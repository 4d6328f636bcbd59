#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <utility>

class QWidget;

// Prints an image of a window, with everything it shows, without a dialog.
class WindowPrinter {
public:
    struct Result {
        QString savedPdf;  // set when the page went to a PDF file instead of a printer
        QString error;     // set when nothing could be printed or saved
    };

    virtual ~WindowPrinter() = default;
    virtual Result print(QWidget& window) = 0;
};

// The default printer; when none is set up, a new PDF file in the data folder,
// named by the date and time `now` gives, that never replaces an earlier one.
class SystemWindowPrinter final : public WindowPrinter {
public:
    // The entry of the print module, which holds the printing itself so that Qt Print
    // Support loads at the first print instead of at every start: prints on the
    // default printer, or into a new PDF file in `dataFolder` named by `now`.
    using PrintWindow = Result (*)(QWidget& window, const QString& dataFolder,
                                   const QDateTime& now);

    SystemWindowPrinter(QString dataFolder, std::function<QDateTime()> now)
        : dataFolder_(std::move(dataFolder)), now_(std::move(now)) {}
    Result print(QWidget& window) override;

private:
    QString dataFolder_;
    std::function<QDateTime()> now_;
    // Resolved at the first print.
    PrintWindow printWindow_ = nullptr;
};
