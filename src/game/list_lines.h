// The move list as the player reads it and the saved game holds it, drawn
// from the history: two header lines, then for every full move White's line,
// Black's line and a blank one; while Black is to move, White's line of the
// move being filled stands alone at the end. Only the highlighted line is
// kept (`listSelection`); the text is input/move_list's.
#pragma once

#include <cstdint>

#include "game/game.h"

// What a line of the list shows.
enum class ListLineRole { Header1, Header2, WhiteMove, BlackMove, Blank, None };

struct ListLineSource {
  ListLineRole role;
  int32_t entry;  // the full move's index in the history (0 for the headers)
};

// A White move that Black has not answered yet (two players, or a refused
// reply): it stands alone in the history entry being filled.
bool unansweredWhiteMove(const Game& game);

int32_t listLineCount(const Game& game);
// What line `line` shows; role None past the end.
ListLineSource listLineSource(const Game& game, int32_t line);
// The highlighted line; a header line (0) highlights nothing.
bool isListLineSelected(const Game& game, int32_t line);
