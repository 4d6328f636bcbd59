#include "speed_dialog.h"

#include "practice_screen.h"
#include "practice_screens.h"
#include "scores/core/score_vocabulary.h"

#include "app/app_context.h"
#include "app/core/number_text.h"
#include "app/named_button.h"
#include "app/named_label.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

// One per speed, in the order of kSpeedMinutes.
struct SpeedChoice {
    const char* name;
    const char* caption;
    const char* message;
};

constexpr SpeedChoice kChoices[] = {
    {"Command1", QT_TRANSLATE_NOOP("SpeedDialog", "Slowest - 20  minutes"),
     QT_TRANSLATE_NOOP(
         "SpeedDialog",
         "Your time is about 20 mintues, close this windows, and hit start when ready")},
    {"Command2", QT_TRANSLATE_NOOP("SpeedDialog", "Not so slow - 15 mins"),
     QT_TRANSLATE_NOOP(
         "SpeedDialog",
         "Your time is about 15 mintues, close this windows, and hit start when ready")},
    {"Command3", QT_TRANSLATE_NOOP("SpeedDialog", "Normal -- 10 minutes"),
     QT_TRANSLATE_NOOP(
         "SpeedDialog",
         "Your time is about 10 mintues, close this windows, and hit start when ready")},
    {"Command4", QT_TRANSLATE_NOOP("SpeedDialog", "Fast - 5  minutes"),
     QT_TRANSLATE_NOOP(
         "SpeedDialog",
         "Your time is about 5 mintues, close this windows, and hit start when ready")},
    {"Command5", QT_TRANSLATE_NOOP("SpeedDialog", "Fastest - 1 to 2 minutes"),
     QT_TRANSLATE_NOOP("SpeedDialog",
                       "Your time is about 2 mintues, close this windows, and start when ready")},
};
static_assert(std::size(kChoices) == kSpeedMinutes.size());

}  // namespace

SpeedDialog::SpeedDialog(AppContext& context)
    : DialogWindow(QStringLiteral("Speed"), tr("Speed/Timing Set")), context_(context) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    for (size_t i = 0; i < kSpeedMinutes.size(); ++i) {
        const SpeedChoice& choice = kChoices[i];
        QPushButton* button =
            makeNamedButton(QString::fromLatin1(choice.name), tr(choice.caption), 32, this);
        connect(button, &QPushButton::clicked, this,
                [this, i] { choose(kSpeedMinutes[i], tr(kChoices[i].message)); });
        layout->addWidget(button);
    }
    prompt_ = new QLabel(tr("PICK ONE"), this);
    prompt_->setObjectName(QStringLiteral("Label1"));
    prompt_->setWordWrap(true);
    prompt_->setAlignment(Qt::AlignCenter);
    QFont heavy = prompt_->font();
    heavy.setWeight(QFont::Black);
    prompt_->setFont(heavy);
    layout->addWidget(prompt_);
    QPushButton* close = makeNamedButton(
        QStringLiteral("Command6"), tr("Close this Window and Set Level of Difficulty"), 32, this);
    connect(close, &QPushButton::clicked, this, &SpeedDialog::closeAndPickDifficulty);
    layout->addWidget(close);
    minutes_ = makeLabel(QStringLiteral("Label2"), QString(), this);
    minutes_->hide();
    setFixedWidth(320);

    freezeFrontPracticeScreen(context.screens);
}

void SpeedDialog::choose(int minutes, const QString& message) {
    minutes_->setText(speedText(minutes));
    for (const PracticeKind kind : kPracticeKinds)
        context_.screens.get<PracticeScreen>(screenIdOf(kind)).setSpeedLabel(minutes_->text());
    context_.settings.speedMins = leadingWholeNumber(minutes_->text());
    prompt_->setText(message);
}

// Only hidden: showing it again before the next check does not freeze again.
void SpeedDialog::closeAndPickDifficulty() {
    hide();
    context_.screens.show(difficultyDialogIdOf(frontPracticeKind(context_.screens)));
}
