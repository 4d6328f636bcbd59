#include "scoring_summary.h"

#include "progress_window.h"
#include "report/core/summary_cells.h"
#include "report/core/summary_dates.h"
#include "summary_table.h"

#include "app/app_context.h"
#include "app/main_menu.h"
#include "app/named_button.h"
#include "app/named_label.h"
#include "app/print_action.h"
#include "scores/core/date_texts.h"
#include "scores/core/score_store.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kGeneralTitle = QT_TRANSLATE_NOOP("ScoringSummary", "The Brenlo Scoring Summary");

QString titleOf(PracticeKind kind) {
    return kind == PracticeKind::AdditionSubtraction
               ? ScoringSummary::tr("Addition/Subtraction Scoring Summary")
               : ScoringSummary::tr("Multiplication/Division Scoring Summary");
}

void makeBold(QWidget* widget, double scale = 1.0) {
    QFont font = widget->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    widget->setFont(font);
}

QLineEdit* makeDateBox(const QString& name, const QString& accessibleName, QLabel* label,
                       QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFixedWidth(130);
    makeBold(box);
    label->setBuddy(box);
    return box;
}

}  // namespace

ScoringSummary::ScoringSummary(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Scoring Summary"));

    title_ = makeLabel(QStringLiteral("Label15"), tr(kGeneralTitle), this);
    title_->setAlignment(Qt::AlignCenter);
    makeBold(title_, 1.8);
    QLayout* dates = buildDates();
    table_ = new SummaryTable(this);
    QLayout* buttons = buildButtons();
    QLabel* footer = makeLabel(
        QStringLiteral("Label17"),
        tr("Scoring Summary shows average score of different speed, difficulties.  "), this);

    auto* table = new QHBoxLayout;
    table->addStretch();
    table->addWidget(table_);
    table->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 10);
    layout->setSpacing(14);
    layout->addWidget(title_);
    layout->addLayout(dates);
    layout->addLayout(table);
    layout->addLayout(buttons);
    layout->addWidget(footer);
    resize(780, sizeHint().height());
    removeIncompleteRecords();
}

// The range of days, yesterday to today at first, with the user between them.
QLayout* ScoringSummary::buildDates() {
    QLabel* startLabel = makeLabel(QStringLiteral("Label6"), tr(" STARTING DATE"), this);
    startDate_ = makeDateBox(QStringLiteral("Text31"), tr("Starting date"), startLabel, this);
    QLabel* user = makeLabel(QStringLiteral("Label18"), QString(), this);
    makeBold(user);
    QLabel* endLabel = makeLabel(QStringLiteral("Label7"), tr("END DATE"), this);
    endDate_ = makeDateBox(QStringLiteral("Text32"), tr("End date"), endLabel, this);

    user->setText(tr("USER:- ") + userNameBoxText(context_.screens));
    const QDate today = context_.clock->now().date();
    startDate_->setText(dateLabelText(today.addDays(-1), QLocale()));
    endDate_->setText(dateLabelText(today, QLocale()));

    auto* dates = new QHBoxLayout;
    dates->addWidget(startLabel);
    dates->addWidget(startDate_);
    dates->addStretch();
    dates->addWidget(user);
    dates->addStretch();
    dates->addWidget(endLabel);
    dates->addWidget(endDate_);
    return dates;
}

