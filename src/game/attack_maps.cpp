#include "game/attack_maps.h"

#include <array>
#include <cstring>

#include "game/board.h"
#include "game/game.h"
#include "game/moves.h"

namespace {

// Target squares of a piece from each square, precomputed so that the build
// does no bounds checks: the search builds the maps for every candidate.
struct Targets {
  uint8_t count;
  uint8_t squares[8];
};

// The squares of one ray from a square, nearest first.
struct Ray {
  uint8_t length;
  uint8_t squares[7];
};

// The knight's and the king's steps are the move generators' (kKnightSteps,
// kKingSteps); the maps use them as sets, so their order does not matter.
constexpr Step kWhitePawnOffsets[2] = {{1, 1}, {-1, 1}};
constexpr Step kBlackPawnOffsets[2] = {{-1, -1}, {1, -1}};
// Rook directions first, then the bishop's: the queen uses all eight.
constexpr Step kRayDirections[8] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}};

template <int N>
constexpr std::array<Targets, kSquareCount> targetTable(const Step (&offsets)[N]) {
  std::array<Targets, kSquareCount> table{};
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      Targets& t = table[squareIndex(x, y)];
      for (const Step& o : offsets) {
        if (onBoardCoord(x + o.dx, y + o.dy))
          t.squares[t.count++] = static_cast<uint8_t>(squareIndex(x + o.dx, y + o.dy));
      }
    }
  }
  return table;
}

constexpr std::array<std::array<Ray, 8>, kSquareCount> rayTable() {
  std::array<std::array<Ray, 8>, kSquareCount> table{};
  for (int x = 0; x < kBoardSize; ++x) {
    for (int y = 0; y < kBoardSize; ++y) {
      for (int d = 0; d < 8; ++d) {
        Ray& r = table[squareIndex(x, y)][d];
        for (int k = 1; k <= 7 && onBoardCoord(x + k * kRayDirections[d].dx, y + k * kRayDirections[d].dy); ++k) {
          r.squares[r.length++] =
              static_cast<uint8_t>(squareIndex(x + k * kRayDirections[d].dx, y + k * kRayDirections[d].dy));
        }
      }
    }
  }
  return table;
}

constexpr auto kKnightTargets = targetTable(kKnightSteps);
constexpr auto kKingTargets = targetTable(kKingSteps);
constexpr auto kWhitePawnTargets = targetTable(kWhitePawnOffsets);
constexpr auto kBlackPawnTargets = targetTable(kBlackPawnOffsets);
constexpr auto kRays = rayTable();

constexpr uint64_t kPawnClass = 1ULL;
constexpr uint64_t kKingClass = 1ULL << 8;
constexpr uint64_t kMinorClass = 1ULL << 16;
constexpr uint64_t kRookClass = 1ULL << 24;
constexpr uint64_t kQueenClass = 1ULL << 32;

template <size_t N>
constexpr std::array<uint64_t, N> targetSets(const std::array<Targets, N>& table) {
  std::array<uint64_t, N> sets{};
  for (size_t sq = 0; sq < N; ++sq) {
    for (int i = 0; i < table[sq].count; ++i) sets[sq] |= 1ULL << table[sq].squares[i];
  }
  return sets;
}

constexpr auto kKnightSets = targetSets(kKnightTargets);
constexpr auto kKingSets = targetSets(kKingTargets);
constexpr auto kWhitePawnSets = targetSets(kWhitePawnTargets);
constexpr auto kBlackPawnSets = targetSets(kBlackPawnTargets);

// How each of the 32 pieces attacks, by its place in the piece set: white
// and black pawns, knights, bishops, rooks, queens, kings.
enum class Mover : uint8_t { WhitePawn, BlackPawn, Knight, King, Bishop, Rook, Queen };
struct PieceAttack {
  Mover mover;
  uint8_t side;  // 0 white, 1 black
  int32_t value;
  uint64_t increment;
};

constexpr uint64_t classOf(PieceKind kind) {
  switch (kind) {
    case kPawn: return kPawnClass;
    case kKing: return kKingClass;
    case kKnight:
    case kBishop: return kMinorClass;
    case kRook: return kRookClass;
    default: return kQueenClass;
  }
}

