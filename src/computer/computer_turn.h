// The computer's turn, the levels and the hint. A level returns the move it
// chose; the turn plays it through the move driver and returns what became
// of it, and the windows tell the player.
#pragma once

#include <optional>

#include "computer/computer_state.h"
#include "computer/level_four.h"
#include "game/game.h"
#include "game/types.h"
#include "input/move_driver.h"

// Black's move at levels 1 to 3; none when Black cannot move at all.
std::optional<MoveRequest> levelOneMove(Game& game, ComputerState& computer);
std::optional<MoveRequest> levelTwoMove(Game& game, ComputerState& computer);
std::optional<MoveRequest> levelThreeMove(Game& game, ComputerState& computer);
// White's best move at one ply, the hint's.
std::optional<MoveRequest> hintMove(Game& game, ComputerState& computer);

// Plays a move the computer chose for `side` through the driver, as a drop on
// its target square, and notes the material balance after it.
MoveOutcome playComputerMove(Game& game, ComputerState& computer, const MoveRequest& move);

// Every tick of the timer while a reply is due: Black's reply at the chosen
// level. Level 4 thinks on its thread over several ticks; meanwhile the turn
// returns Refused with the reply still due. NoMove when Black had none (the
// player may take back or start anew), KingTaken when the reply took White's
// king.
MoveOutcome computerTurn(Game& game, ComputerState& computer, LevelFour& levelFour);

// The hint: the computer plays White's move for the player, and against the
// computer Black's reply then becomes due. Refused once the game is over.
MoveOutcome requestHint(Game& game, ComputerState& computer);

// The engine's move for the side to move, thought out for `moveTimeMs` on this
// thread and played; when the driver refuses it (counted in the level's
// refusals) level 3's move for Black, the hint's for White. NoMove when the
// side had no move at all.
MoveOutcome playEngineMove(Game& game, ComputerState& computer, LevelFour& levelFour, int moveTimeMs);
