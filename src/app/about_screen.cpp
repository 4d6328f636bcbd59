#include "about_screen.h"

#include "contact.h"

#include <QLabel>
#include <QVBoxLayout>

AboutScreen::AboutScreen() : DialogWindow(QStringLiteral("about"), tr("About this program")) {
    auto* text = new QLabel(
        tr("Brenlo Math Practice began with a parent writing math problems for a child to "
           "practise at home. The sums were first kept on a spreadsheet, and when the "
           "spreadsheet could no longer keep up with a growing child, it became this "
           "program, with its sheets, its countdown, its awards and a summary of the "
           "scores. If you have an idea, find a mistake or just want to tell how the "
           "practice went, please send an e-mail to %1. Practice Makes Perfect. Credits: "
           "written by the Brenlo Math Practice team in C++ with the Qt toolkit; sounds "
           "played with SDL2_mixer and the TimGM6mb sound font; version 2.5.1, "
           "December 2026.")
            .arg(kContactAddress),
        this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addWidget(text);
    setFixedWidth(460);
}
