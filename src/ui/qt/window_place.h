// Windows placed where the player can see them.
#pragma once

class QWidget;

// Moves a window just enough to lie wholly on the available area of its
// screen.
void keepOnScreen(QWidget* window);
