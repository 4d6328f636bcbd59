#include "practice_screen.h"

#include "practice/core/awards.h"
#include "practice/core/clock_texts.h"
#include "practice/core/countdown.h"
#include "practice/core/levels.h"
#include "practice/core/marking.h"
#include "practice/core/score_queue.h"
#include "practice_menus.h"
#include "practice_screens.h"
#include "sheet_view.h"

#include "app/app_context.h"
#include "app/core/number_text.h"
#include "app/information.h"
#include "app/print_action.h"
#include "practice_titles.h"
#include "scores/core/date_texts.h"
#include "sound/core/media_player.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int kFirstSpeedMins = 15;
const char* const kTimeUp = QT_TRANSLATE_NOOP("PracticeScreen", "Your time's up");

}  // namespace

PracticeScreen::PracticeScreen(AppContext& context, PracticeKind kind)
    : context_(context),
      kind_(kind),
      controls_(buildPracticeControls(kind, this)),
      countdown_(new Countdown(*context.clock, this)),
      mediaPlayer_(new MediaPlayer(*context.audio, context.dataFolder.absolutePath(), this)),
      scores_(new ScoreQueue(context.databases, *context.clock, this)) {
    const bool addSub = kind == PracticeKind::AdditionSubtraction;
    setObjectName(addSub ? QStringLiteral("Form1") : QStringLiteral("Form2"));

    connect(controls_.start, &QPushButton::clicked, this, [this] { start(false); });
    connect(controls_.check, &QPushButton::clicked, this, &PracticeScreen::checkButton);
    connect(controls_.marking, &QPushButton::clicked, this, &PracticeScreen::checkRoutine);
    connect(controls_.print, &QPushButton::clicked, this, [this] { printWindow(context_, *this); });
    connect(controls_.quit, &QPushButton::clicked, this, [this] { context_.endProgram(); });
    if (controls_.hint)
        connect(controls_.hint, &QPushButton::clicked, this,
                [this] { context_.screens.show(ScreenId::MultiplicationTable); });
    connectMenus();
    connect(&context.settingsOwner, &SettingsOwner::userNameChanged, this,
            &PracticeScreen::showCaption);
    for (int i = 0; i < kProblemCount; ++i)
        connect(controls_.sheet->answer(i), &QLineEdit::textChanged, this, [this, i] {
            changedSeconds_[i] = sheetStart_.msecsTo(context_.clock->now()) / 1000.0;
        });
    connect(countdown_, &Countdown::ticked, this, &PracticeScreen::showTick);
    connect(countdown_, &Countdown::timeUp, this, &PracticeScreen::timeUp);
    connectScores();
    openDatabase();
    context.random->seed(quint64(context.clock->now().toMSecsSinceEpoch()));
    LevelParameters& levels = context.settings.levels;
    if (!addSub) {
        controls_.scoreCount->setText(QStringLiteral("0"));
        assignMulDivLoad(levels);
    }
    clearAnswers();
    showOperands(addSub ? drawFirstAddSubSheet(*context.random)
                        : drawSheet(kind, levels, *context.random));
    controls_.sheet->setAnswersLocked(false);
    context.settings.speedMins = kFirstSpeedMins;
    controls_.speed->setText(QString::number(context.settings.speedMins));
    controls_.level->setText(shownText(levelName(Level::Normal)));
}

void PracticeScreen::freeze() {
    firstCountdownPending_ = false;
    countdown_->stop();
    controls_.sheet->setAnswersLocked(true);
}

void PracticeScreen::setSpeedLabel(const QString& minutes) {
    controls_.speed->setText(minutes);
}

void PracticeScreen::setLevelLabel(const QString& level) {
    controls_.level->setText(shownText(level));
}

// Every way onto the screen, and every change of user, shows the current user in the
// caption. The first countdown runs for the minutes the speed label shows.
void PracticeScreen::showEvent(QShowEvent* event) {
    showCaption();
    QMainWindow::showEvent(event);
    if (!firstCountdownPending_) return;
    firstCountdownPending_ = false;
    armCountdown(leadingWholeNumber(controls_.speed->text()));
}

void PracticeScreen::showCaption() {
    setWindowTitle(practiceWindowTitle(kind_, context_.settings.userName()));
}

void PracticeScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    context_.endProgram();
}

void PracticeScreen::connectMenus() {
    const std::map<MenuCommand, QAction*> actions = buildPracticeMenus(kind_, menuBar());
    const auto on = [this, &actions](MenuCommand command, auto action) {
        connect(actions.at(command), &QAction::triggered, this, action);
    };
    const std::pair<MenuCommand, ScreenId> shownScreens[] = {
        {MenuCommand::FileLocation, ScreenId::SoundSetup},
        {MenuCommand::ReportSummary, ScreenId::ScoringSummary},
        {MenuCommand::Speed, ScreenId::Speed},
        {MenuCommand::Difficulty, difficultyDialogIdOf(kind_)},
        {MenuCommand::AboutProgram, ScreenId::About},
        {MenuCommand::Help, ScreenId::Help},
    };
    for (const auto& [command, id] : shownScreens)
        on(command, [this, id] { context_.screens.show(id); });
    on(MenuCommand::SwitchScreen, [this] { switchScreen(); });
    on(MenuCommand::Mistakes, [this] { start(true); });
    on(MenuCommand::Exit, [this] { context_.endProgram(); });
    on(MenuCommand::ReleaseNotes, [this] { openReleaseNotes(context_, this); });
    on(MenuCommand::SystemRequirement, [this] { showSystemRequirement(*context_.messages, this); });
}

