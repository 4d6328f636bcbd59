#pragma once

class AppContext;

// Lets the screen owner create the sound set-up screen and the sound file chooser.
void provideSoundScreens(AppContext& context);
