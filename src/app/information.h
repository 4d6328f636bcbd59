#pragma once

class AppContext;
class MessageBoxes;
class QWidget;

// The release notes "rel.txt" of the data folder, in the desktop's text editor;
// the program does not wait for it. Each request starts another editor.
void openReleaseNotes(AppContext& context, QWidget* parent);

void showSystemRequirement(MessageBoxes& messages, QWidget* parent);
