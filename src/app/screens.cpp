#include "screens.h"

Screens::~Screens() {
    for (auto& [id, screen] : screens_) delete screen.data();
}

void Screens::provide(ScreenId id, Factory factory) {
    factories_[id] = std::move(factory);
}

QWidget* Screens::find(ScreenId id) const {
    const auto it = screens_.find(id);
    return it == screens_.end() ? nullptr : it->second.data();
}

bool Screens::isVisible(ScreenId id) const {
    const QWidget* screen = find(id);
    return screen && screen->isVisible();
}

QWidget* Screens::get(ScreenId id) {
    if (QWidget* screen = find(id)) return screen;
    const auto factory = factories_.find(id);
    if (factory == factories_.end()) return nullptr;
    QWidget* screen = factory->second().release();
    screens_[id] = screen;
    return screen;
}

QWidget* Screens::show(ScreenId id) {
    QWidget* screen = get(id);
    if (!screen) return nullptr;
    screen->show();
    screen->raise();
    screen->activateWindow();
    return screen;
}

void Screens::destroy(ScreenId id) {
    const auto it = screens_.find(id);
    if (it == screens_.end()) return;
    // Deleted once control is back in the event loop, so that a screen may
    // destroy itself from one of its own buttons.
    if (QWidget* screen = it->second.data()) {
        screen->hide();
        screen->deleteLater();
    }
    screens_.erase(it);
}
