#include "progress_window.h"

#include "facts_window.h"
#include "progress_charts.h"

#include "app/app_context.h"
#include "app/core/atomic_file.h"
#include "app/named_button.h"
#include "app/named_label.h"
#include "app/print_action.h"
#include "report/core/records_csv.h"
#include "scores/core/score_store.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QRadioButton* makeRadio(const QString& name, const QString& caption, QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    radio->setAccessibleName(caption);
    return radio;
}

QChartView* makeChartView(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* view = new QChartView(parent);
    view->setObjectName(name);
    view->setAccessibleName(accessibleName);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

void replaceChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

template <typename T>
Result<QByteArray> csvOf(const Result<QList<T>>& read, QByteArray (*write)(const QList<T>&)) {
    if (!read) return Failure{read.error()};
    return write(*read);
}

QString categoryCaption(PracticeKind kind) {
    return kind == PracticeKind::AdditionSubtraction
               ? ProgressWindow::tr("Addition/Subtraction")
               : ProgressWindow::tr("Multiplication/Division");
}

}  // namespace

ProgressWindow::ProgressWindow(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(tr("Progress"));

    heading_ = makeLabel(QStringLiteral("ProgressHeading"), QString(), this);
    QFont bold = heading_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading_->setFont(bold);

    QLayout* choices = buildChoices();
    buildViews();
    QLayout* buttons = buildButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(choices);
    layout->addWidget(views_, 1);
    layout->addLayout(buttons);
    resize(780, 560);
}

QLayout* ProgressWindow::buildChoices() {
    addSub_ = makeRadio(QStringLiteral("ProgressAddSub"),
                        categoryCaption(PracticeKind::AdditionSubtraction), this);
    QRadioButton* mulDiv = makeRadio(QStringLiteral("ProgressMulDiv"),
                                     categoryCaption(PracticeKind::MultiplicationDivision), this);
    scores_ = makeRadio(QStringLiteral("ProgressScores"), tr("Scores"), this);
    QRadioButton* sheets = makeRadio(QStringLiteral("ProgressSheets"), tr("Sheets per day"), this);
    auto* categories = new QButtonGroup(this);
    categories->addButton(addSub_);
    categories->addButton(mulDiv);
    auto* chartKinds = new QButtonGroup(this);
    chartKinds->addButton(scores_);
    chartKinds->addButton(sheets);
    addSub_->setChecked(true);
    scores_->setChecked(true);

    asTable_ = makeNamedButton(QStringLiteral("ShowAsTable"), tr("Show as table"), 30, this);
    asTable_->setCheckable(true);

    auto* choices = new QHBoxLayout;
    choices->addWidget(addSub_);
    choices->addWidget(mulDiv);
    choices->addSpacing(24);
    choices->addWidget(scores_);
    choices->addWidget(sheets);
    choices->addStretch();
    choices->addWidget(asTable_);

    // Each pair is one choice, so one button's toggle tells of every change, made by
    // a click or by a screen reader's action alike.
    connect(addSub_, &QAbstractButton::toggled, this, &ProgressWindow::read);
    connect(scores_, &QAbstractButton::toggled, this, &ProgressWindow::showView);
    connect(asTable_, &QAbstractButton::toggled, this, &ProgressWindow::showView);
    return choices;
}

