// The practice screen's dealings with the score database: the check when it opens,
// the reading of the child's mistakes, and the store of each checked sheet with what
// the child is told when it fails.
#include "practice_screen.h"

#include "practice/core/mistakes_draw.h"
#include "practice/core/score_queue.h"
#include "scores/core/date_texts.h"
#include "scores/core/score_store.h"
#include "scores/core/score_vocabulary.h"

#include "app/app_context.h"
#include "app/core/number_text.h"

#include <QCoreApplication>
#include <QLabel>
#include <QUuid>

void PracticeScreen::connectScores() {
    connect(scores_, &ScoreQueue::stored, this, [this] { context_.sheetStored(); });
    connect(scores_, &ScoreQueue::failed, this, [this](const QString& path, const QString& reason) {
        context_.messages->inform(this,
                                  tr("The score of this sheet could not be saved in \"%1\": %2\n"
                                     "It is kept and tried again at the next check.")
                                      .arg(path, reason));
    });
    // After the event loop has ended a message box still runs, so a score lost at the
    // end is told.
    connect(qApp, &QCoreApplication::aboutToQuit, scores_, &ScoreQueue::storeBeforeEnd);
    connect(scores_, &ScoreQueue::lost, this, [this](const QString& path, const QString& reason) {
        context_.messages->inform(this,
                                  tr("The score of a sheet could not be saved in \"%1\" before the "
                                     "program ended: %2")
                                      .arg(path, reason));
    });
}

// Only proves the user's database can take scores; every record opens it afresh.
void PracticeScreen::openDatabase() {
    const QString path = context_.users.databasePath(context_.settings.userName());
    if (const Result<void> checked = ScoreStore(context_.databases).check(path); !checked)
        context_.messages->inform(
            this, tr("Scores cannot be saved in \"%1\": %2").arg(path, checked.error()));
}

// Says why it falls back to an ordinary sheet before the countdown starts.
SheetOperands PracticeScreen::drawMistakes(const LevelParameters& levels) {
    const QDate today = context_.clock->now().date();
    const QString path = context_.users.databasePath(context_.settings.userName());
    const Result<QList<StoredAnswer>> answers =
        ScoreStore(context_.databases)
            .answersToPractise(path, storedText(controls_.category->text()),
                               today.addDays(-kMistakeDays), today, kKnownAnswers);
    if (!answers) {
        context_.messages->inform(this, tr("Your mistakes could not be read from \"%1\": %2\n"
                                           "Here is an ordinary sheet instead.")
                                            .arg(path, answers.error()));
        return drawSheet(kind_, levels, *context_.random);
    }
    const MistakesSheet drawn = drawMistakesSheet(kind_, levels, *answers, today, *context_.random);
    if (drawn.fromAnswers)
        round_ = kMistakesRound;
    else
        context_.messages->inform(this,
                                  tr("There are no answers of yours from the last %n days yet, "
                                     "so here is an ordinary sheet.",
                                     nullptr, kMistakeDays));
    return drawn.operands;
}

// A later check of a recorded sheet tries again what could not be stored.
void PracticeScreen::storeRecordOnce(const QList<AnswerRecord>& answers) {
    if (sheetRecorded_) {
        scores_->storeQueued();
        return;
    }
    // A check before the first tick finds the date label still empty; today is what it would show.
    const QDate day =
        readDateLabel(controls_.date->text(), QLocale()).value_or(context_.clock->now().date());
    const ScoreRecord record{day, leadingWholeNumber(controls_.scoreCount->text()),
                             controls_.speed->text(), storedText(controls_.level->text()),
                             storedText(controls_.category->text())};
    sheetRecorded_ = true;
    scores_->store(context_.users.databasePath(context_.settings.userName()),
                   {QUuid::createUuid().toString(QUuid::WithoutBraces), record, answers});
}
