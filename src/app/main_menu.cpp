#include "main_menu.h"

#include "after_first_paint.h"
#include "app/core/app_title.h"
#include "app/core/atomic_file.h"
#include "app_context.h"
#include "named_button.h"
#include "named_label.h"
#include "user_commands.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    return makeNamedButton(name, caption, 36, parent);
}

QPushButton* makeLargeButton(const QString& name, const QString& caption, QWidget* parent) {
    QPushButton* button = makeButton(name, caption, parent);
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    button->setFont(font);
    button->setMinimumHeight(72);
    return button;
}

}  // namespace

MainMenu::MainMenu(AppContext& context)
    : context_(context), commands_(new UserCommands(context, this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(appTitle());

    QGroupBox* choices = buildChoices();
    QLabel* credit = makeLabel(QStringLiteral("Label1"),
                               tr("Brenlo Math Practice 2.5.1 - Practice Makes Perfect"), this);
    credit->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addWidget(choices);
    layout->addWidget(credit);
    resize(620, 360);

    connect(&context_.settingsOwner, &SettingsOwner::userNameChanged, userNameBox_,
            &QLineEdit::setText);
    commands_->loadSettings(this);
    // What writers killed before their rename left behind goes once the menu is up.
    runAfterFirstPaint(
        this, [&context] { removeLeftoverTemporaries(context.dataFolder.absolutePath()); });
}

QGroupBox* MainMenu::buildChoices() {
    auto* frame = new QGroupBox(tr("Pick a choice to start"), this);
    frame->setObjectName(QStringLiteral("Math"));

    QPushButton* addSub =
        makeLargeButton(QStringLiteral("Command1"), tr("Addition and Subtraction"), frame);
    QPushButton* mulDiv =
        makeLargeButton(QStringLiteral("Command3"), tr("Multiplication and Division"), frame);
    userNameBox_ = new QLineEdit(frame);
    userNameBox_->setObjectName(QStringLiteral("Text1"));
    userNameBox_->setAccessibleName(tr("User name"));
    userNameBox_->setMinimumHeight(36);
    QPushButton* changeUser =
        makeButton(QStringLiteral("Command6"), tr("<<<-CHANGE USER AND ENTER"), frame);
    QPushButton* summary = makeButton(QStringLiteral("Command4"), tr("Score Summary"), frame);
    QPushButton* restore = makeButton(QStringLiteral("Command5"), tr("Restore  DATABASE"), frame);
    QPushButton* exit =
        makeButton(QStringLiteral("Command2"), tr("Exit out of the program"), frame);

    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    grid->addWidget(addSub, 0, 0);
    grid->addWidget(mulDiv, 0, 1);
    grid->addWidget(userNameBox_, 1, 0);
    grid->addWidget(changeUser, 1, 1);
    grid->addWidget(summary, 2, 0);
    grid->addWidget(restore, 2, 1);
    grid->addWidget(exit, 3, 0, 1, 2);

    connect(addSub, &QPushButton::clicked, this,
            [this] { openPractice(ScreenId::AddSubPractice); });
    connect(mulDiv, &QPushButton::clicked, this,
            [this] { openPractice(ScreenId::MulDivPractice); });
    connect(summary, &QPushButton::clicked, this, &MainMenu::openSummary);
    connect(changeUser, &QPushButton::clicked, this,
            [this] { commands_->changeUser(this, userNameBox_->text()); });
    connect(userNameBox_, &QLineEdit::returnPressed, changeUser, &QPushButton::click);
    connect(restore, &QPushButton::clicked, this, [this] { commands_->restoreDatabase(this); });
    connect(exit, &QPushButton::clicked, this, [this] { context_.endProgram(); });
    return frame;
}

QString MainMenu::userNameBoxText() const {
    return userNameBox_->text();
}

void MainMenu::closeEvent(QCloseEvent* event) {
    event->accept();
    context_.endProgram();
}

void MainMenu::openPractice(ScreenId id) {
    if (!commands_->requireCurrentUser(this)) return;
    if (context_.screens.show(id)) hide();
}

void MainMenu::openSummary() {
    if (commands_->requireCurrentUser(this)) context_.screens.show(ScreenId::ScoringSummary);
}

QString userNameBoxText(const Screens& screens) {
    const auto* menu = screens.find<MainMenu>(ScreenId::MainMenu);
    return menu ? menu->userNameBoxText() : QString();
}
