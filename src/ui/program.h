// The program's one game, its computer player, level 4 and its windows. Only the
// windows' handlers (src/ui) and the Qt layer reach them by name; everything
// below is given what it works on.
#pragma once

#include "computer/computer_state.h"
#include "computer/level_four.h"
#include "game/game.h"
#include "ui/windows.h"

inline Game game;
inline ComputerState computer;
inline LevelFour levelFour;
inline Windows windows;
