// The saved-game file (".oyk"): the lines of the move list in code page 1254,
// each followed by CR LF. Opening replays the lines move by move.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/types.h"
#include "record/file_io.h"

// Writes the move list to `path` through a temporary file, so an existing
// file is replaced only by a complete new one that keeps its permissions; a
// symbolic link stays and its target is written. False when writing failed;
// the game then counts as unsaved as before.
bool saveGameTo(Game& game, const std::string& path);

// How far a replay of a saved game's lines went: the line it stopped at (a
// line whose move was not made), -1 when every line was played; or the
// history filled up and the replay ended there.
struct ReplayEnd {
  int32_t stoppedAt;
  bool historyFull;
};

// What opening a saved game gave. A file not read or not a saved game leaves
// the current game as it was.
enum class OpenResult : int32_t { Opened, NotRead, NotASavedGame };
struct OpenOutcome {
  OpenResult result;
  ReadFault fault;   // why a file was not read
  ReplayEnd replay;  // how far an opened game's replay went
};

// Reads and replays a saved game. Against the computer, a game opened with
// Black to move goes on with the computer's turn.
OpenOutcome openGameFrom(Game& game, const std::string& path);

// A move read from a line of a saved game.
struct ParsedMove {
  PieceKind kind;
  int32_t index;
  int32_t fromX;
  int32_t fromY;
  int32_t toX;
  int32_t toY;
};

// Reads a White (role 1) or Black (role 2) line in code page 1254. None when
// the line lacks a piece letter, a number, a file letter or a rank digit.
std::optional<ParsedMove> parseMoveLine(const std::string& line, int32_t role);

// Splits file contents into lines; CR LF and LF both end a line.
std::vector<std::string> splitLines(const std::string& bytes);

// Replays lines 2.. of a saved game through the move driver, up to the first
// line whose move is not made: unreadable, naming a piece that does not
// stand on its from-square, a square off the board, or refused by the
// driver. A replay that fills the history ends there.
ReplayEnd replayLines(Game& game, const std::vector<std::string>& lines);

constexpr size_t kMaxSavedGameBytes = 1 << 20;
