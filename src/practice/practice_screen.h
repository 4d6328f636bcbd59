#pragma once

#include "practice/core/sheet.h"
#include "practice/core/sheet_answers.h"
#include "practice_controls.h"
#include "scores/core/practice_kind.h"

#include <QMainWindow>

class AppContext;
class Countdown;
class MediaPlayer;
class ScoreQueue;

// A practice screen (Form1 or Form2): one sheet of 18 problems, its countdown, its
// marking and award, and the storing of its score. Created once and then only
// hidden and shown again; its countdown runs on while it is hidden.
class PracticeScreen final : public QMainWindow {
    Q_OBJECT
public:
    PracticeScreen(AppContext& context, PracticeKind kind);

    // Stops the countdown and locks the answers until the next Start.
    void freeze();
    void setSpeedLabel(const QString& minutes);
    void setLevelLabel(const QString& level);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectMenus();
    void showCaption();
    void switchScreen();
    void connectScores();
    void openDatabase();
    // A new sheet: the level's ordinary draw, or one of the child's own mistakes.
    void start(bool mistakes);
    SheetOperands drawMistakes(const LevelParameters& levels);
    void checkButton();
    // Marks the sheet and gives its answers as they are to be stored.
    QList<AnswerRecord> checkRoutine();
    void timeUp();
    void showTick(const QDateTime& now, int minute);
    void armCountdown(int minutes);
    void showOperands(const SheetOperands& operands);
    void describeProblem(int i);
    void clearAnswers();
    void storeRecordOnce(const QList<AnswerRecord>& answers);

    AppContext& context_;
    const PracticeKind kind_;
    PracticeControls controls_;
    Countdown* countdown_;
    MediaPlayer* mediaPlayer_;
    ScoreQueue* scores_;
    QDateTime sheetStart_;  // the countdown's start
    ChangeTimes changedSeconds_;
    QString round_ = kOrdinaryRound;  // stored with each answer
    // A sheet counts once in the averages however often it is checked.
    bool sheetRecorded_ = false;
    // A screen made hidden by a speed choice must not reach a time-up with a
    // sheet the user never saw, so the first countdown starts at the first showing.
    bool firstCountdownPending_ = true;
};
