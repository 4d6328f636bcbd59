#pragma once

class AppContext;
class QWidget;

// Once `window` has painted: when the class configuration names a server, starts
// sending the sheets to it, and says once per run, without holding anything up, that
// they wait on this computer while it cannot be reached. A configuration that cannot
// be used is named in one message; without one nothing of this runs.
void startClassServer(AppContext& context, QWidget* window);