constexpr Mover moverOf(PieceKind kind, Side side) {
  switch (kind) {
    case kPawn: return side == kWhite ? Mover::WhitePawn : Mover::BlackPawn;
    case kKnight: return Mover::Knight;
    case kKing: return Mover::King;
    case kBishop: return Mover::Bishop;
    case kRook: return Mover::Rook;
    default: return Mover::Queen;
  }
}

// The attack values are the material values (the queen counts 8).
constexpr std::array<PieceAttack, kPieceCount> pieceAttackTable() {
  std::array<PieceAttack, kPieceCount> t{};
  for (int id = 0; id < kPieceCount; ++id) {
    const PieceKind kind = pieceKindOf(id);
    const Side side = pieceSideOf(id);
    t[id] = {moverOf(kind, side), static_cast<uint8_t>(side - 1), materialValue(kind), classOf(kind)};
  }
  return t;
}
constexpr auto kPieceAttacks = pieceAttackTable();
constexpr int kFirstSlider = 20;  // bishops, rooks and queens follow
constexpr int kLastSlider = 29;

// A piece attacks from its target when it has a pending move; -1 when it
// attacks nothing (off the board or in an unknown state).
inline int originOf(const Piece& p) {
  if (!p.onBoard) return -1;
  if (p.atRest == 1) return squareIndex(p.x, p.y);
  if (p.atRest == 0) return squareIndex(p.targetX, p.targetY);
  return -1;
}

// Every square of each ray from a square, as a set. A ray beyond its first
// occupied square is that square's own ray in the same direction.
constexpr std::array<std::array<uint64_t, 8>, kSquareCount> rayMaskTable() {
  std::array<std::array<uint64_t, 8>, kSquareCount> table{};
  for (int sq = 0; sq < kSquareCount; ++sq) {
    for (int d = 0; d < 8; ++d) {
      for (int k = 0; k < kRays[sq][d].length; ++k) table[sq][d] |= 1ULL << kRays[sq][d].squares[k];
    }
  }
  return table;
}
constexpr auto kRayMasks = rayMaskTable();
// Directions whose squares follow in increasing index order; the nearest
// blocker of the others is the highest set square.
constexpr bool kRayAscends[8] = {true, true, false, false, true, false, false, true};

uint64_t occupiedSquares(Position& position) {
  uint64_t set = 0;
  for (int sq = 0; sq < kSquareCount; ++sq) {
    set |= static_cast<uint64_t>(activeSide(position.board.squares[sq]) != kNoSide) << sq;
  }
  return set;
}

// Every square of one ray up to and including the first occupied one. Square
// 63 has no ascending ray and square 0 no descending one, so a sentinel there
// stands for an open ray.
template <int D>
inline uint64_t rayTo(uint64_t occupied, int origin) {
  const uint64_t ray = kRayMasks[origin][D];
  const uint64_t blockers = ray & occupied;
  const int nearest = kRayAscends[D] ? __builtin_ctzll(blockers | (1ULL << 63)) : 63 - __builtin_clzll(blockers | 1);
  return ray ^ kRayMasks[nearest][D];
}

inline uint64_t rookSet(uint64_t occ, int o) {
  return rayTo<0>(occ, o) | rayTo<1>(occ, o) | rayTo<2>(occ, o) | rayTo<3>(occ, o);
}
inline uint64_t bishopSet(uint64_t occ, int o) {
  return rayTo<4>(occ, o) | rayTo<5>(occ, o) | rayTo<6>(occ, o) | rayTo<7>(occ, o);
}

// The squares a piece that attacks as `M` attacks from square `o`.
template <Mover M>
inline uint64_t setFrom(uint64_t occupied, int o) {
  if constexpr (M == Mover::WhitePawn) return kWhitePawnSets[o];
  if constexpr (M == Mover::BlackPawn) return kBlackPawnSets[o];
  if constexpr (M == Mover::Knight) return kKnightSets[o];
  if constexpr (M == Mover::King) return kKingSets[o];
  if constexpr (M == Mover::Bishop) return bishopSet(occupied, o);
  if constexpr (M == Mover::Rook) return rookSet(occupied, o);
  if constexpr (M == Mover::Queen) return rookSet(occupied, o) | bishopSet(occupied, o);
  return 0;
}