QLayout* ScoringSummary::buildButtons() {
    QPushButton* addSub =
        makeNamedButton(QStringLiteral("Command1"), tr("Addition/Substraction"), 36, this);
    QPushButton* mulDiv =
        makeNamedButton(QStringLiteral("Command3"), tr("Multiplication/Division"), 36, this);
    QPushButton* cleanUp =
        makeNamedButton(QStringLiteral("Command5"), tr("Clean Up Database"), 36, this);
    QPushButton* print = makeNamedButton(QStringLiteral("Command4"), tr("Print"), 36, this);
    QPushButton* progress = makeNamedButton(QStringLiteral("Command6"), tr("Progress"), 36, this);
    //: A button that closes this window.
    QPushButton* end = makeNamedButton(QStringLiteral("Command2"), tr("End"), 36, this);

    // Six buttons share the row equally; each keeps room for its own caption.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    for (QPushButton* button : {addSub, mulDiv, cleanUp, print, progress, end}) {
        button->setMinimumWidth(button->sizeHint().width());
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        buttons->addWidget(button, 1);
    }

    connect(addSub, &QPushButton::clicked, this,
            [this] { summarise(PracticeKind::AdditionSubtraction); });
    connect(mulDiv, &QPushButton::clicked, this,
            [this] { summarise(PracticeKind::MultiplicationDivision); });
    connect(cleanUp, &QPushButton::clicked, this, &ScoringSummary::cleanUp);
    connect(print, &QPushButton::clicked, this, [this] { printWindow(context_, *this); });
    connect(progress, &QPushButton::clicked, this, &ScoringSummary::showProgress);
    connect(end, &QPushButton::clicked, this, &ScoringSummary::end);
    addSub->setFocus();
    return buttons;
}

void ScoringSummary::closeEvent(QCloseEvent* event) {
    event->accept();
    end();
}

// No summary may count a sheet that lacks its speed, date or level, nor a test record.
void ScoringSummary::removeIncompleteRecords() {
    if (const Result<void> removed =
            ScoreStore(context_.databases).removeIncomplete(databasePath());
        !removed)
        context_.messages->inform(this,
                                  tr("Incomplete records could not be removed from \"%1\": %2")
                                      .arg(databasePath(), removed.error()));
}

// Everything is read before anything is shown, so a failure leaves the table
// and the title as they were.
void ScoringSummary::summarise(PracticeKind kind) {
    const std::optional<DayRange> range = typedRange();
    if (!range) return;
    const Result<QList<ScoreGroup>> read =
        ScoreStore(context_.databases)
            .groups(databasePath(), categoryOf(kind), range->first, range->last);
    if (!read) {
        context_.messages->inform(
            this,
            tr("The scores could not be read from \"%1\": %2").arg(databasePath(), read.error()));
        return;
    }
    table_->showCells(summaryCells(kind, *read));
    title_->setText(titleOf(kind));
}

void ScoringSummary::cleanUp() {
    const std::optional<DayRange> range = typedRange();
    if (!range) return;
    title_->setText(tr("Cleaning Database"));
    //: %1 and %2 are the first and the last day of the range, as typed.
    if (context_.messages->confirm(
            this, tr("Do you really want to clean up database from %1 to %2")
                      .arg(startDate_->text(), endDate_->text()))) {
        if (const Result<void> removed = ScoreStore(context_.databases)
                                             .removeDays(databasePath(), range->first, range->last);
            !removed)
            context_.messages->inform(
                this,
                tr("No record was deleted from \"%1\": %2").arg(databasePath(), removed.error()));
        else
            context_.messages->inform(this, tr("Records deleted !"));
    }
    title_->setText(tr(kGeneralTitle));
}

void ScoringSummary::showProgress() {
    const std::optional<DayRange> range = typedRange();
    if (!range) return;
    context_.screens.get<ProgressWindow>(ScreenId::Progress)
        .showProgress(context_.settings.userName(), *range);
    context_.screens.show(ScreenId::Progress);
}

// The summary is unloaded; the main menu comes back unless a practice screen is
// still on show.
void ScoringSummary::end() {
    context_.screens.destroy(ScreenId::ScoringSummary);
    if (!context_.screens.isVisible(ScreenId::AddSubPractice) &&
        !context_.screens.isVisible(ScreenId::MulDivPractice))
        context_.screens.show(ScreenId::MainMenu);
}

std::optional<DayRange> ScoringSummary::typedRange() {
    const Result<DayRange> range =
        readDayRange(startDate_->text(), endDate_->text(), QLocale(), context_.clock->now().date());
    if (!range) {
        context_.messages->inform(this, range.error());
        return std::nullopt;
    }
    return *range;
}

QString ScoringSummary::databasePath() const {
    return context_.users.databasePath(context_.settings.userName());
}
