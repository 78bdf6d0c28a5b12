// The menu bar and the toolbar of the main window, in their fixed order.
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/main_frame.h"
#include "app/shell_commands.h"
#include "app/toolbar_accessible.h"

namespace {

using Id = CommandId;

// An entry of a menu: a command, a separator, or the start and end of a
// submenu. Kept as data so the order reads like the menu itself.
enum class Entry { Command, Separator, Submenu, EndSubmenu };

struct MenuEntry {
    Entry entry;
    Id id;
    const char* title;   // of a submenu
    const char* prompt;  // of a submenu, or null
};

constexpr MenuEntry Item(Id id) {
    return {Entry::Command, id, nullptr, nullptr};
}
constexpr MenuEntry SEPARATOR = {Entry::Separator, Id::ToolbarGap, nullptr, nullptr};
constexpr MenuEntry Sub(const char* title, const char* prompt = nullptr) {
    return {Entry::Submenu, Id::ToolbarGap, title, prompt};
}
constexpr MenuEntry END = {Entry::EndSubmenu, Id::ToolbarGap, nullptr, nullptr};

struct Menu {
    const char* title;
    std::initializer_list<MenuEntry> entries;
};

const Menu MENUS[] = {
    {"&File", {Item(Id::EnglishUnits), Item(Id::MetricUnits), SEPARATOR, Item(Id::Exit)}},
    {"&View", {Item(Id::ViewToolbar), Item(Id::ViewStatusBar)}},
    {"Control",
     {Item(Id::Run), Item(Id::Pause), Item(Id::Reset), SEPARATOR, Sub("Bridge"),
      Item(Id::SeparateShiftThrottle), Item(Id::CombinedShiftThrottle), END, SEPARATOR,
      Item(Id::Keys), Item(Id::Gamepad)}},
    {"Docks",
     {Sub("Slip size"),
      Item(Id::SlipAuto),
      Item(Id::Slip10x20),
      Item(Id::Slip13x30),
      Item(Id::Slip16x40),
      Item(Id::Slip19x50),
      Item(Id::Slip22x60),
      Item(Id::SlipCustom),
      END,
      SEPARATOR,
      Item(Id::SlipAndPilings),
      SEPARATOR,
      Item(Id::SlipsBottom),
      Item(Id::SlipsRight),
      Item(Id::SlipsTop),
      Item(Id::SlipsLeft),
      SEPARATOR,
      Item(Id::PilingsBottom),
      Item(Id::PilingsRight),
      Item(Id::PilingsTop),
      Item(Id::PilingsLeft)}},
    {"Boat",
     {Item(Id::OpenBoat), Sub("New", "Create a new boat"), Item(Id::NewMotorboat),
      Item(Id::NewSailboat), Item(Id::NewHouseboat), END, Item(Id::EditBoat), Item(Id::SaveBoat),
      Item(Id::DeleteBoat), SEPARATOR, Item(Id::AdvSettings)}},
    {"Environment", {Item(Id::EnvironmentSettings), SEPARATOR, Item(Id::Wind), Item(Id::Current)}},
    {"Practice", {Item(Id::Exercises), SEPARATOR, Item(Id::SaveRecording), Item(Id::Replay)}},
    {"&Help", {Item(Id::About)}},
};

// Left to right, with the blank buttons between the groups.
const Id TOOLBAR[] = {Id::Run,
                      Id::Pause,
                      Id::Reset,
                      Id::ToolbarGap,
                      Id::ShowBridge,
                      Id::ToolbarGap,
                      Id::EditBoat,
                      Id::ToolbarGap,
                      Id::Wind,
                      Id::Current,
                      Id::ToolbarGap,
                      Id::LoosenAllLines,
                      Id::HardenAllLines,
                      Id::RemoveAllLines,
                      Id::LinesGap,
                      Id::RemoveAllFenders,
                      Id::EndGap};

constexpr int BUTTON_WIDTH = 16;
constexpr int BUTTON_HEIGHT = 15;

}  // namespace

QMenu* CMainFrame::AddMenu(QMenu* parent, const char* title) {
    QMenu* menu = parent ? parent->addMenu(QString::fromLatin1(title))
                         : menuBar()->addMenu(QString::fromLatin1(title));
    // The marks follow the document whatever changed it: keys, the console,
    // a loaded settings file.
    connect(menu, &QMenu::aboutToShow, commands_, &ShellCommands::Refresh);
    return menu;
}

void CMainFrame::BuildMenus() {
    for (const Menu& m : MENUS) {
        QMenu* stack[3] = {AddMenu(nullptr, m.title), nullptr, nullptr};
        int depth = 0;
        for (const MenuEntry& e : m.entries) {
            switch (e.entry) {
                case Entry::Command:
                    stack[depth]->addAction(commands_->Action(e.id));
                    break;
                case Entry::Separator:
                    stack[depth]->addSeparator();
                    break;
                case Entry::Submenu:
                    stack[depth + 1] = AddMenu(stack[depth], e.title);
                    if (e.prompt) stack[depth + 1]->menuAction()->setStatusTip(e.prompt);
                    ++depth;
                    break;
                case Entry::EndSubmenu:
                    --depth;
                    break;
            }
        }
    }
}

void CMainFrame::BuildToolBar() {
    InstallToolbarAccessibility();
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("Toolbar"));
    toolBar_->setIconSize(QSize(BUTTON_WIDTH, BUTTON_HEIGHT));
    toolBar_->setMovable(false);
    for (Id id : TOOLBAR) {
        const CommandRow& row = *FindCommand(id);
        QAction* action =
            row.handler == CommandHandler::None ? commands_->GapAction(id) : commands_->Action(id);
        toolBar_->addAction(action);
        QWidget* button = toolBar_->widgetForAction(action);
        button->setAccessibleName(action->toolTip());
        if (row.tooltip[0] == '\0') button->setProperty("kelvaneNoTip", true);
    }
    // The button that shows the buttons a narrow window cannot: a screen
    // reader names it too.
    if (QWidget* more = toolBar_->findChild<QWidget*>("qt_toolbar_ext_button")) {
        more->setAccessibleName(QStringLiteral("More buttons"));
    }
}
