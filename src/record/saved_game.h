// The saved-game file (".oyk"): the lines of the move list in code page 1254,
// each followed by CR LF. Opening replays the lines move by move.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "game/game.h"
#include "game/types.h"

// Asks for a file name and saves the game there.
void saveGame(Game& game);
// Asks before an unsaved game is left, then for a file, and opens it.
void openGame(Game& game);

// Writes the move list to `path` through a temporary file, so an existing
// file is replaced only by a complete new one that keeps its permissions; a
// symbolic link stays and its target is written. False (after a message)
// when writing failed.
bool saveGameTo(Game& game, const std::string& path);
// Reads and replays a saved game. False (after a message saying why) when
// the file was not read or is not a saved game; the current game then stays.
// Against the computer, a game opened with Black to move goes on with the
// computer's turn.
bool openGameFrom(Game& game, const std::string& path);

// A move read from a line of a saved game.
struct ParsedMove {
  PieceKind kind;
  int32_t index;
  int32_t fromX;
  int32_t fromY;
  int32_t toX;
  int32_t toY;
};

// Reads a White (role 1) or Black (role 2) line in code page 1254. False when
// the line lacks a piece letter, a number, a file letter or a rank digit.
bool parseMoveLine(const std::string& line, int32_t role, ParsedMove& move);

// Splits file contents into lines; CR LF and LF both end a line.
std::vector<std::string> splitLines(const std::string& bytes);

// Replays lines 2.. of a saved game through the move driver, up to the first
// line whose move is not made: unreadable, naming a piece that does not
// stand on its from-square, a square off the board, or refused by the
// driver. Returns that line's number, or -1. A replay that fills the history
// ends there with a message.
int32_t replayLines(Game& game, const std::vector<std::string>& lines);

constexpr size_t kMaxSavedGameBytes = 1 << 20;
