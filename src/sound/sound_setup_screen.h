#pragma once

#include "app/core/current_settings.h"

#include <QWidget>

#include <array>
#include <optional>

class AppContext;
class MediaPlayer;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// The sound set-up screen, rdwr: one row per award, whose box is that award's sound
// path for the whole program, with a Browse and a Test sound button.
class SoundSetupScreen final : public QWidget {
    Q_OBJECT
public:
    explicit SoundSetupScreen(AppContext& context);

private:
    struct Row {
        QLineEdit* path = nullptr;
        QPushButton* browse = nullptr;
        QLabel* problem = nullptr;
        std::optional<QString> tested;  // the text of the row's last Test sound
    };

    void addRow(int k, QGridLayout* grid);
    void showPaths();
    bool takePath(int row, const QString& path);
    void browse(int row);
    void takeChoice(const QString& path);
    void endBrowsing();
    void testSound(int row);
    void clearProblem(Row& row);
    void showProblem(const QString& path, const QString& reason);

    AppContext& context_;
    MediaPlayer* player_;
    std::array<Row, StoredSettings::kAwardCount> rows_;
    // The row selector: while the chooser is open, only this row's Browse is enabled.
    std::optional<int> browsingRow_;
};
