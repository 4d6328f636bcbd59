#include "practice_menus.h"

#include <QCoreApplication>
#include <QMenuBar>

#include <initializer_list>

namespace {

struct Item {
    MenuCommand command;
    const char* addSubName;
    const char* mulDivName;
    const char* addSubCaption;
    const char* mulDivCaption;
    const char* shortcut = nullptr;
};

struct Menu {
    const char* addSubName;
    const char* mulDivName;
    const char* caption;
    std::initializer_list<Item> items;
};

const std::initializer_list<Menu> kMenus = {
    {"mnuOptItem",
     "mnuoptitem",
     QT_TRANSLATE_NOOP("PracticeMenus", "&Option"),
     {{MenuCommand::FileLocation, "mnufileitem", "mnufilitem",
       QT_TRANSLATE_NOOP("PracticeMenus", "&File Location"),
       QT_TRANSLATE_NOOP("PracticeMenus", "&File Location")}}},
    {"mnuMenuItem",
     "mnuMenuItem",
     QT_TRANSLATE_NOOP("PracticeMenus", "&Main"),
     {{MenuCommand::SwitchScreen, "mnuMadItem", "mnuBasItem",
       QT_TRANSLATE_NOOP("PracticeMenus", "A&dvanced switched to Times and Divide"),
       QT_TRANSLATE_NOOP("PracticeMenus", "&Basic switch to Plus and Minus")},
      {MenuCommand::ReportSummary, "mnuitemRSS", "mnuItemRSS",
       QT_TRANSLATE_NOOP("PracticeMenus", "&Report Score Summary"),
       QT_TRANSLATE_NOOP("PracticeMenus", "&Report Score Summary")},
      {MenuCommand::Exit, "mnuexiitem", "mnuexiitem",
       QT_TRANSLATE_NOOP("PracticeMenus", "E&xit completely"),
       QT_TRANSLATE_NOOP("PracticeMenus", "E&xit out the program completely")}}},
    {"mnuLvlitem",
     "mnuLvlitem",
     //: The menu of the speed, the difficulty and the mistakes practice.
     QT_TRANSLATE_NOOP("PracticeMenus", "&Level"),
     {{MenuCommand::Speed, "mnuspditem", "mnuspdItem", QT_TRANSLATE_NOOP("PracticeMenus", "&Speed"),
       QT_TRANSLATE_NOOP("PracticeMenus", "&Speed")},
      {MenuCommand::Difficulty, "mnudifitem", "mnudifitem",
       QT_TRANSLATE_NOOP("PracticeMenus", "&Difficulty"),
       QT_TRANSLATE_NOOP("PracticeMenus", "&Difficulty")},
      {MenuCommand::Mistakes, "mnuMistakesItem", "mnuMistakesItem",
       QT_TRANSLATE_NOOP("PracticeMenus", "Practise my &mistakes"),
       QT_TRANSLATE_NOOP("PracticeMenus", "Practise my &mistakes"), "Ctrl+M"}}},
    {"mnuaboutItem",
     "mnuabtitem",
     QT_TRANSLATE_NOOP("PracticeMenus", "&About"),
     {{MenuCommand::AboutProgram, "mnuProgItem", "mnuProitem",
       QT_TRANSLATE_NOOP("PracticeMenus", "about the &Program"),
       QT_TRANSLATE_NOOP("PracticeMenus", "about the &Program")},
      {MenuCommand::ReleaseNotes, "mnubugitem", "mnurelItem",
       QT_TRANSLATE_NOOP("PracticeMenus", "&Release notes"),
       QT_TRANSLATE_NOOP("PracticeMenus", "&Release Notes")},
      {MenuCommand::SystemRequirement, "mnuItemSre", "mnusreItem",
       QT_TRANSLATE_NOOP("PracticeMenus", "&System Requirement"),
       QT_TRANSLATE_NOOP("PracticeMenus", "&System Requirement")},
      {MenuCommand::Help, "mnuhlpItem", "mnuhlpitem", QT_TRANSLATE_NOOP("PracticeMenus", "&Help"),
       QT_TRANSLATE_NOOP("PracticeMenus", "&Help")}}},
};

}  // namespace

std::map<MenuCommand, QAction*> buildPracticeMenus(PracticeKind kind, QMenuBar* bar) {
    const bool addSub = kind == PracticeKind::AdditionSubtraction;
    std::map<MenuCommand, QAction*> actions;
    for (const Menu& entry : kMenus) {
        QMenu* menu = bar->addMenu(QCoreApplication::translate("PracticeMenus", entry.caption));
        menu->setObjectName(QString::fromLatin1(addSub ? entry.addSubName : entry.mulDivName));
        for (const Item& item : entry.items) {
            QAction* action = menu->addAction(QCoreApplication::translate(
                "PracticeMenus", addSub ? item.addSubCaption : item.mulDivCaption));
            action->setObjectName(QString::fromLatin1(addSub ? item.addSubName : item.mulDivName));
            if (item.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            actions[item.command] = action;
        }
    }
    return actions;
}
