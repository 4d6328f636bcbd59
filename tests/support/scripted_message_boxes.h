#pragma once

#include "app/message_boxes.h"

#include <QList>
#include <QStringList>

// Records every message and answers the OK/Cancel questions from a script
// (OK when the script has run out), so tests need no modal loop.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        bool question = false;
    };

    void inform(QWidget*, const QString& text, const QString& title = {}) override {
        shown.append({text, title, false});
    }
    bool confirm(QWidget*, const QString& text) override {
        shown.append({text, {}, true});
        return answers.isEmpty() || answers.takeFirst();
    }

    QStringList texts() const {
        QStringList result;
        for (const Shown& message : shown) result.append(message.text);
        return result;
    }

    QList<Shown> shown;
    QList<bool> answers;  // true: OK, false: Cancel
};
