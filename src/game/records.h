// The game's plain records: squares, pieces and the board, the attack maps,
// the captures' order and places, and the move history. Fixed sizes, no
// pointers: a record copied is a record of its own.
#pragma once

#include <cstdint>

#include "game/types.h"

// ---- the board and the pieces ----------------------------------------------

// One square. The pending layer holds the position after a move that a
// generator has made but not yet committed; `stable` says which layer is in
// force (1 committed, 0 pending). That layer is called the active layer.
struct Square {
  Layer stable;
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
  Layer stable;
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
  Layer layer;
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

// The board and the pieces at the start of the program (game/board.cpp).
Board startBoard();
PieceSet startPieces();

// ---- the attack maps ---------------------------------------------------------

constexpr int kAttackListLength = 7;

// Up to seven attacker values in scan order (non-decreasing); later attackers
// of a crowded square count in the sum only.
struct AttackList {
  int32_t values[kAttackListLength];
  int32_t count;
};

struct AttackChange {
  uint64_t before;  // the piece's attacked squares in the starting position
  uint64_t after;   // and after the step
  uint64_t increment;
};
constexpr int kMaxAttackChanges = 16;
constexpr int32_t kAttackClassValue[5] = {1, 2, 3, 4, 8};

// The maps of one position, as the last scan or step left them. Every map
// starts empty (nothing attacked).
struct AttackMaps {
  int32_t attackSum[kSideCount][kBoardSize][kBoardSize]{};
  AttackList attackers[kSideCount][kBoardSize][kBoardSize]{};

  // The same maps kept compactly by board index (x * 8 + y), as the computer
  // reads them: one byte per value class counts the square's attackers of that
  // class. The pieces are scanned cheapest kind first, so a list is exactly
  // the class values repeated by their counts.
  //   byte 0: pawns (1)   byte 1: king (2)   byte 2: knights and bishops (3)
  //   byte 3: rooks (4)   byte 4: queen (8)
  uint64_t attackPacked[kSideCount][kSquareCount]{};
  // Sum of attackSum over the whole board, per side.
  int32_t attackTotal[kSideCount]{};

  // After updateAttackSummary the compact maps are the starting position's
  // (saved by saveAttackBase) changed by a few pieces whose attacked squares
  // differ; a square's map is worked out when read (attackMapAt). A full scan
  // ends that state.
  bool attackStepActive = false;
  uint64_t attackBasePacked[kSideCount][kSquareCount]{};
  AttackChange attackChanges[kSideCount][kMaxAttackChanges]{};
  int attackChangeCount[kSideCount]{};
  // The squares where either side's map may differ from the starting position's.
  uint64_t attackChanged = 0;
  // Per side: the squares attacked in the starting position, and those the
  // changed pieces attack after the step and did not before. A square the side
  // attacks after the step is in one of the two.
  uint64_t attackBaseAny[kSideCount]{};
  uint64_t attackGained[kSideCount]{};

  // The occupied squares of the position the maps describe.
  uint64_t occupied = 0;
  // The squares each piece attacked in the last full scan, and the maps then:
  // the search's starting point for judging its candidates.
  uint64_t attackSets[kPieceCount]{};
  uint8_t attackCounts[kPieceCount]{};  // the number of squares in each set
  int32_t baseTotal[kSideCount]{};
  uint64_t baseSets[kPieceCount]{};
  uint8_t baseCounts[kPieceCount]{};
  uint64_t baseOccupied = 0;
  // For each square, the sliding pieces (bit id - kFirstSlider) whose rays
  // reached it in the starting position.
  uint16_t sliderReach[kSquareCount]{};
};

// ---- the captures ------------------------------------------------------------

// Where the captured-pieces window placed the last lost piece of each side,
// and how its rows fill (two pictures a row).
struct LostPiecePlacement {
  int32_t x;
  int32_t y;
  int32_t row;    // row number for the next new row
  int32_t count;  // pictures in the current row
  int32_t odd;    // count mod 2: a second picture fits in the current row
};
constexpr LostPiecePlacement kWhiteLostStart{4, 34, 1, 0, 0};
constexpr LostPiecePlacement kBlackLostStart{50, 34, 1, 0, 0};
constexpr int32_t kWhiteLostRowLeft = 15;
constexpr int32_t kBlackLostRowLeft = 90;
constexpr int32_t kLostColumnStep = 35;
constexpr int32_t kLostRowStep = 34;

// The pieces the captured-pieces window shows, in the order they were taken
// (captures against the computer only). Take back removes a piece it gives
// back; the window is drawn from this list (ui/projection).
struct LostPiece {
  PieceKind kind;
  Side side;
  int32_t index;  // 0 for the queen and the king
};
constexpr int kLostPieceCapacity = 32;  // every piece at most once
struct LostPieceOrder {
  int32_t count;
  LostPiece piece[kLostPieceCapacity];
};

// ---- the move history ----------------------------------------------------------

// Every half-move made in play, as take back, the saved game and the
// last-move mark need it. The move driver writes it.
// One half-move as take back and the saved game need it. It keeps squares
// only: the pictures' places follow from them.
struct HalfMoveRecord {
  PieceKind kind;       // kind moved; 9 for castling; 0: no move recorded
  int32_t movedBefore;  // the pawn's, rook's or king's moved flag before the move
  int32_t index;        // index argument of the move; 99 for castling
  int32_t fromX;
  int32_t fromY;
  int32_t toX;
  int32_t toY;
  int32_t captureFlag;  // 1 when the move captured
  PieceKind capturedKind;
  int32_t capturedMoved;  // the captured pawn's, rook's or king's moved flag
  int32_t capturedIndex;
  int32_t captureX;
  int32_t captureY;
};

// One full move: White's half and Black's reply.
struct FullMoveRecord {
  HalfMoveRecord white;
  HalfMoveRecord black;
};

// Room for far more moves than any real game; a move that finds no room is
// refused with a message.
constexpr int32_t kHistoryCapacity = 1000;
