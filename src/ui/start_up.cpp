#include "ui/start_up.h"

#include "computer/computer_state.h"
#include "computer/level_four.h"
#include "game/game.h"
#include "ui/designed_controls.h"
#include "ui/program.h"

// The game, the computer and the windows as the program starts (level 4
// keeps its searcher and its table).
void startUp() {
  levelFour.stop(game);
  game = Game{};
  computer = ComputerState{};
  initialiseControls();
}
