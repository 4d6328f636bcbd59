#pragma once

#include <QPushButton>

// A button known by its control name, whose caption a screen reader speaks.
inline QPushButton* makeNamedButton(const QString& name, const QString& caption, int minimumHeight,
                                    QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setMinimumHeight(minimumHeight);
    return button;
}
