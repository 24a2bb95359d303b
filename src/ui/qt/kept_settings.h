// What the player chose, kept in the user's configuration (QSettings) from one
// run to the next: the level, the play mode, the folder the file dialogs
// last used and the main window's place. A missing or damaged setting leaves
// the designed value.
#pragma once

#include <QString>

class QWidget;

// Chooses the kept level and play mode through their menu handlers and puts
// the window, not yet shown, at its kept place (the window keeps itself on
// the screen once shown).
void restoreSettings(QWidget* mainWindow);

// The folder the file dialogs start in; empty when none is kept or it is
// gone.
QString keptFolder();

// Keeps the present level, play mode, window place and dialog folder.
void keepSettings(const QWidget* mainWindow, const QString& folder);

// The zoom step kept from the last run; when none is kept, or it is damaged,
// the first start's step for the screen the main window is on (ui/zoom),
// given the menu bar's height at factor 1.
int keptZoomStep(const QWidget* mainWindow, int menuBarHeight);

// Keeps the present zoom step, as its factor.
void keepZoomStep(int step);
