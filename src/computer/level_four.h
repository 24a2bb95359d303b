// Level 4: the engine's move for the side to move, thought out either on a
// thread of its own while the window lives (the timer polls for it) or at
// once for tests and tools. The move comes back as the computer's other
// levels give theirs, ready for the move driver.
#pragma once

#include <cstdint>

#include "computer/computer_state.h"
#include "engine/search.h"
#include "game/game.h"

// Thinking time of a move: with the timer's tick, about a second. Tests
// shorten it.
inline int32_t levelFourMoveMs = 1000;

// Engine moves that the move driver refused; level 3's choice (the hint's
// for White) is played instead. Any at all is a fault.
inline int32_t levelFourRefusals = 0;

enum class Thought { Thinking, Ready, NoMove };

// Starts thinking about the game's position when idle; Ready with the move
// once the search is over; NoMove when the side to move has none.
Thought thinkLevelFour(Game& game, ChosenMove& move);
// True while a search runs or waits to be taken.
bool levelFourThinking();
// Stops a running search (its thread ends within a millisecond or so) and
// returns at once; its move is never handed out.
void stopLevelFour(Game& game);

// Thinks for `moveTimeMs` on this thread about the side to move. False when
// it has no move. `info` (when given) receives the search's figures.
bool chooseEngineMove(Game& game, int moveTimeMs, ChosenMove& move, engine::SearchResult* info = nullptr);

// The engine's move in the driver's terms.
ChosenMove chosenFromEngine(const engine::Position& p, engine::Move m);
