#include "facts_window.h"

#include "facts_grid.h"

#include "app/app_context.h"
#include "app/named_button.h"
#include "app/named_label.h"
#include "app/print_action.h"
#include "scores/core/score_store.h"
#include "scores/core/score_vocabulary.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMissedShown = 20;

QTableWidget* makeTable(const QString& name, const QString& accessibleName,
                        const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int column = 0; column < int(cells.size()); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QString secondsText(std::optional<double> seconds) {
    //: After a number of seconds.
    return seconds ? QString::number(*seconds, 'f', 1) + FactsWindow::tr(" s") : QString();
}

}  // namespace

FactsWindow::FactsWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    setObjectName(QStringLiteral("Facts"));
    setWindowTitle(tr("Facts"));
    heading_ = makeLabel(QStringLiteral("FactsHeading"), QString(), this);
    QFont bold = heading_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading_->setFont(bold);
    QLayout* choices = buildChoices();
    QLabel* legend =
        makeLabel(QStringLiteral("FactsLegend"),
                  tr("Each cell: the share answered right and how often asked; dark violet for "
                     "none right, through blue and green, to yellow for all right."),
                  this);
    legend->setWordWrap(true);
    buildViews();
    QLabel* missedHeading = makeLabel(QStringLiteral("FactsMissedHeading"),
                                      tr("Missed most, outside the grids:"), this);
    missedHeading->setBuddy(missed_);
    time_ = makeLabel(QStringLiteral("FactsTime"), QString(), this);
    QLayout* buttons = buildButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(choices);
    layout->addWidget(legend);
    layout->addWidget(views_, 1);
    layout->addWidget(missedHeading);
    layout->addWidget(missed_);
    layout->addWidget(time_);
    layout->addLayout(buttons);
    resize(780, 560);
}

QLayout* FactsWindow::buildChoices() {
    second_ = new QRadioButton(this);
    second_->setObjectName(QStringLiteral("FactsSecond"));
    first_ = new QRadioButton(this);
    first_->setObjectName(QStringLiteral("FactsFirst"));
    auto* operations = new QButtonGroup(this);
    operations->addButton(second_);
    operations->addButton(first_);
    second_->setChecked(true);
    asTable_ = makeNamedButton(QStringLiteral("FactsAsTable"), tr("Show as table"), 30, this);
    asTable_->setCheckable(true);

    auto* choices = new QHBoxLayout;
    choices->addWidget(second_);
    choices->addWidget(first_);
    choices->addStretch();
    choices->addWidget(asTable_);
    // One pair is one choice, so one button's toggle tells of every change.
    connect(second_, &QAbstractButton::toggled, this, &FactsWindow::showView);
    connect(asTable_, &QAbstractButton::toggled, this, &FactsWindow::showView);
    return choices;
}

void FactsWindow::buildViews() {
    views_ = new QStackedWidget(this);
    grid_ = new FactsGrid(this);
    auto* scroll = new QScrollArea(views_);
    scroll->setObjectName(QStringLiteral("FactsGridArea"));
    scroll->setAccessibleName(tr("Grid of facts"));
    scroll->setWidget(grid_);
    table_ = makeTable(QStringLiteral("FactsTable"), tr("Every fact as a table"),
                       //: Headings: how often a problem was asked, and answered right.
                       {tr("Problem"), tr("Answer"), tr("Asked"), tr("Right"), tr("Share right"),
                        tr("Time (estimate)")},
                       views_);
    views_->addWidget(scroll);
    views_->addWidget(table_);
    missed_ = makeTable(QStringLiteral("FactsMissed"), tr("Problems outside the grids missed most"),
                        {tr("Problem"), tr("Answer"),
                         //: A heading: how often a problem was answered wrong.
                         tr("Missed"), tr("Typical wrong answer")},
                        this);
    missed_->setMaximumHeight(100);
}

QLayout* FactsWindow::buildButtons() {
    QPushButton* print = makeNamedButton(QStringLiteral("PrintFacts"), tr("Print"), 30, this);
    QPushButton* close = makeNamedButton(QStringLiteral("CloseFacts"), tr("Close"), 30, this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    connect(print, &QPushButton::clicked, this, [this] { printWindow(context_, *this); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return buttons;
}

// A failed read leaves everything empty, so that nothing of another range shows.
void FactsWindow::showFacts(const QString& userName, DayRange range, PracticeKind kind) {
    kind_ = kind;
    const QString path = context_.users.databasePath(userName);
    ScoreStore store(context_.databases);
    const Result<QList<FactTotal>> totals =
        store.factTotals(path, categoryOf(kind), range.first, range.last);
    const Result<QList<TypedWrong>> wrong =
        totals ? store.typedWrong(path, categoryOf(kind), range.first, range.last)
               : Result<QList<TypedWrong>>(Failure{totals.error()});
    facts_ = wrong ? factStats(*totals, *wrong) : QList<FactStat>();
    heading_->setText(
        tr("Facts of %1 from %2 to %3")
            .arg(userName, range.first.toString(Qt::ISODate), range.last.toString(Qt::ISODate)));
    const bool addSub = kind == PracticeKind::AdditionSubtraction;
    for (auto [button, caption] :
         {std::pair{second_, addSub ? tr("Addition") : tr("Multiplication")},
          std::pair{first_, addSub ? tr("Subtraction") : tr("Division")}}) {
        button->setText(caption);
        button->setAccessibleName(caption);
    }
    fillTable();
    fillMissed();
    showTypicalTime();
    showView();
    if (!wrong)
        context_.messages->inform(
            this, tr("The answers could not be read from \"%1\": %2").arg(path, wrong.error()));
}

void FactsWindow::showView() {
    grid_->showFacts(storedOperation(kind_, second_->isChecked() ? kFirstSecondOperation : 0),
                     facts_);
    views_->setCurrentIndex(asTable_->isChecked() ? 1 : 0);
}

// Every fact of the category, inside the grids or not.
void FactsWindow::fillTable() {
    table_->setRowCount(int(facts_.size()));
    for (int row = 0; row < int(facts_.size()); ++row) {
        const FactStat& fact = facts_[row];
        setRow(table_, row,
               {fact.problemText(), fact.expected, QString::number(fact.asked),
                QString::number(fact.answeredRight),
                QString::number(qRound(fact.share() * 100)) + u'%',
                secondsText(fact.typicalSeconds())});
    }
}

void FactsWindow::fillMissed() {
    const QList<FactStat> missed = missedMost(facts_, kMissedShown);
    missed_->setRowCount(int(missed.size()));
    for (int row = 0; row < int(missed.size()); ++row)
        setRow(missed_, row,
               {missed[row].problemText(), missed[row].expected,
                QString::number(missed[row].missed()), missed[row].typicalWrong()});
}

void FactsWindow::showTypicalTime() {
    FactStat all;
    for (const FactStat& fact : facts_) {
        all.timed += fact.timed;
        all.timedSeconds += fact.timedSeconds;
    }
    const std::optional<double> typical = all.typicalSeconds();
    time_->setText(typical ? tr("Typical time per fact, an estimate from the boxes "
                                "filled in order: %1")
                                 .arg(secondsText(typical))
                           : tr("Typical time per fact: too few boxes filled in "
                                "order for an estimate"));
}