// The squares piece `id` attacks in the position on the board.
inline uint64_t attackSetOf(Position& position, int id) {
  const int o = originOf(gamePiece(position, id));
  if (o < 0) return 0;
  const uint64_t occupied = position.attacks.occupied;
  switch (kPieceAttacks[id].mover) {
    case Mover::WhitePawn: return setFrom<Mover::WhitePawn>(occupied, o);
    case Mover::BlackPawn: return setFrom<Mover::BlackPawn>(occupied, o);
    case Mover::Knight: return setFrom<Mover::Knight>(occupied, o);
    case Mover::King: return setFrom<Mover::King>(occupied, o);
    case Mover::Bishop: return setFrom<Mover::Bishop>(occupied, o);
    case Mover::Rook: return setFrom<Mover::Rook>(occupied, o);
    case Mover::Queen: return setFrom<Mover::Queen>(occupied, o);
  }
  return 0;
}

// Adds one piece's marks; returns how many squares it attacks.
inline int32_t account(Position& position, int id, uint64_t set) {
  const PieceAttack& a = kPieceAttacks[id];
  uint64_t* packed = position.attacks.attackPacked[a.side];
  int32_t marks = 0;
  while (set != 0) {
    packed[__builtin_ctzll(set)] += a.increment;
    set &= set - 1;
    ++marks;
  }
  position.attacks.attackTotal[a.side] += a.value * marks;
  return marks;
}

// Without a popcount instruction in the target, a few shifts and masks.
inline int32_t bitCount(uint64_t x) {
  x = x - ((x >> 1) & 0x5555555555555555ULL);
  x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
  return static_cast<int32_t>((x * 0x0101010101010101ULL) >> 56);
}

// Notes that piece `id` attacks `after` instead of its squares in the
// starting position after the step.
inline void noteChange(Position& position, int id, uint64_t after) {
  const uint64_t before = position.attacks.baseSets[id];
  if (before == after) return;
  const PieceAttack& a = kPieceAttacks[id];
  position.attacks.attackChanges[a.side][position.attacks.attackChangeCount[a.side]++] =
      AttackChange{before, after, a.increment};
  position.attacks.attackTotal[a.side] += a.value * (bitCount(after) - position.attacks.baseCounts[id]);
  position.attacks.attackChanged |= before ^ after;
  position.attacks.attackGained[a.side] |= after & ~before;
}

inline unsigned sliderBit(int id) { return id >= kFirstSlider && id <= kLastSlider ? 1U << (id - kFirstSlider) : 0; }

// Pieces `first`..`last`, which all attack as `M`.
template <Mover M>
constexpr bool attackAlike(int first, int last) {
  for (int id = first; id <= last; ++id) {
    if (kPieceAttacks[id].mover != M) return false;
  }
  return true;
}

template <Mover M, int First, int Last>
inline void scanGroup(Position& position) {
  static_assert(attackAlike<M>(First, Last));
  for (int id = First; id <= Last; ++id) {
    const int o = originOf(gamePiece(position, id));
    const uint64_t set = o < 0 ? 0 : setFrom<M>(position.attacks.occupied, o);
    position.attacks.attackSets[id] = set;
    position.attacks.attackCounts[id] = static_cast<uint8_t>(account(position, id, set));
  }
}

// Every piece in the order of their numbers, cheapest kind first, a kind at a
// time.
void scanPieces(Position& position) {
  position.attacks.attackStepActive = false;
  position.attacks.occupied = occupiedSquares(position);
  std::memset(position.attacks.attackPacked, 0, sizeof position.attacks.attackPacked);
  position.attacks.attackTotal[0] = position.attacks.attackTotal[1] = 0;
  scanGroup<Mover::WhitePawn, 0, 7>(position);
  scanGroup<Mover::BlackPawn, 8, 15>(position);
  scanGroup<Mover::Knight, 16, 19>(position);
  scanGroup<Mover::Bishop, 20, 23>(position);
  scanGroup<Mover::Rook, 24, 27>(position);
  scanGroup<Mover::Queen, 28, 29>(position);
  scanGroup<Mover::King, 30, 31>(position);
}

}  // namespace

