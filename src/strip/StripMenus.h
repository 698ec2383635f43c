#pragma once
#include <array>

class QAction;

// The items of the strip's menus that do something, filled by the menu
// builders as they make them. Tables and buttons are indexed by their
// number (1..30, 1..7); index 0 stays empty.
struct StripMenus {
    // PopupMenu2, the move handle's tables menu.
    std::array<QAction*, 31> tableA{};

    // PopupMenu1, the button menu.
    QAction* open = nullptr;
    QAction* cut = nullptr;
    QAction* paste = nullptr;
    QAction* remove = nullptr;
    QAction* fileProperties = nullptr;
    QAction* launchOptions = nullptr; // shown for programs and scripts only
    // Options.
    std::array<QAction*, 31> renameTable{};
    QAction* defaultTableNames = nullptr;
    QAction* email = nullptr;
    QAction* extractIcons = nullptr;
    QAction* convertIcons = nullptr;
    QAction* filesFolders = nullptr;
    QAction* viewPictures = nullptr;
    QAction* closeOnLaunch = nullptr; // Close1
    QAction* hideOnLaunch = nullptr;  // Hide1
    QAction* stayOnTop = nullptr;
    QAction* normal = nullptr;
    QAction* startWithDesktop = nullptr; // the autostart entry, a check mark
    // The global shortcut's item: made and wired by the program's root,
    // which owns the key grab, and put here before the menus are built.
    QAction* summonShortcut = nullptr;
    // Properties.
    QAction* buttonColor = nullptr;
    QAction* buttonDefaultColor = nullptr;
    QAction* tableColor = nullptr;
    QAction* tableDefaultColor = nullptr;
    QAction* programColor = nullptr;
    QAction* programDefaultColor = nullptr;
    std::array<QAction*, 31> tableB{}; // Open With
    QAction* reminderStart = nullptr;
    QAction* reminderStop = nullptr;
    QAction* editControlFile = nullptr;
    // Help.
    QAction* hint = nullptr;
    QAction* about = nullptr;
    std::array<QAction*, 8> helpMessage{};
    QAction* extensiveHelp = nullptr;
    QAction* bugReport = nullptr;
};
