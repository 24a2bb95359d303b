#include "test_support.h"

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "game/game.h"
#include "game/pictures.h"
#include "input/board_input.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"
#include "ui/start_up.h"
#include "ui/windows.h"

void startProgram() {
  startUp();
  FormCreate();
}

std::string squareName(int x, int y) { return std::string(1, static_cast<char>('a' + x)) + static_cast<char>('1' + y); }

namespace {

// The piece a board picture (1..32) stands for.
const Piece& pieceOfPicture(int n) {
  const PictureOwner o = pictureOwner(n);
  return *pieceOf(game, o.kind, o.side, o.index);
}

}  // namespace

int pictureAt(int x, int y) {
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const Piece& p = pieceOfPicture(n);
    if (p.onBoard && p.x == x && p.y == y) return n;
  }
  return 0;
}

bool dragPicture(int picture, int x, int y) {
  const int32_t before = game.sideToMove;
  Image1MouseDown(picture, MouseButton::Left);
  const int target = pictureAt(x, y);
  if (target != 0) {
    ImageDragDrop(target);
  } else {
    Shape41DragDrop(shapeOf(x, y));
  }
  return game.sideToMove != before;
}

bool drag(const std::string& from, const std::string& to) {
  const int picture = pictureOn(from);
  if (picture == 0) return false;
  dragPicture(picture, fileOf(to), rankOf(to));
  return true;
}

bool playMoves(const std::string& moves) {
  std::istringstream in(moves);
  std::string m;
  bool all = true;
  while (in >> m) {
    const int picture = pictureOn(m);
    all = picture != 0 && dragPicture(picture, fileOf(m.substr(2)), rankOf(m.substr(2))) && all;
  }
  return all;
}

std::vector<std::string> listTexts() {
  showGame(game, windows);  // as the windows show it once the event is over
  std::vector<std::string> out;
  for (const ListLine& l : windows.form1.listBox1) out.push_back(l.text);
  return out;
}

namespace {

char letterOf(PieceKind kind, Side side) {
  const int order = kindOrder(kind);
  if (order < 0) return '.';
  const char c = "prnbqk"[order];
  return side == kWhite ? static_cast<char>(c - 'a' + 'A') : c;
}

// Every field of a piece (it has padding after onBoard, so pieces are
// compared by this text rather than byte by byte).
std::string pieceText(const Piece& p) {
  std::ostringstream o;
  o << "(x " << p.x << " y " << p.y << " target " << p.targetX << "," << p.targetY << " side " << p.side << " atRest "
    << p.atRest << " onBoard " << int(p.onBoard) << " moved " << p.moved << " value " << p.value << ")";
  return o.str();
}

std::string squareText(const Square& s) {
  std::ostringstream o;
  o << "(stable " << s.stable << " kind " << s.kind << "/" << s.pendingKind << " side " << s.side << "/"
    << s.pendingSide << " index " << s.index << "/" << s.pendingIndex << ")";
  return o.str();
}

std::string pictureText(const PictureControl& p) {
  std::ostringstream o;
  o << "(" << p.left << "," << p.top << " bitmap " << p.bitmap << " visible " << p.visible << " enabled " << p.enabled
    << ")";
  return o.str();
}

// The index of a queen's or king's square left out.
Square withoutRoyalIndex(Square s) {
  if (s.kind == kQueen || s.kind == kKing) s.index = kNoIndex;
  if (s.pendingKind == kQueen || s.pendingKind == kKing) s.pendingIndex = kNoIndex;
  return s;
}

template <class T>
bool sameBytes(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

}  // namespace

std::vector<std::string> boardRows(const Game& g) {
  std::vector<std::string> rows;
  for (int y = 7; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < 8; ++x) {
      const Square& s = g.board.squares[squareIndex(x, y)];
      row += s.stable == 1 ? letterOf(s.kind, s.side) : letterOf(s.pendingKind, s.pendingSide);
    }
    rows.push_back(row);
  }
  return rows;
}

const std::vector<std::string> kStartRows = {"rnbqkbnr", "pppppppp", "........", "........",
                                             "........", "........", "PPPPPPPP", "RNBQKBNR"};

GameState gameState() {
  showGame(game, windows);  // as the windows show it once the event is over
  GameState v{game.board,
              game.pieces,
              {},
              windows.form3,
              game.whiteLost,
              game.blackLost,
              game.lostOrder,
              windows.form1.listBox1,
              windows.form1.label20Visible,
              windows.form2.visible,
              game.sideToMove,
              game.moveCount,
              game.moveNumber,
              game.listSelection,
              game.gameSaved,
              {},
              {}};
  std::copy(std::begin(windows.form1.image), std::end(windows.form1.image), v.pictures);
  if (game.moveCount < kHistoryCapacity) {
    v.nextWhite = game.history[game.moveCount].white;
    v.nextBlack = game.history[game.moveCount].black;
  }
  return v;
}