// The full lists follow from the class counts: the cheaper kinds are scanned
// first, so a list holds the class values in order, seven at most.
void buildAttackMaps(Position& position) {
  scanPieces(position);
  for (int s = 0; s < kSideCount; ++s) {
    for (int sq = 0; sq < kSquareCount; ++sq) {
      const uint64_t p = position.attacks.attackPacked[s][sq];
      AttackList& list = position.attacks.attackers[s][sq / kBoardSize][sq % kBoardSize];
      list = AttackList{};
      position.attacks.attackSum[s][sq / kBoardSize][sq % kBoardSize] = packedSum(p);
      for (int c = 0; c < 5; ++c) {
        const int n = static_cast<int>((p >> (8 * c)) & 0xFF);
        for (int k = 0; k < n && list.count < kAttackListLength; ++k) list.values[list.count++] = kAttackClassValue[c];
      }
    }
  }
}

void buildAttackSummary(Position& position) { scanPieces(position); }

uint64_t squaresAttackedBy(Position& position, Side side) {
  const uint64_t mapsOccupied = position.attacks.occupied;
  position.attacks.occupied = occupiedSquares(position);
  uint64_t set = 0;
  for (int id = 0; id < kPieceCount; ++id) {
    if (kPieceAttacks[id].side == side - 1) set |= attackSetOf(position, id);
  }
  position.attacks.occupied = mapsOccupied;
  return set;
}

void saveAttackBase(Position& position) {
  scanPieces(position);
  std::memcpy(position.attacks.attackBasePacked, position.attacks.attackPacked,
              sizeof position.attacks.attackBasePacked);
  std::memcpy(position.attacks.baseSets, position.attacks.attackSets, sizeof position.attacks.baseSets);
  std::memcpy(position.attacks.baseCounts, position.attacks.attackCounts, sizeof position.attacks.baseCounts);
  position.attacks.baseTotal[0] = position.attacks.attackTotal[0];
  position.attacks.baseTotal[1] = position.attacks.attackTotal[1];
  position.attacks.baseOccupied = position.attacks.occupied;
  position.attacks.attackBaseAny[0] = position.attacks.attackBaseAny[1] = 0;
  for (int id = 0; id < kPieceCount; ++id)
    position.attacks.attackBaseAny[kPieceAttacks[id].side] |= position.attacks.baseSets[id];
  std::memset(position.attacks.sliderReach, 0, sizeof position.attacks.sliderReach);
  for (int id = kFirstSlider; id <= kLastSlider; ++id) {
    for (uint64_t set = position.attacks.baseSets[id]; set != 0; set &= set - 1) {
      position.attacks.sliderReach[__builtin_ctzll(set)] |= static_cast<uint16_t>(1U << (id - kFirstSlider));
    }
  }
}

void updateAttackSummary(Position& position, int moverId, int fromSquare, int toSquare, int capturedId) {
  position.attacks.attackStepActive = true;
  position.attacks.attackChangeCount[0] = position.attacks.attackChangeCount[1] = 0;
  position.attacks.attackChanged = 0;
  position.attacks.attackGained[0] = position.attacks.attackGained[1] = 0;
  position.attacks.attackTotal[0] = position.attacks.baseTotal[0];
  position.attacks.attackTotal[1] = position.attacks.baseTotal[1];
  if (capturedId >= 0) noteChange(position, capturedId, 0);
  // Only the two squares of the step changed: a ray that reached neither is
  // as it was.
  position.attacks.occupied = (position.attacks.baseOccupied & ~(1ULL << fromSquare)) | (1ULL << toSquare);
  unsigned rescan = (position.attacks.sliderReach[fromSquare] | position.attacks.sliderReach[toSquare]) &
                    ~sliderBit(moverId) & ~sliderBit(capturedId);
  for (; rescan != 0; rescan &= rescan - 1) {
    const int id = kFirstSlider + __builtin_ctz(rescan);
    noteChange(position, id, attackSetOf(position, id));
  }
  noteChange(position, moverId, attackSetOf(position, moverId));
}