void ProgressWindow::buildViews() {
    views_ = new QStackedWidget(this);
    scoresChart_ = makeChartView(QStringLiteral("ScoresChart"),
                                 tr("Chart of each level's daily score"), views_);
    sheetsChart_ = makeChartView(QStringLiteral("SheetsChart"),
                                 tr("Chart of the sheets done each day"), views_);
    table_ = new QTableWidget(0, 4, views_);
    table_->setObjectName(QStringLiteral("ProgressTable"));
    table_->setAccessibleName(tr("Daily scores as a table"));
    //: The table's column headings.
    table_->setHorizontalHeaderLabels({tr("Day"), tr("Level"), tr("Average"), tr("Sheets")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (QWidget* view : {static_cast<QWidget*>(scoresChart_), static_cast<QWidget*>(sheetsChart_),
                          static_cast<QWidget*>(table_)})
        views_->addWidget(view);
}

QLayout* ProgressWindow::buildButtons() {
    QPushButton* print = makeNamedButton(QStringLiteral("PrintProgress"), tr("Print"), 30, this);
    QPushButton* png =
        makeNamedButton(QStringLiteral("SavePng"), tr("Save as PNG\u2026"), 30, this);
    QPushButton* csv =
        makeNamedButton(QStringLiteral("SaveCsv"), tr("Save as CSV\u2026"), 30, this);
    QPushButton* facts = makeNamedButton(QStringLiteral("ShowFacts"), tr("Facts\u2026"), 30, this);
    QPushButton* close = makeNamedButton(QStringLiteral("CloseProgress"), tr("Close"), 30, this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {print, png, csv, facts, close}) buttons->addWidget(button);

    connect(print, &QPushButton::clicked, this, [this] { printWindow(context_, *this); });
    connect(png, &QPushButton::clicked, this, &ProgressWindow::savePng);
    connect(csv, &QPushButton::clicked, this, &ProgressWindow::saveCsv);
    connect(facts, &QPushButton::clicked, this, &ProgressWindow::showFacts);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

void ProgressWindow::showProgress(const QString& userName, DayRange range) {
    userName_ = userName;
    range_ = range;
    heading_->setText(
        tr("Progress of %1 from %2 to %3")
            .arg(userName, range.first.toString(Qt::ISODate), range.last.toString(Qt::ISODate)));
    read();
}

// One read serves the charts and the table of the category; a failed read leaves
// them empty, so that nothing of another category or user shows. A view is made
// when it is first shown, since one of years of days takes a while.
void ProgressWindow::read() {
    const Result<QList<DailyScore>> read =
        ScoreStore(context_.databases)
            .daily(databasePath(), categoryOf(kind()), range_.first, range_.last);
    series_ = progressSeries(read ? *read : QList<DailyScore>());
    stale_ = {scoresChart_, sheetsChart_, table_};
    showView();
    if (!read)
        context_.messages->inform(
            this,
            tr("The scores could not be read from \"%1\": %2").arg(databasePath(), read.error()));
}

void ProgressWindow::showView() {
    QChartView* chart = scores_->isChecked() ? scoresChart_ : sheetsChart_;
    if (asTable_->isChecked()) {
        if (stale_.remove(table_)) showTable();
        views_->setCurrentWidget(table_);
        return;
    }
    if (stale_.remove(chart)) {
        const QString category = categoryCaption(kind());
        replaceChart(chart,
                     chart == scoresChart_
                         ? makeScoresChart(series_, range_, category + tr(": score of each day"))
                         : makeSheetsChart(series_, range_, category + tr(": sheets each day")));
    }
    views_->setCurrentWidget(chart);
}

// Day by day, each level of the day in order.
void ProgressWindow::showTable() {
    QList<std::pair<Level, LevelDay>> rows;
    for (const LevelLine& line : series_.lines)
        for (const QList<LevelDay>& run : line.runs)
            for (const LevelDay& day : run) rows.append({line.level, day});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.second.day < b.second.day; });
    table_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const auto& [level, day] = rows[row];
        const QStringList cells = {day.day.toString(Qt::ISODate), shownText(levelName(level)),
                                   QString::number(day.percent) + u'%',
                                   QString::number(day.sheets)};
        for (int column = 0; column < int(cells.size()); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

// The records, or with the second file type every answer, of both categories.
void ProgressWindow::saveCsv() {
    const QString answersType = tr("Answers as CSV (*.csv)");
    QString chosenType;
    const QString path = context_.fileDialogs->saveFileName(
        this, tr("Save as CSV"), suggestedPath(QStringLiteral(".csv")),
        tr("Spreadsheet files (*.csv);;") + answersType, &chosenType);
    if (path.isEmpty()) return;
    ScoreStore store(context_.databases);
    const Result<QByteArray> csv =
        chosenType == answersType
            ? csvOf(store.answers(databasePath(), QString(), range_.first, range_.last), answersCsv)
            : csvOf(store.records(databasePath(), range_.first, range_.last), recordsCsv);
    const Result<void> saved = csv ? writeFileAtomically(path, *csv)
                                   : Failure{tr("the scores could not be read from \"%1\": %2")
                                                 .arg(databasePath(), csv.error())};
    if (!saved)
        context_.messages->inform(
            this, tr("The records were not saved as \"%1\": %2").arg(path, saved.error()));
}

void ProgressWindow::savePng() {
    const QString path = context_.fileDialogs->saveFileName(
        this, tr("Save as PNG"), suggestedPath(QStringLiteral(".png")), tr("PNG pictures (*.png)"));
    if (path.isEmpty()) return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const Result<void> saved = grab().save(&buffer, "PNG")
                                   ? writeFileAtomically(path, bytes)
                                   : Failure{tr("the picture could not be made")};
    if (!saved)
        context_.messages->inform(
            this, tr("The picture was not saved as \"%1\": %2").arg(path, saved.error()));
}

// The facts of the range and the category chosen here.
void ProgressWindow::showFacts() {
    if (!facts_) facts_ = new FactsWindow(context_, this);
    facts_->showFacts(userName_, range_, kind());
    facts_->show();
    facts_->raise();
}

PracticeKind ProgressWindow::kind() const {
    return addSub_->isChecked() ? PracticeKind::AdditionSubtraction
                                : PracticeKind::MultiplicationDivision;
}

QString ProgressWindow::databasePath() const {
    return context_.users.databasePath(userName_);
}

QString ProgressWindow::suggestedPath(const QString& suffix) const {
    return QDir::home().filePath(tr("Progress of %1 %2 to %3%4")
                                     .arg(userName_, range_.first.toString(Qt::ISODate),
                                          range_.last.toString(Qt::ISODate), suffix));
}
