// The game's state: the board of two-layer squares, the 32 piece records, the
// value tables and the variables shared by the rules, the move input and the
// computer player. All of it is static storage; nothing is allocated.
#pragma once

#include <array>
#include <cstdint>

#include "game/types.h"

// One square. The pending layer holds the position after a move that a
// generator has made but not yet committed; `stable` says which layer is in
// force (1 committed, 0 pending). That layer is called the active layer.
struct Square {
  int32_t stable;
  PieceKind kind;
  PieceKind pendingKind;
  Side side;
  Side pendingSide;
  int32_t index;  // occupant's index in its kind's array, kNoIndex when empty
  int32_t pendingIndex;
  int32_t weight;  // positional weight, constant
};

// What `probeSquare` reads, in the order the rules read it.
struct SquareProbe {
  PieceKind kind;
  Side side;
  int32_t index;
  int32_t stable;
  PieceKind pendingKind;
  Side pendingSide;
  int32_t pendingIndex;
  int32_t weight;
};

// One piece. `atRest` 1: no move pending, a generator starts from (x, y);
// 0: a generator has made a move to (targetX, targetY) that awaits commit.
// `moved` is used by pawns (double step), rooks and kings (castling); the
// knights, bishops and queens keep it false.
struct Piece {
  int32_t x;
  int32_t y;
  int32_t targetX;
  int32_t targetY;
  Side side;
  int32_t atRest;
  bool onBoard;
  bool moved;
  int32_t value;
};

// The 32 pieces, each array indexed by side - 1 and then by the piece index.
struct PieceSet {
  Piece pawns[kSideCount][8];
  Piece knights[kSideCount][2];
  Piece bishops[kSideCount][2];
  Piece rooks[kSideCount][2];
  Piece queens[kSideCount];
  Piece kings[kSideCount];
};

// The 32 pieces one by one, in their order in the PieceSet: pawns, knights,
// bishops, rooks, queens, kings, White's before Black's in each.
constexpr int kPieceCount = 32;
template <class Set>
constexpr auto& pieceById(Set& set, int id) {
  if (id < 16) return set.pawns[id / 8][id % 8];
  if (id < 20) return set.knights[(id - 16) / 2][id % 2];
  if (id < 24) return set.bishops[(id - 20) / 2][id % 2];
  if (id < 28) return set.rooks[(id - 24) / 2][id % 2];
  if (id < 30) return set.queens[id - 28];
  return set.kings[id - 30];
}
// Kind and side of piece number `id`.
constexpr PieceKind pieceKindOf(int id) {
  return id < 16 ? kPawn : id < 20 ? kKnight : id < 24 ? kBishop : id < 28 ? kRook : id < 30 ? kQueen : kKing;
}
constexpr Side pieceSideOf(int id) {
  const int n = id < 16 ? id / 8 : id < 28 ? (id - 16) % 4 / 2 : id % 2;
  return n == 0 ? kWhite : kBlack;
}
// The number of (kind, side, index) in that order; queen and king by side.
constexpr int pieceIdOf(PieceKind kind, Side side, int32_t index) {
  const int s = side - 1;
  switch (kind) {
    case kPawn: return s * 8 + index;
    case kKnight: return 16 + s * 2 + index;
    case kBishop: return 20 + s * 2 + index;
    case kRook: return 24 + s * 2 + index;
    case kQueen: return 28 + s;
    default: return 30 + s;
  }
}

struct Board {
  Square squares[kSquareCount];  // column by column: index x * 8 + y
};

// The piece a generator last captured: kind, layer it stood in, index.
struct CapturedPiece {
  PieceKind kind;
  int32_t layer;
  int32_t index;
};

// Written by every generator call: the target tried and the start square.
struct LastTry {
  int32_t targetX;
  int32_t targetY;
  int32_t startX;
  int32_t startY;
};

// Material values in kKindOrder; used by attack maps, evaluation, search and
// take back (the queen counts 8 here).
constexpr int32_t materialValueTable[kKindCount] = {1, 4, 3, 3, 8, 2};
// 0 for kEmpty and unknown codes.
constexpr int32_t materialValue(PieceKind kind) {
  const int order = kindOrder(kind);
  return order < 0 ? 0 : materialValueTable[order];
}

