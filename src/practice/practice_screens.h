#pragma once

class AppContext;

// Registers both practice screens with the screen owner.
void providePracticeScreens(AppContext& context);
