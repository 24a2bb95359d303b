#include "record/saved_game.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "computer/level_four.h"
#include "controls/controls.h"
#include "controls/dialogs.h"
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

std::string withDefaultExtension(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ".oyk";
  return path;
}

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

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

std::string readFaultMessage(int32_t fault, const std::string& path) {
  switch (fault) {
    case kNotFound: return "Dosya açılamadı: " + quoted(path) + " adında bir dosya yok.";
    case kNoPermission: return "Dosya açılamadı: " + quoted(path) + " dosyasını okuma izniniz yok.";
    case kIsFolder: return "Dosya açılamadı: " + quoted(path) + " bir klasör, dosya değil.";
    case kNotRegularFile: return "Dosya açılamadı: " + quoted(path) + " sıradan bir dosya değil.";
    case kTooLarge: return "Dosya kayıtlı bir oyun için çok büyük: " + quoted(path);
    default: return "Dosya açılamadı: " + quoted(path);
  }
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

bool parseMoveLine(const std::string& line, int32_t role, ParsedMove& move) {
  const size_t piece = scanFor(line, kFirstPieceScan, "pkafvsBK");
  if (piece == std::string::npos) return false;
  const char letter = line[piece];
  move.kind = kindOfLetter(letter);
  move.index = kNoIndex;
  if (move.kind == kPawn || move.kind == kRook || move.kind == kKnight || move.kind == kBishop) {
    const size_t digit = scanFor(line, piece + 1, "12345678");
    if (digit == std::string::npos) return false;
    move.index = line[digit] - '1';
  }
  if (letter == 'K' || letter == 'B') {
    const int32_t r = homeRank(role == kWhiteLine ? kWhite : kBlack);
    move.fromX = kKingStartFile;
    move.fromY = r;
    move.toX = castlingSquares(letter == 'K' ? kShortCastling : kLongCastling).kingTo;
    move.toY = r;
    return true;
  }
  const size_t from = scanFor(line, kFirstSquareScan, "ABCDEFGH");
  if (from == std::string::npos || !readSquare(line, from, move.fromX, move.fromY)) return false;
  const size_t to = scanFor(line, from + 2, "ABCDEFGH");
  return to != std::string::npos && readSquare(line, to, move.toX, move.toY);
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

int32_t replayLines(Game& game, const std::vector<std::string>& lines) {
  const int32_t count = static_cast<int32_t>(lines.size());
  int32_t role = kWhiteLine;
  for (int32_t i = 2; i < count; ++i) {
    if (role == kBlankLine + 1) role = kWhiteLine;
    if (role != kBlankLine) {
      ParsedMove m{};
      if (!parseMoveLine(lines[static_cast<size_t>(i)], role, m) || !standsOnFromSquare(game, m, sideOfLine(role)))
        return i;
      game.movingSide = sideOfLine(role);
      game.movingKind = m.kind;
      game.movingIndex = m.index;
      game.dragFromX = m.fromX;
      game.dragFromY = m.fromY;
      game.dragToX = m.toX;
      game.dragToY = m.toY;
      // A full history would refuse every further line with a message of
      // its own: the replay ends with one.
      if (game.moveCount >= kHistoryCapacity) {
        dialogs().message(kHistoryFullMessage);
        return -1;
      }
      // A castling is reported as no move made: the turn passing tells.
      const int32_t turn = game.sideToMove;
      requestMove(game, m.kind, sideOfLine(role), m.index);
      if (game.sideToMove == turn) return i;
    }
    ++role;
  }
  return -1;
}

bool saveGameTo(Game& game, const std::string& path) {
  std::string data;
  for (int32_t i = 0; i < listLineCount(game); ++i) {
    const std::string text = listLineText(game, i);
    std::string bytes;
    if (!utf8ToCp1254(text, bytes)) bytes = text;
    data += bytes;
    data += "\r\n";
  }
  if (!writeFileAtomically(path, data)) {
    dialogs().message("Oyun kaydedilemedi: " + quoted(path) + " dosyasına yazılamadı.");
    return false;
  }
  game.gameSaved = true;
  return true;
}

void saveGame(Game& game) {
  const std::string name = dialogs().chooseSaveFile();
  if (name.empty()) return;
  saveGameTo(game, withDefaultExtension(name));
}

namespace {

// The two header lines alone: a game saved before its first move.
bool isGameWithoutMoves(const std::vector<std::string>& lines) {
  std::string header1;
  return lines.size() == 2 && utf8ToCp1254(kListHeader1, header1) && lines[0] == header1 && lines[1] == kListHeader2;
}

}  // namespace

bool openGameFrom(Game& game, const std::string& path) {
  std::string bytes;
  const int32_t fault = readWholeFile(path, kMaxSavedGameBytes, bytes);
  if (fault != kReadDone) {
    dialogs().message(readFaultMessage(fault, path));
    return false;
  }
  std::string text;
  if (looksLikeUtf8(bytes) && utf8ToCp1254(bytes, text)) bytes = text;
  const std::vector<std::string> lines = splitLines(bytes);
  ParsedMove first{};
  if (!isGameWithoutMoves(lines) &&
      (!isText(bytes) || lines.size() < 3 || !parseMoveLine(lines[2], kWhiteLine, first))) {
    dialogs().message("Bu dosya kayıtlı bir oyun değil: " + quoted(path));
    return false;
  }
  game.gameOpened = true;
  startNewGame(game);
  game.moveCount = 0;
  game.replaying = true;
  const int32_t bad = replayLines(game, lines);
  game.replaying = false;
  if (bad >= 0) {
    dialogs().message("Dosyanın " + std::to_string(bad + 1) +
                      ". satırı okunamadı; oyun bu satırdan önceki hamlelerle sürüyor.");
  }
  // Against the computer an opened game with Black to move goes on at once.
  if (sideToPlay(game) == kBlack && !gameIsOver(game)) startComputerTurn(game);
  return true;
}

void openGame(Game& game) {
  if (!mayReplaceGame(game, saveGame)) return;
  stopLevelFour(game);
  const std::string name = dialogs().chooseOpenFile();
  if (name.empty()) return;
  openGameFrom(game, name);
}