// The per-piece `value` written at start-up (as the material value, but the
// queen 10); no rule reads it.
constexpr int32_t startValue(PieceKind kind) { return kind == kQueen ? 10 : materialValue(kind); }

// Positional weight of (x, y): centre highest, symmetric.
constexpr int32_t squareWeightTable[8][8] = {
    // by rank 1..8 (row) and file a..h (column)
    {2, 2, 2, 2, 2, 2, 2, 2}, {2, 4, 4, 4, 4, 4, 4, 2}, {2, 4, 6, 6, 6, 6, 4, 2}, {2, 4, 6, 8, 8, 6, 4, 2},
    {2, 4, 6, 8, 8, 6, 4, 2}, {2, 4, 6, 6, 6, 6, 4, 2}, {2, 4, 4, 4, 4, 4, 4, 2}, {2, 2, 2, 2, 2, 2, 2, 2},
};

// Back-rank kinds from file a to h, the same for both sides.
constexpr PieceKind backRankKinds[8] = {kRook, kKnight, kBishop, kQueen, kKing, kBishop, kKnight, kRook};

// ---- the state -----------------------------------------------------------

inline Board board;
inline PieceSet pieces;

// The game's own pieces by number, for the computer's inner loops.
inline constexpr std::array<Piece*, kPieceCount> kPieceTable = [] {
  std::array<Piece*, kPieceCount> table{};
  for (int id = 0; id < kPieceCount; ++id) table[id] = &pieceById(pieces, id);
  return table;
}();
inline Piece& gamePiece(int id) { return *kPieceTable[id]; }

// Shared game variables.
inline int32_t sideToMove = kWhiteToMove;  // 2 White to move, 1 Black
inline int32_t playMode = 0;               // kPlayComputer or kPlayTwoPlayers (set by the main window)
inline int32_t level = 0;                  // 1..3 (set by the main window)
inline bool trialMode = false;             // generators only answer
inline int32_t moveCount = 0;              // full moves in the history
inline int32_t moveNumber = 0;             // number on White's list lines
inline int32_t listSelection = 0;          // highlighted line of the move list
inline bool gameSaved = true;              // false after any move until the game is saved
inline bool replaying = false;             // while a saved game is replayed

// The drag variables: which piece moves, from where and to where. Written by
// board input, the computer and the replay.
inline int32_t dragFromX = 0, dragFromY = 0;
inline int32_t dragToX = 0, dragToY = 0;
inline PieceKind movingKind = kEmpty;
inline Side movingSide = kNoSide;
inline int32_t movingIndex = 0;

// Outputs of the generators and of attack detection.
inline SquareProbe probe{};
inline CapturedPiece captured{};
inline bool captureFound = false;  // a capture test succeeded (trial mode too)
inline bool captureMade = false;   // a capture was really made
inline LastTry lastTry{};

// ---- operations ----------------------------------------------------------

// Fills board, pieces and shared variables with their program-start values.
void initialiseGame();

// The board's part of a new game: squares, pieces, side to move and counters
// back to the start (see record/new_game.h for the whole reset).
void resetGameState();

inline Square& squareAt(int x, int y) { return board.squares[squareIndex(x, y)]; }
SquareProbe probeSquare(int x, int y);  // no bounds check: 0 <= x, y <= 7
void setPending(Square& s, PieceKind kind, Side side, int32_t index, int32_t stableFlag);
void commitSquare(Square& s);
void clearSquare(Square& s);

// Active layer of a square.
inline Side activeSide(const Square& s) { return s.stable == kCommittedLayer ? s.side : s.pendingSide; }

// The piece of (kind, side, index); queen and king by side alone. nullptr when
// no such piece exists.
Piece* pieceOf(PieceKind kind, Side side, int32_t index);

void commitMove(Piece& p);
void cancelMove(Piece& p);
void markCaptured(Piece& p, int32_t layerFlag, bool stillOnBoard);
void setTarget(Piece& p, int32_t tx, int32_t ty, int32_t atRestFlag);
// Finds the piece like pieceOf and calls setTarget; unknown pieces do nothing.
void setTargetOf(PieceKind kind, int32_t index, int32_t tx, int32_t ty, int32_t atRestFlag, Side side);

// "A".."H" for 0..7, "m" for anything else.
const char* fileLetter(int32_t x);
