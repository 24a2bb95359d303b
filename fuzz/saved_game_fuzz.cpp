// Feeds arbitrary bytes to the saved-game reader as the lines of a file: every
// line through the line parser in both roles, then the whole file through the
// replay of a freshly started program, then a take back of everything. Any
// broken invariant stops the fuzzer.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/consistency.h"
#include "game/game.h"
#include "game/list_lines.h"
#include "input/move_driver.h"
#include "record/codepage.h"
#include "record/new_game.h"
#include "record/saved_game.h"
#include "record/take_back.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

bool validKind(PieceKind kind) {
  return kind == kPawn || kind == kRook || kind == kKnight || kind == kBishop || kind == kQueen || kind == kKing;
}

// A parsed move names a known kind, a piece number the list can write and
// files A..H; ranks come from digits, so -1..8.
void checkParsed(const ParsedMove& m) {
  check(validKind(m.kind));
  if (m.kind == kQueen || m.kind == kKing) {
    check(m.index == kNoIndex);
  } else {
    check(m.index >= 0 && m.index <= 7);
  }
  check(m.fromX >= 0 && m.fromX <= 7 && m.toX >= 0 && m.toX <= 7);
  check(m.fromY >= -1 && m.fromY <= 8 && m.toY >= -1 && m.toY <= 8);
}

// Between moves the game is consistent (squares, pieces, list), the windows
// drawn from it show it, and the history is within its capacity.
void checkInStep() {
  showGame(game, windows);
  std::string fault = checkConsistency(game);
  if (fault.empty()) fault = windowsFault(game, windows);
  if (!fault.empty()) std::fprintf(stderr, "%s\n", fault.c_str());
  check(fault.empty());
  check(game.moveCount >= 0 && game.moveCount <= kHistoryCapacity);
}

// The program as it starts, then a new game as the open command makes it.
void startOpenedGame() {
  startProgram();
  game.gameOpened = 1;
  startNewGame(game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxSavedGameBytes) return 0;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (looksLikeUtf8(bytes)) bytes = utf8ToCp1254(bytes).value_or(bytes);
  const std::vector<std::string> lines = splitLines(bytes);
  for (const std::string& line : lines) {
    for (int32_t role = 1; role <= 2; ++role) {
      if (const std::optional<ParsedMove> m = parseMoveLine(line, role)) checkParsed(*m);
    }
  }

  startOpenedGame();
  const Board startBoard = game.board;
  game.replaying = 1;
  const int32_t bad = replayLines(game, lines).stoppedAt;
  game.replaying = 0;
  check(bad == -1 || (bad >= 2 && bad < static_cast<int32_t>(lines.size())));
  checkInStep();

  // Taking back everything gives the start position again.
  ListBox1Click(1);
  checkInStep();
  check(game.moveCount == 0 && game.moveNumber == 0 && game.sideToMove == kWhiteToMove);
  check(listLineCount(game) == 2);
  for (int i = 0; i < kSquareCount; ++i) {
    const Square& a = game.board.squares[i];
    const Square& b = startBoard.squares[i];
    check(a.kind == b.kind && a.side == b.side);
    if (a.kind != kQueen && a.kind != kKing) check(a.index == b.index);
  }
  return 0;
}
