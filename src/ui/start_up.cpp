#include "ui/start_up.h"

#include "computer/computer_turn.h"
#include "computer/evaluation.h"
#include "computer/lookahead.h"
#include "computer/search.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/captures.h"
#include "input/move_driver.h"
#include "record/saved_game.h"
#include "ui/designed_controls.h"
#include "ui/main_window.h"
#include "ui/notice_window.h"

// Each subsystem puts back the state it owns, from the rules up to the windows.
void startUp() {
  initialiseGame();
  initialiseCaptureState();
  resetAttackMaps();
  resetMoveDriver();
  resetEvaluation();
  resetSearch();
  resetLookahead();
  resetComputerTurn();
  resetSavedGame();
  initialiseControls();
  resetMainWindow();
  resetNoticeWindow();
}
