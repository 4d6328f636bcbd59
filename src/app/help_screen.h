#pragma once

#include <QWidget>

// Form4: how to move through a sheet, and whom to ask.
class HelpScreen final : public QWidget {
    Q_OBJECT
public:
    explicit HelpScreen(QWidget* parent = nullptr);
};
