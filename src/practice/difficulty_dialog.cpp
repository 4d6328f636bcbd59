#include "difficulty_dialog.h"

#include "practice/core/levels.h"
#include "practice_screen.h"
#include "practice_screens.h"

#include "app/app_context.h"
#include "app/named_button.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

struct LevelChoice {
    const char* name;
    Level level;
    const char* message;
};

const std::initializer_list<LevelChoice> kFiveLevels = {
    {"Command2", Level::Easy, QT_TRANSLATE_NOOP("DifficultyDialog", "Easy, hit start when ready")},
    {"Command3", Level::Normal,
     QT_TRANSLATE_NOOP("DifficultyDialog", "Normal, hit start when ready")},
    {"Command4", Level::Difficult,
     QT_TRANSLATE_NOOP("DifficultyDialog", "Dfficult, hit start when ready")},
    {"Command5", Level::MoreDifficult,
     QT_TRANSLATE_NOOP("DifficultyDialog", "More Difficult, hit start when ready")},
    {"Command6", Level::SuperDifficult,
     QT_TRANSLATE_NOOP("DifficultyDialog", "Super Difficult, hit start when ready")},
};

const std::initializer_list<LevelChoice> kFourLevels = {
    {"Command1", Level::Normal,
     QT_TRANSLATE_NOOP("DifficultyDialog", "Normal, hit start when ready")},
    {"Command2", Level::Difficult,
     QT_TRANSLATE_NOOP("DifficultyDialog", "Difficult, hit start when ready")},
    {"Command3", Level::MoreDifficult,
     QT_TRANSLATE_NOOP("DifficultyDialog", "More Difficult, hit start when ready")},
    {"Command5", Level::SuperDifficult,
     QT_TRANSLATE_NOOP("DifficultyDialog", "Super Difficult, hit start when ready")},
};

}  // namespace

DifficultyDialog::DifficultyDialog(AppContext& context, PracticeKind kind)
    : DialogWindow(kind == PracticeKind::AdditionSubtraction ? QStringLiteral("MDff")
                                                             : QStringLiteral("Madff"),
                   tr("Difficulty Level Set")) {
    const bool addSub = kind == PracticeKind::AdditionSubtraction;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* prompt =
        new QLabel(addSub ? tr("Pick your difficulty") : tr("Pick Your Difficult"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setWordWrap(true);
    prompt->setAlignment(Qt::AlignCenter);
    for (const LevelChoice& choice : addSub ? kFiveLevels : kFourLevels) {
        const QString name = levelName(choice.level);
        QPushButton* button =
            makeNamedButton(QString::fromLatin1(choice.name), shownText(name), 32, this);
        connect(button, &QPushButton::clicked, this, [&context, kind, choice, name, prompt] {
            assignLevel(kind, context.settings.levels, choice.level);
            // Writing the label of a screen not made yet makes it, hidden.
            context.screens.get<PracticeScreen>(screenIdOf(kind)).setLevelLabel(name);
            prompt->setText(tr(choice.message));
            context.screens.destroy(difficultyDialogIdOf(kind));
        });
        layout->addWidget(button);
    }
    layout->addWidget(prompt);
    setFixedWidth(280);

    freezeFrontPracticeScreen(context.screens);
}
