#include "test_support.h"

#include <cstring>
#include <sstream>

#include "computer/evaluation.h"
#include "computer/search.h"
#include "controls/controls.h"
#include "game/captures.h"
#include "game/pictures.h"
#include "input/board_input.h"
#include "input/move_driver.h"
#include "record/take_back.h"
#include "ui/main_window.h"
#include "ui/start_up.h"

void startProgram() {
  startUp();
  FormCreate();
}

int fileOf(const std::string& square) { return square[0] - 'a'; }
int rankOf(const std::string& square) { return square[1] - '1'; }

int pictureOn(const std::string& square) {
  const int x = fileOf(square);
  const int y = rankOf(square);
  for (int n = 1; n <= 32; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece* p = pieceOf(o.kind, o.side, o.index);
    if (p->onBoard == 1 && p->x == x && p->y == y) return n;
  }
  return 0;
}

bool drag(const std::string& from, const std::string& to) {
  const int pic = pictureOn(from);
  if (pic == 0) return false;
  Image1MouseDown(pic, MouseButton::Left);
  const int target = pictureOn(to);
  if (target != 0) {
    ImageDragDrop(target);
  } else {
    const int x = fileOf(to);
    const int y = rankOf(to);
    Shape41DragDrop((7 - y) * 8 + x + 1);
  }
  return true;
}

void playMoves(const std::string& moves) {
  std::istringstream in(moves);
  std::string m;
  while (in >> m) drag(m.substr(0, 2), m.substr(2, 2));
}

std::vector<std::string> listTexts() {
  std::vector<std::string> out;
  for (const ListLine& l : form1.listBox1) out.push_back(l.text);
  return out;
}

namespace {

char letterOf(int32_t kind, int32_t side) {
  char c = '?';
  switch (kind) {
    case kPawn: c = 'p'; break;
    case kRook: c = 'r'; break;
    case kKnight: c = 'n'; break;
    case kBishop: c = 'b'; break;
    case kQueen: c = 'q'; break;
    case kKing: c = 'k'; break;
    default: return '.';
  }
  return side == kWhite ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::vector<std::string> boardRows() {
  std::vector<std::string> rows;
  for (int y = 7; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < 8; ++x) {
      const Square& s = squareAt(x, y);
      row += s.stable == 1 ? letterOf(s.kind, s.side) : letterOf(s.pendingKind, s.pendingSide);
    }
    rows.push_back(row);
  }
  return rows;
}

std::string consistencyFault() {
  std::ostringstream out;
  int occupied = 0;
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 8; ++y) {
      const Square& s = squareAt(x, y);
      if (s.stable != 1) {
        out << "square " << x << "," << y << " not stable";
        return out.str();
      }
      if (s.side != kNoSide) ++occupied;
    }
  }
  int onBoard = 0;
  for (int n = 1; n <= 32; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece* p = pieceOf(o.kind, o.side, o.index);
    if (p->atRest != 1) {
      out << "picture " << n << " piece not at rest";
      return out.str();
    }
    if (p->targetX != p->x || p->targetY != p->y) {
      out << "picture " << n << " target differs from position";
      return out.str();
    }
    if (p->onBoard != 1) continue;
    ++onBoard;
    const Square& s = squareAt(p->x, p->y);
    if (s.kind != o.kind || s.side != o.side) {
      out << "picture " << n << " piece not on its square";
      return out.str();
    }
    if (o.kind != kQueen && o.kind != kKing && s.index != o.index) {
      out << "picture " << n << " square index " << s.index;
      return out.str();
    }
  }
  if (onBoard != occupied) {
    out << onBoard << " pieces on board but " << occupied << " occupied squares";
    return out.str();
  }
  return {};
}

Snapshot snapshot() { return Snapshot{board, pieces}; }

bool sameState(const Snapshot& a, const Snapshot& b) {
  if (std::memcmp(&a.board, &b.board, sizeof a.board) != 0) return false;
  // Field by field: Piece has padding after onBoard.
  auto samePiece = [](const Piece& p, const Piece& q) {
    return p.x == q.x && p.y == q.y && p.targetX == q.targetX && p.targetY == q.targetY && p.side == q.side &&
           p.atRest == q.atRest && p.onBoard == q.onBoard && p.moved == q.moved && p.value == q.value;
  };
  const Piece* pa = &a.pieces.pawns[0][0];
  const Piece* pb = &b.pieces.pawns[0][0];
  for (size_t i = 0; i < sizeof(PieceSet) / sizeof(Piece); ++i) {
    if (!samePiece(pa[i], pb[i])) return false;
  }
  return true;
}

Answer ScriptedDialogs::ask(const std::string& text, const std::string&, bool) {
  questions.push_back(text);
  if (answers.empty()) return Answer::No;
  const Answer a = answers.front();
  answers.erase(answers.begin());
  return a;
}

void ScriptedDialogs::message(const std::string& text) { messages.push_back(text); }

std::string ScriptedDialogs::chooseSaveFile() {
  if (saveNames.empty()) return {};
  std::string n = saveNames.front();
  saveNames.erase(saveNames.begin());
  return n;
}

std::string ScriptedDialogs::chooseOpenFile() {
  if (openNames.empty()) return {};
  std::string n = openNames.front();
  openNames.erase(openNames.begin());
  return n;
}
