#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

enum class ScreenId {
    MainMenu,             // Form3
    AddSubPractice,       // Form1
    MulDivPractice,       // Form2
    Speed,                // Speed
    FiveLevelDifficulty,  // MDff
    FourLevelDifficulty,  // Madff
    ScoringSummary,       // Form5
    Progress,             // the summary's progress window
    SoundSetup,           // rdwr
    SoundChooser,         // sound0
    Help,                 // Form4
    About,                // about
    MultiplicationTable,  // Form6
};

// The one owner of every screen: each exists at most once, is created on first
// use by the factory its subsystem provided, and lives until it is closed with
// WA_DeleteOnClose, destroyed here, or the program ends.
class Screens {
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    Screens() = default;
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;
    ~Screens();

    void provide(ScreenId id, Factory factory);

    // The screen if it exists now; never creates it.
    QWidget* find(ScreenId id) const;
    template <typename Screen>
    Screen* find(ScreenId id) const {
        return qobject_cast<Screen*>(find(id));
    }
    // A screen that does not exist counts as not visible.
    bool isVisible(ScreenId id) const;
    // The screen, created on first use; null when no subsystem provides it.
    QWidget* get(ScreenId id);
    // The screen of a kind its subsystem provides, created on first use.
    template <typename Screen>
    Screen& get(ScreenId id) {
        return *qobject_cast<Screen*>(get(id));
    }
    // Creates the screen if need be, shows it and brings it to the front.
    QWidget* show(ScreenId id);
    // Hides the screen and forgets it at once; the next use makes it afresh.
    void destroy(ScreenId id);

private:
    std::map<ScreenId, Factory> factories_;
    std::map<ScreenId, QPointer<QWidget>> screens_;
};