bool samePicture(const PictureControl& a, const PictureControl& b) {
  return a.left == b.left && a.top == b.top && a.bitmap == b.bitmap && a.visible == b.visible && a.enabled == b.enabled;
}

std::string stateDifference(const GameState& a, const GameState& b, Compare what) {
  const bool replay = what == Compare::Replay;
  for (int i = 0; i < kSquareCount; ++i) {
    const Square p = replay ? withoutRoyalIndex(a.board.squares[i]) : a.board.squares[i];
    const Square q = replay ? withoutRoyalIndex(b.board.squares[i]) : b.board.squares[i];
    if (!sameBytes(p, q)) return "square " + squareName(i / 8, i % 8) + ": " + squareText(p) + " vs " + squareText(q);
  }
  for (int id = 0; id < kPieceCount; ++id) {
    const Piece& p = pieceById(a.pieces, id);
    const Piece& q = pieceById(b.pieces, id);
    if (pieceText(p) != pieceText(q))
      return "piece " + std::to_string(id) + ": " + pieceText(p) + " vs " + pieceText(q);
  }
  if (what == Compare::Position) return {};
  for (int n = 1; n <= (replay ? kBoardPictureCount : kLastStockPicture); ++n) {
    if (!samePicture(a.pictures[n], b.pictures[n])) {
      return "Image" + std::to_string(n) + ": " + pictureText(a.pictures[n]) + " vs " + pictureText(b.pictures[n]);
    }
  }
  if (!replay && a.lost.visible != b.lost.visible) return "Form3 visibility";
  for (int n = 0; n < kLostPictureSlots; ++n) {
    const PictureControl& p = a.lost.image[n];
    const PictureControl& q = b.lost.image[n];
    // A hidden picture of the captured-pieces window shows nothing.
    const bool same =
        replay ? p.visible == q.visible && (!p.visible || (p.left == q.left && p.top == q.top)) : samePicture(p, q);
    if (!same) return "Form3 Image" + std::to_string(n) + ": " + pictureText(p) + " vs " + pictureText(q);
  }
  if (!sameBytes(a.whiteLost, b.whiteLost) || !sameBytes(a.blackLost, b.blackLost)) return "lost-piece placement";
  if (!sameBytes(a.lostOrder, b.lostOrder)) return "order of the lost pieces";
  if (a.sideToMove != b.sideToMove) return "sideToMove";
  if (a.moveCount != b.moveCount || a.moveNumber != b.moveNumber) {
    return "move counters " + std::to_string(a.moveCount) + "/" + std::to_string(a.moveNumber) + " vs " +
           std::to_string(b.moveCount) + "/" + std::to_string(b.moveNumber);
  }
  for (size_t i = 0; i < a.list.size() || i < b.list.size(); ++i) {
    const ListLine none{"(none)", false};
    const ListLine& p = i < a.list.size() ? a.list[i] : none;
    const ListLine& q = i < b.list.size() ? b.list[i] : none;
    if (p.text != q.text || p.selected != q.selected) {
      return "list line " + std::to_string(i) + " \"" + p.text + "\"" + (p.selected ? "*" : "") + " vs \"" + q.text +
             "\"" + (q.selected ? "*" : "");
    }
  }
  if (a.listSelection != b.listSelection) return "listSelection";
  if (replay) return {};
  if (a.mate != b.mate) return "MAT label";
  if (a.checkNotice != b.checkNotice) return "check notice";
  if (a.gameSaved != b.gameSaved) return "gameSaved";
  if (!sameBytes(a.nextWhite, b.nextWhite) || !sameBytes(a.nextBlack, b.nextBlack)) return "history";
  return {};
}

TempFolder::TempFolder() {
  char name[] = "/tmp/dedivud_test_XXXXXX";
  path_ = ::mkdtemp(name);
}

TempFolder::~TempFolder() { std::filesystem::remove_all(path_); }

size_t TempFolder::entries() const {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
}

Answer ScriptedDialogs::ask(const std::string& text, const std::string& caption, bool cancel) {
  questions.push_back(text);
  captions.push_back(caption);
  withCancel.push_back(cancel);
  return next(answers, Answer::No);
}
