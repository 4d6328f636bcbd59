#pragma once

#include <QLabel>

// A label known by its control name, as the screens' tests and a screen reader find it.
inline QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}
