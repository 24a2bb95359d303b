// Constant tables of the engine: step targets, rays and Zobrist keys, all
// built at compile time.
#pragma once

#include <array>
#include <cstdint>

#include "engine/squares.h"

namespace engine {

struct Targets {
  int8_t count;
  int8_t squares[8];
};

// Directions (dx, dy): four straight, then four diagonal.
constexpr int kDirX[8] = {0, 1, 0, -1, 1, -1, -1, 1};
constexpr int kDirY[8] = {1, 0, -1, 0, 1, 1, -1, -1};

struct Ray {
  int8_t count;
  int8_t squares[7];
};

constexpr std::array<Targets, 64> stepTargets(const int (&dx)[8], const int (&dy)[8]) {
  std::array<Targets, 64> t{};
  for (int s = 0; s < 64; ++s) {
    for (int d = 0; d < 8; ++d) {
      const int x = fileOf(s) + dx[d];
      const int y = rankOf(s) + dy[d];
      if (x >= 0 && x < 8 && y >= 0 && y < 8) t[s].squares[t[s].count++] = int8_t(sq(x, y));
    }
  }
  return t;
}

constexpr int kKnightDx[8] = {1, 2, 2, 1, -1, -2, -2, -1};
constexpr int kKnightDy[8] = {2, 1, -1, -2, -2, -1, 1, 2};
inline constexpr std::array<Targets, 64> kKnightTargets = stepTargets(kKnightDx, kKnightDy);
inline constexpr std::array<Targets, 64> kKingTargets = stepTargets(kDirX, kDirY);

inline constexpr std::array<std::array<Ray, 8>, 64> kRays = [] {
  std::array<std::array<Ray, 8>, 64> r{};
  for (int s = 0; s < 64; ++s) {
    for (int d = 0; d < 8; ++d) {
      int x = fileOf(s) + kDirX[d];
      int y = rankOf(s) + kDirY[d];
      while (x >= 0 && x < 8 && y >= 0 && y < 8) {
        r[s][d].squares[r[s][d].count++] = int8_t(sq(x, y));
        x += kDirX[d];
        y += kDirY[d];
      }
    }
  }
  return r;
}();

// Zobrist keys from a fixed seed (splitmix64).
constexpr uint64_t splitMix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
struct ZobristKeys {
  uint64_t piece[2][kKinds][64];
  uint64_t castling[16];
  uint64_t blackToMove;
};
inline constexpr ZobristKeys kZobrist = [] {
  ZobristKeys z{};
  uint64_t state = 0x44454449565544ull;
  for (auto& colour : z.piece)
    for (auto& kind : colour)
      for (auto& k : kind) k = splitMix(state);
  for (auto& k : z.castling) k = splitMix(state);
  z.blackToMove = splitMix(state);
  return z;
}();

inline uint64_t pieceKey(int id, int s) { return kZobrist.piece[colourOfPiece(id)][kindOfPiece(id)][s]; }

}  // namespace engine
