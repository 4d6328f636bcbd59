#pragma once

#include <QWidget>

// about: how the program came about, and its credits.
class AboutScreen final : public QWidget {
    Q_OBJECT
public:
    explicit AboutScreen(QWidget* parent = nullptr);
};
