#include "practice_controls.h"

#include "sheet_view.h"

#include "scores/core/score_vocabulary.h"

#include "app/named_button.h"
#include "app/named_label.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include <QCoreApplication>
#include <algorithm>

namespace {

const QColor kDarkGreen(0, 128, 0);

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    return makeNamedButton(name, caption, 34, parent);
}

void setPoints(QWidget* widget, qreal points, int weight = QFont::Normal) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setWeight(QFont::Weight(weight));
    widget->setFont(font);
}

QLabel* makeClockLabel(const QString& name, QWidget* parent) {
    QLabel* label = makeLabel(name, {}, parent);
    setPoints(label, 12, QFont::Black);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kDarkGreen);
    label->setPalette(palette);
    return label;
}

void setTabOrder(PracticeKind kind, const PracticeControls& c) {
    QList<QWidget*> order;
    const auto answer = [&c](int i) { return c.sheet->answer(i); };
    if (kind == PracticeKind::AdditionSubtraction) {
        order = {c.start, c.check, c.print, c.quit};
        for (int i = 0; i < kProblemCount; ++i) order.append(answer(i));
    } else {
        for (int i = 1; i < kProblemCount; ++i) order.append(answer(i));
        order.append({c.start, c.check, c.print, c.quit, answer(0), c.hint});
    }
    for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    order.first()->setFocus();
}

// The date, the category and the clock.
QLayout* buildTop(PracticeKind kind, PracticeControls& c, QWidget* central) {
    c.date = makeClockLabel(QStringLiteral("Label2"), central);
    c.clock = makeClockLabel(QStringLiteral("Label5"), central);
    c.category = makeLabel(QStringLiteral("Label60"), shownText(categoryOf(kind)), central);
    QFont serif(QStringLiteral("serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(14);
    serif.setBold(true);
    c.category->setFont(serif);
    c.category->setAlignment(Qt::AlignCenter);

    auto* top = new QHBoxLayout;
    top->addWidget(c.date);
    top->addStretch();
    top->addWidget(c.category);
    top->addStretch();
    top->addWidget(c.clock);
    return top;
}

// The buttons, the speed, the level and the score.
QLayout* buildBottom(PracticeKind kind, PracticeControls& c, QWidget* central) {
    c.start = makeButton(QStringLiteral("Command1"),
                         QCoreApplication::translate("PracticeControls", "Start"), central);
    c.check = makeButton(QStringLiteral("Command3"),
                         QCoreApplication::translate("PracticeControls", "Check Answer - Score"),
                         central);
    c.hint = kind == PracticeKind::MultiplicationDivision
                 ? makeButton(QStringLiteral("Command6"),
                              QCoreApplication::translate("PracticeControls", "Hint"), central)
                 : nullptr;
    c.print = makeButton(QStringLiteral("Command4"),
                         QCoreApplication::translate("PracticeControls", "Print"), central);
    c.quit = makeButton(QStringLiteral("Command5"),
                        QCoreApplication::translate("PracticeControls", "Quit"), central);
    c.marking = makeButton(QStringLiteral("Command2"), QStringLiteral("Command2"), central);
    c.marking->hide();

    QLabel* speedCaption =
        makeLabel(QStringLiteral("Label10"),
                  QCoreApplication::translate("PracticeControls", "Speed in Mins :"), central);
    c.speed = makeLabel(QStringLiteral("Label9"), {}, central);
    c.level =
        makeLabel(QStringLiteral("Label11"),
                  QCoreApplication::translate("PracticeControls", "Level", "level label"), central);
    QLabel* scoreCaption =
        makeLabel(QStringLiteral("Label28"),
                  QCoreApplication::translate("PracticeControls", "Score:"), central);
    c.scoreCount = makeLabel(QStringLiteral("Label29"), {}, central);
    QLabel* outOf = makeLabel(QStringLiteral("Label1"), QStringLiteral("/18"), central);
    for (QLabel* label : {c.scoreCount, outOf}) setPoints(label, 18, QFont::Black);
    c.scoreCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.scoreCount->setMinimumWidth(
        c.scoreCount->fontMetrics().horizontalAdvance(QStringLiteral("18")));
    c.minute = makeLabel(QStringLiteral("Label6"), {}, central);
    c.endMinute = makeLabel(QStringLiteral("Label7"), {}, central);
    c.minute->hide();
    c.endMinute->hide();

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    for (QPushButton* button : {c.start, c.check, c.hint, c.print, c.quit}) {
        if (!button) continue;
        // The style's wide minimum would push the score off an 800-pixel screen.
        if (button != c.check)
            button->setFixedWidth(
                std::max(56, button->fontMetrics().horizontalAdvance(button->text()) + 24));
        bottom->addWidget(button);
    }
    bottom->addSpacing(6);
    bottom->addWidget(speedCaption);
    bottom->addWidget(c.speed);
    bottom->addSpacing(6);
    bottom->addWidget(c.level);
    bottom->addStretch();
    bottom->addWidget(scoreCaption);
    bottom->addWidget(c.scoreCount);
    bottom->addWidget(outOf);
    return bottom;
}

}  // namespace

PracticeControls buildPracticeControls(PracticeKind kind, QMainWindow* window) {
    auto* central = new QWidget(window);
    window->setCentralWidget(central);
    PracticeControls c{};

    QLayout* top = buildTop(kind, c, central);
    c.sheet = new SheetView(kind, central);
    QLayout* bottom = buildBottom(kind, c, central);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(c.sheet, 0, Qt::AlignHCenter);
    layout->addLayout(bottom);

    setTabOrder(kind, c);
    return c;
}
