#include "help_screen.h"

#include "contact.h"
#include "named_button.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

HelpScreen::HelpScreen() : DialogWindow(QStringLiteral("Form4"), tr("Help")) {
    auto* text =
        new QLabel(tr("This program is menu driven, when entering, just hit tab, and it will "
                      "bring you to the next field.  When time is up, all the fields will be "
                      "locked.  Any question , please contact ") +
                       kContactAddress,
                   this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* close =
        makeNamedButton(QStringLiteral("Command1"), tr("Close this Window"), 36, this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(16);
    layout->addWidget(text);
    layout->addWidget(close);
    setFixedWidth(420);
}
