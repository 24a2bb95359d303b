#include "record/saved_game.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "game/board.h"
#include "game/captures.h"
#include "game/castling_squares.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/list_lines.h"
#include "input/board_input.h"
#include "input/move_driver.h"
#include "input/move_list.h"
#include "record/codepage.h"
#include "record/file_io.h"
#include "record/new_game.h"

namespace {

// Roles of a full move's lines: White's, Black's (2) and the blank line.
constexpr int32_t kWhiteLine = 1;
constexpr int32_t kBlankLine = 3;
// The side that plays a move line.
constexpr Side sideOfLine(int32_t role) { return role == kWhiteLine ? kWhite : kBlack; }
constexpr size_t kFirstPieceScan = 2;
constexpr size_t kFirstSquareScan = 14;

// Position of the first character of `set` at or after `from`, or npos.
size_t scanFor(const std::string& line, size_t from, const char* set) {
  for (size_t p = from; p < line.size(); ++p) {
    if (line[p] != '\0' && std::strchr(set, line[p]) != nullptr) return p;
  }
  return std::string::npos;
}

PieceKind kindOfLetter(char c) {
  switch (c) {
    case 'p': return kPawn;
    case 'k': return kRook;
    case 'a': return kKnight;
    case 'f': return kBishop;
    case 'v': return kQueen;
    default: return kKing;  // 's', 'K', 'B'
  }
}

// A square name at q: file letter, then the rank digit after it.
bool readSquare(const std::string& line, size_t q, int32_t& x, int32_t& y) {
  x = line[q] - 'A';
  if (q + 1 >= line.size()) return false;
  const char rank = line[q + 1];
  if (rank < '0' || rank > '9') return false;
  y = rank - '0' - 1;
  return true;
}

// A line can be played only when its squares lie on the board and the piece
// it names stands on its from-square.
bool standsOnFromSquare(Position& position, const ParsedMove& m, Side side) {
  if (!onBoardCoord(m.fromX, m.fromY) || !onBoardCoord(m.toX, m.toY)) return false;
  const Piece* p = pieceOf(position, m.kind, side, m.index);
  return p != nullptr && p->onBoard && p->x == m.fromX && p->y == m.fromY;
}

// Text only: no control characters but tab and the line ends.
bool isText(const std::string& bytes) {
  for (char ch : bytes) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') return false;
    if (c == 0x7F) return false;
  }
  return true;
}

}  // namespace

std::optional<ParsedMove> parseMoveLine(const std::string& line, int32_t role) {
  ParsedMove move{};
  const size_t piece = scanFor(line, kFirstPieceScan, "pkafvsBK");
  if (piece == std::string::npos) return std::nullopt;
  const char letter = line[piece];
  move.kind = kindOfLetter(letter);
  move.index = kNoIndex;
  if (move.kind == kPawn || move.kind == kRook || move.kind == kKnight || move.kind == kBishop) {
    const size_t digit = scanFor(line, piece + 1, "12345678");
    if (digit == std::string::npos) return std::nullopt;
    move.index = line[digit] - '1';
  }
  if (letter == 'K' || letter == 'B') {
    const int32_t r = homeRank(role == kWhiteLine ? kWhite : kBlack);
    move.fromX = kKingStartFile;
    move.fromY = r;
    move.toX = castlingSquares(letter == 'K' ? kShortCastling : kLongCastling).kingTo;
    move.toY = r;
    return move;
  }
  const size_t from = scanFor(line, kFirstSquareScan, "ABCDEFGH");
  if (from == std::string::npos || !readSquare(line, from, move.fromX, move.fromY)) return std::nullopt;
  const size_t to = scanFor(line, from + 2, "ABCDEFGH");
  if (to == std::string::npos || !readSquare(line, to, move.toX, move.toY)) return std::nullopt;
  return move;
}

std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

ReplayEnd replayLines(Game& game, const std::vector<std::string>& lines) {
  const int32_t count = static_cast<int32_t>(lines.size());
  int32_t role = kWhiteLine;
  for (int32_t i = 2; i < count; ++i) {
    if (role == kBlankLine + 1) role = kWhiteLine;
    if (role != kBlankLine) {
      const Side side = sideOfLine(role);
      const std::optional<ParsedMove> m = parseMoveLine(lines[static_cast<size_t>(i)], role);
      if (!m || !standsOnFromSquare(game, *m, side)) return {i, false};
      // A full history would refuse every further line: the replay ends.
      if (game.moveCount >= kHistoryCapacity) return {-1, true};
      game.movingIndex = m->index;  // the index the generators write on the target square
      const MoveRequest request{m->kind, side, m->index, m->fromX, m->fromY, m->toX, m->toY};
      if (!moveMade(requestMove(game, request))) return {i, false};
    }
    ++role;
  }
  return {-1, false};
}

bool saveGameTo(Game& game, const std::string& path) {
  std::string data;
  for (int32_t i = 0; i < listLineCount(game); ++i) {
    const std::string text = listLineText(game, i);
    data += utf8ToCp1254(text).value_or(text);
    data += "\r\n";
  }
  if (!writeFileAtomically(path, data)) return false;
  game.gameSaved = true;
  return true;
}

namespace {

// The two header lines alone: a game saved before its first move.
bool isGameWithoutMoves(const std::vector<std::string>& lines) {
  return lines.size() == 2 && lines[0] == utf8ToCp1254(kListHeader1) && lines[1] == kListHeader2;
}

}  // namespace

OpenOutcome openGameFrom(Game& game, const std::string& path) {
  FileContents file = readWholeFile(path, kMaxSavedGameBytes);
  if (file.fault != ReadFault::None) return {OpenResult::NotRead, file.fault, {-1, false}};
  std::string& bytes = file.bytes;
  if (looksLikeUtf8(bytes)) bytes = utf8ToCp1254(bytes).value_or(bytes);
  const std::vector<std::string> lines = splitLines(bytes);
  if (!isGameWithoutMoves(lines) && (!isText(bytes) || lines.size() < 3 || !parseMoveLine(lines[2], kWhiteLine)))
    return {OpenResult::NotASavedGame, ReadFault::None, {-1, false}};
  game.gameOpened = true;
  startNewGame(game);
  game.moveCount = 0;
  game.replaying = true;
  const ReplayEnd replay = replayLines(game, lines);
  game.replaying = false;
  game.justOpened = true;
  // Against the computer an opened game with Black to move goes on at once.
  if (sideToPlay(game) == kBlack && !gameIsOver(game)) startComputerTurn(game);
  return {OpenResult::Opened, ReadFault::None, replay};
}
