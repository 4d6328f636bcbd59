#include "class_overview_window.h"

#include "app/core/atomic_file.h"
#include "app/core/clock.h"
#include "app/file_dialogs.h"
#include "app/message_boxes.h"
#include "app/named_button.h"
#include "app/named_label.h"
#include "app/print_action.h"
#include "scores/core/date_texts.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* makeDayBox(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFixedWidth(120);
    return box;
}

QTableWidget* makeTable(const QString& name, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    return table;
}

}  // namespace

ClassOverviewWindow::ClassOverviewWindow(OverviewSeams seams, const QString& className,
                                         ReadClass read, QWidget* parent)
    : QWidget(parent), seams_(seams), className_(className), read_(std::move(read)) {
    setObjectName(QStringLiteral("classOverview"));
    setWindowTitle(tr("Class overview: %1").arg(className));
    QLabel* title = makeLabel(QStringLiteral("classTitle"), tr("Class %1").arg(className), this);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    title->setFont(font);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(buildDays());
    layout->addLayout(buildTables(), 1);
    layout->addLayout(buildButtons());
    fill({});
    resize(780, 560);
}

// The averages' and the facts' days; this week at first, as the children's table has it.
QLayout* ClassOverviewWindow::buildDays() {
    const QDate today = seams_.clock.now().date();
    firstDay_ = makeDayBox(QStringLiteral("firstDay"), tr("First day"), this);
    lastDay_ = makeDayBox(QStringLiteral("lastDay"), tr("Last day"), this);
    firstDay_->setText(dateLabelText(weekStart(today), QLocale()));
    lastDay_->setText(dateLabelText(today, QLocale()));
    QLabel* from = makeLabel(QStringLiteral("firstDayLabel"), tr("Averages and facts from"), this);
    QLabel* to = makeLabel(QStringLiteral("lastDayLabel"), tr("to"), this);
    from->setBuddy(firstDay_);
    to->setBuddy(lastDay_);
    QPushButton* show = makeNamedButton(QStringLiteral("show"), tr("Show"), 30, this);
    connect(show, &QPushButton::clicked, this, &ClassOverviewWindow::showFigures);
    for (QLineEdit* box : {firstDay_, lastDay_})
        connect(box, &QLineEdit::returnPressed, this, &ClassOverviewWindow::showFigures);

    auto* days = new QHBoxLayout;
    days->addWidget(from);
    days->addWidget(firstDay_);
    days->addWidget(to);
    days->addWidget(lastDay_);
    days->addWidget(show);
    days->addStretch();
    return days;
}

// Children and averages side by side, the facts below across the window.
QLayout* ClassOverviewWindow::buildTables() {
    auto* grid = new QGridLayout;
    const QList<QPoint> places = {{0, 0}, {0, 1}, {2, 0}};
    const QStringList names = {QStringLiteral("childrenTable"), QStringLiteral("averagesTable"),
                               QStringLiteral("missesTable")};
    for (int i = 0; i < names.size(); ++i) {
        // The title first, so that a screen reader reads it before its table.
        QLabel* label = makeLabel(names[i] + QStringLiteral("Title"), QString(), this);
        QTableWidget* table = makeTable(names[i], this);
        label->setBuddy(table);
        const QPoint at = places[i];
        grid->addWidget(label, at.x(), at.y(), 1, i == 2 ? 2 : 1);
        grid->addWidget(table, at.x() + 1, at.y(), 1, i == 2 ? 2 : 1);
        tables_.append(table);
    }
    grid->setColumnStretch(0, 4);
    grid->setColumnStretch(1, 5);
    return grid;
}

QLayout* ClassOverviewWindow::buildButtons() {
    QPushButton* print = makeNamedButton(QStringLiteral("print"), tr("Print"), 30, this);
    QPushButton* csv = makeNamedButton(QStringLiteral("saveCsv"), tr("Save as CSV"), 30, this);
    QPushButton* close = makeNamedButton(QStringLiteral("close"), tr("Close"), 30, this);
    connect(print, &QPushButton::clicked, this,
            [this] { printWindow(seams_.printer, seams_.messages, *this); });
    connect(csv, &QPushButton::clicked, this, &ClassOverviewWindow::saveCsv);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {print, csv, close}) buttons->addWidget(button);
    return buttons;
}

void ClassOverviewWindow::showFigures() {
    const QDate today = seams_.clock.now().date();
    const Result<DayRange> days =
        readDayRange(firstDay_->text(), lastDay_->text(), QLocale(), today);
    if (!days) return seams_.messages.inform(this, days.error());
    const Result<ClassFigures> figures = read_(*days, today);
    if (!figures) return seams_.messages.inform(this, figures.error());
    fill(*figures);
}

void ClassOverviewWindow::fill(const ClassFigures& figures) {
    shown_ = figures;
    const QList<TextTable> tables = overviewTables(figures, TablesFor::Screen);
    for (int i = 0; i < tables_.size(); ++i) {
        const TextTable& text = tables[i];
        QTableWidget* table = tables_[i];
        table->setAccessibleName(text.title);
        findChild<QLabel*>(table->objectName() + QStringLiteral("Title"))->setText(text.title);
        table->setColumnCount(int(text.header.size()));
        table->setHorizontalHeaderLabels(text.header);
        table->setRowCount(int(text.rows.size()));
        for (int row = 0; row < text.rows.size(); ++row)
            for (int column = 0; column < text.rows[row].size(); ++column)
                table->setItem(row, column, new QTableWidgetItem(text.rows[row][column]));
        table->resizeColumnsToContents();
    }
}

void ClassOverviewWindow::saveCsv() {
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(tr("Class %1 %2.csv")
                          .arg(QString(className_).replace(u'/', u'-'),
                               sdateText(seams_.clock.now().date())));
    const QString path = seams_.fileDialogs.saveFileName(
        this, tr("Save the overview as CSV"), suggested, tr("Spreadsheet files (*.csv)"));
    if (path.isEmpty()) return;
    const Result<void> saved =
        writeFileAtomically(path, overviewCsv(overviewTables(shown_, TablesFor::File)));
    if (!saved)
        seams_.messages.inform(
            this, tr("The overview was not saved as \"%1\": %2").arg(path, saved.error()));
}
