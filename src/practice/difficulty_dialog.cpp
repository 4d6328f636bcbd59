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
    {"Command2", Level::Easy, "Easy, hit start when ready"},
    {"Command3", Level::Normal, "Normal, hit start when ready"},
    {"Command4", Level::Difficult, "Dfficult, hit start when ready"},
    {"Command5", Level::MoreDifficult, "More Difficult, hit start when ready"},
    {"Command6", Level::SuperDifficult, "Super Difficult, hit start when ready"},
};

const std::initializer_list<LevelChoice> kFourLevels = {
    {"Command1", Level::Normal, "Normal, hit start when ready"},
    {"Command2", Level::Difficult, "Difficult, hit start when ready"},
    {"Command3", Level::MoreDifficult, "More Difficult, hit start when ready"},
    {"Command5", Level::SuperDifficult, "Super Difficult, hit start when ready"},
};

}  // namespace

DifficultyDialog::DifficultyDialog(AppContext& context, PracticeKind kind)
    : DialogWindow(kind == PracticeKind::AdditionSubtraction ? QStringLiteral("MDff")
                                                             : QStringLiteral("Madff"),
                   QStringLiteral("Difficulty Level Set")) {
    const bool addSub = kind == PracticeKind::AdditionSubtraction;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    auto* prompt = new QLabel(
        addSub ? QStringLiteral("Pick your difficulty") : QStringLiteral("Pick Your Difficult"),
        this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setWordWrap(true);
    prompt->setAlignment(Qt::AlignCenter);
    for (const LevelChoice& choice : addSub ? kFiveLevels : kFourLevels) {
        const QString name = levelName(choice.level);
        QPushButton* button = makeNamedButton(QString::fromLatin1(choice.name), name, 32, this);
        connect(button, &QPushButton::clicked, this, [&context, kind, choice, name, prompt] {
            assignLevel(kind, context.settings.levels, choice.level);
            // Writing the label of a screen not made yet makes it, hidden.
            context.screens.get<PracticeScreen>(screenIdOf(kind)).setLevelLabel(name);
            prompt->setText(QString::fromLatin1(choice.message));
            context.screens.destroy(difficultyDialogIdOf(kind));
        });
        layout->addWidget(button);
    }
    layout->addWidget(prompt);
    setFixedWidth(280);

    freezeFrontPracticeScreen(context.screens);
}
