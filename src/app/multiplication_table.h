#pragma once

#include <QWidget>

// Form6: a nine by nine multiplication table in editable boxes. What the user
// types is never kept: the window is made afresh each time it is shown.
class MultiplicationTable : public QWidget {
    Q_OBJECT
public:
    explicit MultiplicationTable(QWidget* parent = nullptr);
};