// The screen left keeps its sheet and its countdown runs on.
void PracticeScreen::switchScreen() {
    hide();
    context_.screens.show(screenIdOf(otherKind(kind_)));
}

void PracticeScreen::start(bool mistakes) {
    controls_.scoreCount->setText(QStringLiteral("0"));
    LevelParameters& levels = context_.settings.levels;
    if (storedText(controls_.level->text()) == levelName(Level::Normal))
        assignLevel(kind_, levels, Level::Normal);
    clearAnswers();
    round_ = kOrdinaryRound;
    showOperands(mistakes ? drawMistakes(levels) : drawSheet(kind_, levels, *context_.random));
    controls_.sheet->setAnswersLocked(false);
    sheetRecorded_ = false;
    armCountdown(context_.settings.speedMins);
    controls_.speed->setText(QString::number(context_.settings.speedMins));
}

void PracticeScreen::checkButton() {
    controls_.scoreCount->setText(QStringLiteral("0"));
    countdown_->stop();
    const QList<AnswerRecord> answers = checkRoutine();
    context_.screens.destroy(ScreenId::Speed);
    storeRecordOnce(answers);
}

// The check routine of the check button, the time-up and the hidden Command2.
QList<AnswerRecord> PracticeScreen::checkRoutine() {
    controls_.scoreCount->setText(QStringLiteral("0"));
    controls_.sheet->setAnswersLocked(true);
    const SheetView& sheet = *controls_.sheet;
    std::array<QString, kOperandCount> operands;
    for (int k = 0; k < kOperandCount; ++k) operands[k] = sheet.operand(k)->text();
    std::array<QString, kProblemCount> answers;
    for (int i = 0; i < kProblemCount; ++i) answers[i] = sheet.answer(i)->text();

    const Marking marking = markSheet(kind_, operands, answers);
    for (int i = 0; i < kProblemCount; ++i) {
        sheet.correction(i)->setText(marking.corrections[i]);
        sheet.mark(i)->setText(marking.right[i] ? QStringLiteral("1") : QStringLiteral("0"));
        describeProblem(i);
    }
    controls_.scoreCount->setText(QString::number(marking.count));

    const int award = awardFor(leadingWholeNumber(controls_.scoreCount->text()));
    mediaPlayer_->play(context_.settings.stored.awardSoundPaths[award]);
    context_.messages->inform(this, awardMessage(award));
    QList<AnswerRecord> records = sheetAnswers(kind_, operands, answers, marking, changedSeconds_);
    for (AnswerRecord& record : records) record.round = round_;
    return records;
}

void PracticeScreen::timeUp() {
    countdown_->stop();
    context_.messages->inform(this, tr(kTimeUp));
    controls_.sheet->setAnswersLocked(true);
    storeRecordOnce(checkRoutine());
    countdown_->stop();
}

void PracticeScreen::showTick(const QDateTime& now, int minute) {
    const QLocale locale;
    controls_.date->setText(dateLabelText(now.date(), locale));
    controls_.clock->setText(clockLabelText(now.time(), locale));
    controls_.minute->setText(QString::number(minute));
}

void PracticeScreen::armCountdown(int minutes) {
    sheetStart_ = context_.clock->now();
    controls_.endMinute->setText(QString::number(countdown_->arm(minutes)));
}

void PracticeScreen::showOperands(const SheetOperands& operands) {
    const SheetView& sheet = *controls_.sheet;
    for (int k = 0; k < kOperandCount; ++k) sheet.operand(k)->setText(QString::number(operands[k]));
    for (int i = 0; i < kProblemCount; ++i) describeProblem(i);
}

// Tells a screen reader the problem behind each answer box, and its correction.
void PracticeScreen::describeProblem(int i) {
    const SheetView& sheet = *controls_.sheet;
    QString description =
        //: A problem for a screen reader: the numbers and the operation's word.
        tr("%1 %2 %3")
            .arg(sheet.operand(2 * i)->text(),
                 QCoreApplication::translate("Operation", operationOf(kind_, i).word),
                 sheet.operand(2 * i + 1)->text());
    const QString correction = sheet.correction(i)->text();
    if (!correction.isEmpty()) description += tr(", the right answer is ") + correction;
    sheet.answer(i)->setAccessibleDescription(description);
}

void PracticeScreen::clearAnswers() {
    const SheetView& sheet = *controls_.sheet;
    for (int i = 0; i < kProblemCount; ++i) {
        sheet.answer(i)->clear();
        sheet.correction(i)->clear();
        sheet.mark(i)->setText(QStringLiteral("0"));
    }
    changedSeconds_.fill(std::nullopt);
}
