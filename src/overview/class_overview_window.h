#pragma once

#include "overview/core/class_figures.h"
#include "overview/core/overview_tables.h"

#include "app/core/result.h"
#include "report/core/summary_dates.h"

#include <QWidget>

#include <functional>

class Clock;
class FileDialogs;
class MessageBoxes;
class QLineEdit;
class QTableWidget;
class WindowPrinter;

// The outside things the overview uses; tests answer them.
struct OverviewSeams {
    Clock& clock;
    MessageBoxes& messages;
    FileDialogs& fileDialogs;
    WindowPrinter& printer;
};

// Reads the class's figures for the chosen days and the week of `today`.
using ReadClass = std::function<Result<ClassFigures>(const DayRange& days, QDate today)>;

// The teacher's overview of one class: the children and this week's sheets, the
// averages over the chosen days, and the facts the class missed most, each as a
// table a screen reader reads; printed as the program's screens are, saved as CSV.
class ClassOverviewWindow final : public QWidget {
    Q_OBJECT
public:
    ClassOverviewWindow(OverviewSeams seams, const QString& className, ReadClass read,
                        QWidget* parent = nullptr);

    // Reads the class for the days in the boxes into the tables, or says once why not.
    void showFigures();

private:
    QLayout* buildDays();
    QLayout* buildTables();
    QLayout* buildButtons();
    void fill(const ClassFigures& figures);
    void saveCsv();

    OverviewSeams seams_;
    QString className_;
    ReadClass read_;
    QLineEdit* firstDay_ = nullptr;
    QLineEdit* lastDay_ = nullptr;
    QList<QTableWidget*> tables_;
    ClassFigures shown_;
};
