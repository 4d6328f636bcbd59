#include "sound_screens.h"

#include "sound_chooser.h"
#include "sound_setup_screen.h"

#include "app/app_context.h"

void provideSoundScreens(AppContext& context) {
    context.screens.provide(ScreenId::SoundSetup,
                            [&context] { return std::make_unique<SoundSetupScreen>(context); });
    context.screens.provide(ScreenId::SoundChooser,
                            [&context] { return std::make_unique<SoundChooser>(context); });
}
