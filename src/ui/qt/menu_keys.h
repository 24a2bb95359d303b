// The desktop's usual keys for the main window's menu items; the menus show
// them beside the captions.
#pragma once

class QWidget;

// Gives the menu items of `window` (found by their names) their shortcuts.
void addMenuShortcuts(QWidget* window);
