#include "record/saved_game.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "computer/level_four.h"
#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling_squares.h"
#include "input/move_driver.h"
#include "input/move_list.h"
#include "record/codepage.h"
#include "record/new_game.h"

namespace {

// Roles of a full move's lines: White's, Black's (2) and the blank line.
constexpr int32_t kWhiteLine = 1;
constexpr int32_t kBlankLine = 3;
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

int32_t pieceKindOf(char c) {
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

bool writeAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Writes to a temporary file beside the target and renames it over the target.
bool writeFileAtomically(const std::string& path, const std::string& data) {
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  const bool written = writeAll(fd, data) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  ::chmod(path.c_str(), 0644);
  return true;
}

bool readWholeFile(const std::string& path, std::string& bytes, bool& tooLarge) {
  tooLarge = false;
  // A folder opens as a stream too, with a meaningless size.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  if (static_cast<size_t>(size) > kMaxSavedGameBytes) {
    tooLarge = true;
    return false;
  }
  in.seekg(0, std::ios::beg);
  bytes.assign(static_cast<size_t>(size), '\0');
  if (size > 0 && !in.read(bytes.data(), size)) return false;
  return true;
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
  move.kind = pieceKindOf(letter);
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

int32_t replayLines(const std::vector<std::string>& lines) {
  const int32_t count = static_cast<int32_t>(lines.size());
  int32_t role = kWhiteLine;
  for (int32_t i = 2; i < count; ++i) {
    if (role == kBlankLine + 1) role = kWhiteLine;
    if (role != kBlankLine) {
      ParsedMove m{};
      if (!parseMoveLine(lines[static_cast<size_t>(i)], role, m)) return i;
      movingSide = role;
      movingKind = m.kind;
      movingIndex = m.index;
      dragFromX = m.fromX;
      dragFromY = m.fromY;
      dragToX = m.toX;
      dragToY = m.toY;
      if (onBoardCoord(m.toX, m.toY)) {
        dropLeft = squareLeft(m.toX);
        dropTop = squareTop(m.toY);
      }
      // A full history would refuse every further line with a message of
      // its own: the replay ends with one.
      if (moveCount >= kHistoryCapacity) {
        dialogs().message(kHistoryFullMessage);
        return -1;
      }
      requestMove(m.kind, role, m.index);
    }
    ++role;
  }
  return -1;
}

bool saveGameTo(const std::string& path) {
  std::string data;
  for (const ListLine& line : form1.listBox1) {
    std::string bytes;
    if (!utf8ToCp1254(line.text, bytes)) bytes = line.text;
    data += bytes;
    data += "\r\n";
  }
  if (!writeFileAtomically(path, data)) {
    dialogs().message("Oyun kaydedilemedi: " + quoted(path) + " dosyasına yazılamadı.");
    return false;
  }
  gameSaved = 1;
  return true;
}

void Kaydet1Click() {
  const std::string name = dialogs().chooseSaveFile();
  if (name.empty()) return;
  saveGameTo(withDefaultExtension(name));
}

namespace {

// The two header lines alone: a game saved before its first move.
bool isGameWithoutMoves(const std::vector<std::string>& lines) {
  std::string header1;
  return lines.size() == 2 && utf8ToCp1254(kListHeader1, header1) && lines[0] == header1 && lines[1] == kListHeader2;
}

}  // namespace

bool openGameFrom(const std::string& path) {
  std::string bytes;
  bool tooLarge = false;
  if (!readWholeFile(path, bytes, tooLarge)) {
    dialogs().message(tooLarge ? "Dosya kayıtlı bir oyun için çok büyük: " + quoted(path)
                               : "Dosya açılamadı: " + quoted(path));
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
  gameOpened = 1;
  startNewGame();
  moveCount = 0;
  replaying = 1;
  const int32_t bad = replayLines(lines);
  replaying = 0;
  if (bad >= 0) {
    dialogs().message("Dosyanın " + std::to_string(bad + 1) +
                      ". satırı okunamadı; oyun bu satırdan önceki hamlelerle sürüyor.");
  }
  return true;
}

void resetSavedGame() { gameOpened = 0; }

void A1Click() {
  stopLevelFour();
  const std::string name = dialogs().chooseOpenFile();
  if (name.empty()) return;
  openGameFrom(name);
}
