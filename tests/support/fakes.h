#pragma once

#include "app/core/program_launcher.h"
#include "app/file_dialogs.h"
#include "app/message_boxes.h"
#include "app/window_printer.h"
#include "sound/core/audio_output.h"

#include <QList>
#include <QStringList>

// Each records what would have gone outside and answers as the test sets it.

// Every text shown, with its title; the OK/Cancel questions are answered from the
// script, OK once it has run out.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget*, const QString& text, const QString& title = {}) override {
        texts << text;
        titles << title;
    }
    bool confirm(QWidget* parent, const QString& text) override {
        inform(parent, text);
        return answers.isEmpty() || answers.takeFirst();
    }
    void notify(QWidget* parent, const QString& text) override { inform(parent, text); }
    QStringList texts, titles;
    QList<bool> answers;  // true: OK, false: Cancel
};

class RecordingAudio final : public AudioOutput {
public:
    void play(const QString& filePath) override { played.append(filePath); }
    QStringList played;
};

class RecordingPrinter final : public WindowPrinter {
public:
    Result print(QWidget& window) override {
        printed.append(&window);
        return outcome;
    }
    QList<QWidget*> printed;
    Result outcome;
};

class RecordingLauncher final : public ProgramLauncher {
public:
    Result<void> openInTextEditor(const QString& filePath, const QString& workingFolder) override {
        opened.append({filePath, workingFolder});
        return outcome;
    }
    QList<QStringList> opened;  // file, working folder
    Result<void> outcome;
};

// Answers the save dialog with `answer` and the filter's file type `type`.
class AnsweringFileDialogs final : public FileDialogs {
public:
    QString saveFileName(QWidget*, const QString&, const QString&, const QString& filter,
                         QString* chosen) override {
        if (chosen) *chosen = filter.split(QStringLiteral(";;")).value(type);
        return answer;
    }
    QString answer;
    int type = 0;  // the filter's offered file types, in order
};
