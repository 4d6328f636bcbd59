#include "sound_setup_screen.h"

#include "sound_chooser.h"

#include "app/app_context.h"
#include "app/named_button.h"
#include "app/named_label.h"
#include "sound/core/media_player.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct RowText {
    const char* award;
    const char* browse;
    const char* test;
};

constexpr std::array<RowText, StoredSettings::kAwardCount> kRows{{
    {QT_TRANSLATE_NOOP("SoundSetupScreen", "Not Good...need more practice"), "Command1",
     "Command9"},
    {QT_TRANSLATE_NOOP("SoundSetupScreen", "Good Job"), "Command5", "Command10"},
    {QT_TRANSLATE_NOOP("SoundSetupScreen", "Excellent"), "Command6", "Command11"},
    {QT_TRANSLATE_NOOP("SoundSetupScreen", "Impressive... close to perfection"), "Command7",
     "Command12"},
    {QT_TRANSLATE_NOOP("SoundSetupScreen", "Perfect"), "Command8", "Command13"},
}};

constexpr int kButtonHeight = 30;
const QColor kProblemColour(160, 0, 0);

QPushButton* makeButton(const char* name, const QString& caption, const QString& spoken,
                        QWidget* parent) {
    QPushButton* button =
        makeNamedButton(QString::fromLatin1(name), caption, kButtonHeight, parent);
    button->setAccessibleName(spoken);
    return button;
}

}  // namespace

