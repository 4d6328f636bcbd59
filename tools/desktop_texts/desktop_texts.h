#pragma once

#include <QtGlobal>

// The texts of the desktop entry and the AppStream metadata that software centres
// and menus show, as the templates in packaging/ hold them (the AppStream ones with
// their white space collapsed); the build writes each language's from the translations.
inline constexpr const char* kDesktopTexts[] = {
    //: The program's name in menus and software centres.
    QT_TRANSLATE_NOOP("DesktopEntry", "Brenlo Math Practice"),
    //: What kind of program it is, in menus.
    QT_TRANSLATE_NOOP("DesktopEntry", "Arithmetic Practice"),
    //: The one-line summary in menus and software centres.
    QT_TRANSLATE_NOOP("DesktopEntry", "Arithmetic practice sheets with a countdown and awards"),
    //: Search words for the desktop's menu, each ending in a semicolon; no spaces around them.
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "arithmetic;sums;addition;subtraction;multiplication;"
                      "division;times tables;school;"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "Brenlo Math Practice gives a child at home or at school sheets of 18 sums "
                      "to answer before a countdown runs out. The child picks their name, types "
                      "the answers, sees the corrections and hears an award that matches the "
                      "score."),
    QT_TRANSLATE_NOOP("DesktopEntry", "Addition and subtraction, or multiplication and division"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Levels of difficulty and speed to choose from"),
    QT_TRANSLATE_NOOP("DesktopEntry", "A score record for every child who practises"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "A multiplication table to look at, and printable practice sheets"),
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "The scores are kept in the user's own data folder. The program goes "
                      "online only when a school sets up a class server, which then collects "
                      "the sheets for the teacher's class overview."),
    //: The teacher's program: its name, kind and one-line summary in menus, and search words.
    QT_TRANSLATE_NOOP("DesktopEntry", "Brenlo Class Overview"),
    QT_TRANSLATE_NOOP("DesktopEntry", "Class Practice Overview"),
    QT_TRANSLATE_NOOP("DesktopEntry", "A teacher's overview of a class's arithmetic practice sheets"),
    QT_TRANSLATE_NOOP("DesktopEntry", "arithmetic;class;teacher;school;scores;practice;"),
    //: The caption of the main menu's screenshot in software centres.
    QT_TRANSLATE_NOOP("DesktopEntry",
                      "The main menu: pick a kind of practice and who is practising"),
};
