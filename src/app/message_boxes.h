#pragma once

#include <QString>

class QWidget;

// The program's plain modal message boxes: no icon, OK or OK and Cancel,
// the application's title unless a title is given. Tests answer them.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // OK only.
    virtual void inform(QWidget* parent, const QString& text, const QString& title = {}) = 0;

    // OK and Cancel; true when the user chose OK.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;

    // OK only, without holding anything up: returns at once and the box stays until
    // the user closes it.
    virtual void notify(QWidget* parent, const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text, const QString& title = {}) override;
    bool confirm(QWidget* parent, const QString& text) override;
    void notify(QWidget* parent, const QString& text) override;
};