SoundSetupScreen::SoundSetupScreen(AppContext& context)
    : context_(context),
      player_(new MediaPlayer(*context.audio, context.dataFolder.absolutePath(), this)) {
    setObjectName(QStringLiteral("rdwr"));
    setWindowTitle(tr("Set sound"));

    QLabel* heading =
        makeLabel(QStringLiteral("Label4"), tr("Set your own sound file,Score/History path"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    // The score/history path has no working control: this Browse is never shown.
    QPushButton* historyBrowse = makeButton("Command2", tr("Browse"), tr("Browse"), this);
    historyBrowse->hide();
    connect(historyBrowse, &QPushButton::clicked, this,
            [this] { context_.messages->inform(this, tr("Not implmented yet")); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    grid->addWidget(makeLabel(QStringLiteral("Label1"), tr("Sound Files"), this), 0, 1);
    for (int k = 0; k < StoredSettings::kAwardCount; ++k) addRow(k, grid);
    //: A button that closes this window.
    QPushButton* end = makeButton("Command4", tr("End"), tr("End"), this);
    grid->addWidget(end, 1 + 2 * StoredSettings::kAwardCount, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(heading);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addStretch();
    resize(780, 380);

    connect(end, &QPushButton::clicked, this, &QWidget::close);
    connect(&context_.settingsOwner, &SettingsOwner::awardPathsChanged, this,
            &SoundSetupScreen::showPaths);
    connect(player_, &MediaPlayer::cannotPlay, this, &SoundSetupScreen::showProblem);
    showPaths();
}

// An award's row: its name, its path, Browse and Test sound, and below them the
// reason its last test did not play.
void SoundSetupScreen::addRow(int k, QGridLayout* grid) {
    const QString award = tr(kRows[k].award);
    Row& row = rows_[k];
    QLabel* label = makeLabel(QStringLiteral("Label5_%1").arg(k), award, this);
    row.path = new QLineEdit(this);
    row.path->setObjectName(QStringLiteral("Text1_%1").arg(k));
    row.path->setAccessibleName(tr("Sound file for %1").arg(award));
    row.path->setMinimumSize(280, kButtonHeight);
    label->setBuddy(row.path);
    row.browse = makeButton(kRows[k].browse, tr("Browse"), tr("Browse for %1").arg(award), this);
    QPushButton* test =
        makeButton(kRows[k].test, tr("Test sound"), tr("Test sound for %1").arg(award), this);
    row.problem = makeLabel(QStringLiteral("problem_%1").arg(k), QString(), this);
    QPalette palette = row.problem->palette();
    palette.setColor(QPalette::WindowText, kProblemColour);
    row.problem->setPalette(palette);
    row.problem->setWordWrap(true);

    const int line = 1 + 2 * k;
    grid->addWidget(label, line, 0);
    grid->addWidget(row.path, line, 1);
    grid->addWidget(row.browse, line, 2);
    grid->addWidget(test, line, 3);
    grid->addWidget(row.problem, line + 1, 1, 1, 3);

    connect(row.path, &QLineEdit::textEdited, this,
            [this, k](const QString& text) { takePath(k, text); });
    connect(row.browse, &QPushButton::clicked, this, [this, k] { browse(k); });
    connect(test, &QPushButton::clicked, this, [this, k] { testSound(k); });
}

void SoundSetupScreen::showPaths() {
    for (int k = 0; k < StoredSettings::kAwardCount; ++k) {
        const QString& path = context_.settings.stored.awardSoundPaths[k];
        Row& row = rows_[k];
        // Only a changed text is set, so that the box being typed in keeps its cursor.
        if (row.path->text() != path) row.path->setText(path);
        // A reason found for the row's old path says nothing about the new one.
        if (row.tested && *row.tested != path) clearProblem(row);
    }
}

// Typed or chosen, a path the settings file cannot hold is refused; the box goes back.
bool SoundSetupScreen::takePath(int row, const QString& path) {
    const Result<void> taken = context_.settingsOwner.setAwardPath(row, path);
    if (taken) return true;
    rows_[row].path->setText(context_.settings.stored.awardSoundPaths[row]);
    context_.messages->inform(this,
                              tr("A sound path that %1 cannot be kept in the settings file \"%2\"; "
                                 "the sound for \"%3\" stays as it was.")
                                  .arg(taken.error(), context_.settingsOwner.file().path(),
                                       tr(kRows[row].award)));
    return false;
}

// Pressed again while the chooser is open, it only brings the chooser to the front.
void SoundSetupScreen::browse(int row) {
    browsingRow_ = row;
    for (int k = 0; k < StoredSettings::kAwardCount; ++k) rows_[k].browse->setEnabled(k == row);
    // A closed chooser may wait for its deletion still; the next one is made afresh.
    if (!context_.screens.isVisible(ScreenId::SoundChooser))
        context_.screens.destroy(ScreenId::SoundChooser);
    const bool fresh = !context_.screens.find(ScreenId::SoundChooser);
    auto* chooser = qobject_cast<SoundChooser*>(context_.screens.show(ScreenId::SoundChooser));
    if (!fresh) return;
    connect(chooser, &SoundChooser::chosen, this, &SoundSetupScreen::takeChoice);
    connect(chooser, &SoundChooser::closed, this, &SoundSetupScreen::endBrowsing);
}

// The choice is kept even when the file cannot be written; the next change of user or
// Select writes it.
void SoundSetupScreen::takeChoice(const QString& path) {
    if (!browsingRow_ || !takePath(*browsingRow_, path)) return;
    if (const Result<void> saved = context_.settingsOwner.saveAwardPaths(); !saved) {
        context_.messages->inform(this,
                                  tr("The settings file \"%1\" could not be written: %2\n"
                                     "The sound you chose is used now, but it is not saved yet.")
                                      .arg(context_.settingsOwner.file().path(), saved.error()));
    }
}

void SoundSetupScreen::endBrowsing() {
    browsingRow_.reset();
    for (Row& row : rows_) row.browse->setEnabled(true);
}

void SoundSetupScreen::testSound(int row) {
    Row& tested = rows_[row];
    clearProblem(tested);
    tested.tested = tested.path->text();
    player_->play(*tested.tested);
}

void SoundSetupScreen::clearProblem(Row& row) {
    row.tested.reset();
    row.problem->setText(QString());  // clear() would leave it no text label, of no height
    row.path->setAccessibleDescription(QString());
}

// Beside every row whose last test was this path, until that row is tested again or
// takes another path.
void SoundSetupScreen::showProblem(const QString& path, const QString& reason) {
    const QString text = tr("Not played: %1").arg(reason);
    for (Row& row : rows_) {
        if (row.tested != path) continue;
        row.problem->setText(text);
        row.path->setAccessibleDescription(text);
    }
}
