#include "practice_menus.h"

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
     "&Option",
     {{MenuCommand::FileLocation, "mnufileitem", "mnufilitem", "&File Location",
       "&File Location"}}},
    {"mnuMenuItem",
     "mnuMenuItem",
     "&Main",
     {{MenuCommand::SwitchScreen, "mnuMadItem", "mnuBasItem",
       "A&dvanced switched to Times and Divide", "&Basic switch to Plus and Minus"},
      {MenuCommand::ReportSummary, "mnuitemRSS", "mnuItemRSS", "&Report Score Summary",
       "&Report Score Summary"},
      {MenuCommand::Exit, "mnuexiitem", "mnuexiitem", "E&xit completely",
       "E&xit out the program completely"}}},
    {"mnuLvlitem",
     "mnuLvlitem",
     "&Level",
     {{MenuCommand::Speed, "mnuspditem", "mnuspdItem", "&Speed", "&Speed"},
      {MenuCommand::Difficulty, "mnudifitem", "mnudifitem", "&Difficulty", "&Difficulty"},
      {MenuCommand::Mistakes, "mnuMistakesItem", "mnuMistakesItem", "Practise my &mistakes",
       "Practise my &mistakes", "Ctrl+M"}}},
    {"mnuaboutItem",
     "mnuabtitem",
     "&About",
     {{MenuCommand::AboutProgram, "mnuProgItem", "mnuProitem", "about the &Program",
       "about the &Program"},
      {MenuCommand::ReleaseNotes, "mnubugitem", "mnurelItem", "&Release notes", "&Release Notes"},
      {MenuCommand::SystemRequirement, "mnuItemSre", "mnusreItem", "&System Requirement",
       "&System Requirement"},
      {MenuCommand::Help, "mnuhlpItem", "mnuhlpitem", "&Help", "&Help"}}},
};

}  // namespace

std::map<MenuCommand, QAction*> buildPracticeMenus(PracticeKind kind, QMenuBar* bar) {
    const bool addSub = kind == PracticeKind::AdditionSubtraction;
    std::map<MenuCommand, QAction*> actions;
    for (const Menu& entry : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(entry.caption));
        menu->setObjectName(QString::fromLatin1(addSub ? entry.addSubName : entry.mulDivName));
        for (const Item& item : entry.items) {
            QAction* action = menu->addAction(
                QString::fromLatin1(addSub ? item.addSubCaption : item.mulDivCaption));
            action->setObjectName(QString::fromLatin1(addSub ? item.addSubName : item.mulDivName));
            if (item.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            actions[item.command] = action;
        }
    }
    return actions;
}
