#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <sstream>

#include "fixtures.h"
#include "game/attack_maps.h"
#include "game/board.h"
#include "game/game.h"
#include "test_support.h"
#include "ui/program.h"

namespace {

using AttackerValues = std::vector<int32_t>;

AttackerValues listOf(Side side, const std::string& square) {
  const AttackList& l = game.attacks.attackers[side - 1][fileOf(square)][rankOf(square)];
  return AttackerValues(l.values, l.values + std::min<int32_t>(std::max<int32_t>(l.count, 0), 7));
}

int32_t sumOf(Side side, const std::string& square) {
  return game.attacks.attackSum[side - 1][fileOf(square)][rankOf(square)];
}

// The named squares of one side's map, each as "square sum:attackers",
// e.g. "d6 14:2,4,8|d5 0:".
std::string attacksOn(Side side, const std::string& squares) {
  std::istringstream in(squares);
  std::string square, text;
  while (in >> square) {
    text += (text.empty() ? "" : "|") + square + " " + std::to_string(sumOf(side, square)) + ":";
    for (int32_t v : listOf(side, square)) {
      if (text.back() != ':') text += ',';
      text += std::to_string(v);
    }
  }
  return text;
}

// Every square of one side's map: the listed squares with their attackers,
// every other square unattacked; unused list entries hold 0.
void expectMap(Side side, const std::map<std::string, AttackerValues>& expected) {
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 8; ++y) {
      const std::string sq = squareName(x, y);
      SCOPED_TRACE("side " + std::to_string(side) + " square " + sq);
      const auto it = expected.find(sq);
      const AttackerValues want = it == expected.end() ? AttackerValues{} : it->second;
      int32_t sum = 0;
      for (int32_t v : want) sum += v;
      const AttackList& l = game.attacks.attackers[side - 1][x][y];
      EXPECT_EQ(l.count, static_cast<int32_t>(want.size()));
      EXPECT_EQ(listOf(side, sq), want);
      for (int32_t k = static_cast<int32_t>(want.size()); k < 7; ++k) EXPECT_EQ(l.values[k], 0) << "entry " << k;
      EXPECT_EQ(sumOf(side, sq), sum);
    }
  }
}

// White's map of the start position, by square.
const std::map<std::string, AttackerValues> kWhiteStartMap = {
    {"b1", {4}},    {"c1", {8}},       {"d1", {2}},    {"e1", {8}},          {"f1", {2}},          {"g1", {4}},
    {"a2", {4}},    {"b2", {3}},       {"c2", {8}},    {"d2", {2, 3, 3, 8}}, {"e2", {2, 3, 3, 8}}, {"f2", {2}},
    {"g2", {3}},    {"h2", {4}},       {"a3", {1, 3}}, {"b3", {1, 1}},       {"c3", {1, 1, 3}},    {"d3", {1, 1}},
    {"e3", {1, 1}}, {"f3", {1, 1, 3}}, {"g3", {1, 1}}, {"h3", {1, 3}},
};

std::map<std::string, AttackerValues> mirrored(const std::map<std::string, AttackerValues>& m) {
  std::map<std::string, AttackerValues> out;
  for (const auto& [sq, values] : m) out[squareName(fileOf(sq), 7 - rankOf(sq))] = values;
  return out;
}

// The squares one side attacks, as names.
std::vector<std::string> attackedSquares(Side side) {
  std::vector<std::string> out;
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 8; ++y) {
      if (game.attacks.attackers[side - 1][x][y].count > 0) out.push_back(squareName(x, y));
    }
  }
  return out;
}

}  // namespace

TEST(AttackMaps, StartPositionAsTabled) {
  startProgram();
  buildAttackMaps(game);
  expectMap(kWhite, kWhiteStartMap);
  expectMap(kBlack, mirrored(kWhiteStartMap));
  EXPECT_EQ((std::vector<bool>{isAttackedBy(game.attacks, kWhite, 2, 2), isAttackedBy(game.attacks, kWhite, 0, 0),
                               isAttackedBy(game.attacks, kWhite, 3, 3), isAttackedBy(game.attacks, kBlack, 5, 5),
                               isAttackedBy(game.attacks, kBlack, 5, 2)}),
            (std::vector<bool>{true, false, false, true, false}));

  // A build overwrites the previous one in full.
  playMoves("e2e4");
  clearBoard();
  buildAttackMaps(game);
  expectMap(kWhite, {});
  expectMap(kBlack, {});
}

TEST(AttackMaps, RaysPawnsAndPieceStates) {
  startProgram();
  clearBoard();
  Piece& queen = placePiece(kQueen, kWhite, 9, "a1");
  buildAttackMaps(game);
  const std::vector<std::string> marked = attackedSquares(kWhite);
  EXPECT_EQ(marked.size(), 21u);
  for (const std::string& sq : marked) {
    const bool line = sq[0] == 'a' || sq[1] == '1' || sq[0] - 'a' == sq[1] - '1';
    EXPECT_TRUE(line) << sq;
    EXPECT_EQ(sumOf(kWhite, sq), 8) << sq;
    EXPECT_EQ(listOf(kWhite, sq), AttackerValues{8}) << sq;
  }
  EXPECT_TRUE(attackedSquares(kBlack).empty());
  queen.onBoard = false;  // a captured piece marks nothing
  buildAttackMaps(game);
  EXPECT_TRUE(attackedSquares(kWhite).empty());

  // The first piece met is marked, whatever its side, and nothing behind it.
  setUpPosition("R0a1 p0a4 P2c1");
  buildAttackMaps(game);
  EXPECT_EQ(attacksOn(kWhite, "a2 a3 a4 a5 b1 c1 d1"), "a2 4:4|a3 4:4|a4 4:4|a5 0:|b1 4:4|c1 4:4|d1 0:");
  EXPECT_EQ(attackedSquares(kBlack), (std::vector<std::string>{"b3"}));

  // Pawns attack diagonally forward only, and only on the board.
  setUpPosition("P7h3 P0a8 p3d5 p1b1");
  buildAttackMaps(game);
  EXPECT_EQ(attackedSquares(kWhite), (std::vector<std::string>{"g4"}));
  EXPECT_EQ(attackedSquares(kBlack), (std::vector<std::string>{"c4", "e4"}));

  // A ray stops on a piece that stands only in the pending layer and runs on
  // through a committed piece whose pending layer is the active one and empty.
  setUpPosition("b0a8");
  setPending(squareNamed("c6"), kPawn, kWhite, 2, kPendingLayer);
  Square& e4 = squareNamed("e4");
  e4 = Square{kPendingLayer, kKnight, kEmpty, kWhite, kNoSide, 0, kNoIndex, e4.weight};
  buildAttackMaps(game);
  EXPECT_EQ(attackedSquares(kBlack), (std::vector<std::string>{"b7", "c6"}));
  clearSquare(squareNamed("c6"));
  squareNamed("c6").pendingIndex = 99;
  buildAttackMaps(game);
  EXPECT_EQ(attackedSquares(kBlack), (std::vector<std::string>{"b7", "c6", "d5", "e4", "f3", "g2", "h1"}));
}

TEST(AttackMaps, PendingPieceAttacksFromItsTarget) {
  for (const std::string piece : {"P3", "R1", "N0", "B1", "Q9", "K9"}) {
    SCOPED_TRACE(piece);
    startProgram();
    setUpPosition("p4e7 P7h2 " + piece + "e5");
    buildAttackMaps(game);
    const std::vector<std::string> fromE5 = attackedSquares(kWhite);
    int32_t sums[8][8];
    std::memcpy(sums, game.attacks.attackSum[0], sizeof sums);

    // The same piece standing on b2 with a pending move to e5, as the
    // computer leaves it while it weighs the move.
    startProgram();
    setUpPosition("p4e7 P7h2 " + piece + "b2");
    const Square b2 = squareNamed("b2");
    Piece& p = *pieceOf(game, b2.kind, kWhite, b2.index);
    setPending(squareNamed("b2"), kEmpty, kNoSide, kNoIndex, kPendingLayer);
    setPending(squareNamed("e5"), b2.kind, kWhite, b2.index, kPendingLayer);
    setTarget(p, 4, 4, 0);
    buildAttackMaps(game);
    EXPECT_EQ(attackedSquares(kWhite), fromE5);
    EXPECT_EQ(std::memcmp(sums, game.attacks.attackSum[0], sizeof sums), 0);

    // A piece in any other state attacks nothing: only the pawn h2 is left.
    p.atRest = 2;
    buildAttackMaps(game);
    EXPECT_EQ(attackedSquares(kWhite), (std::vector<std::string>{"g3"}));
  }
}

TEST(AttackMaps, CrowdedSquareKeepsSevenAttackers) {
  startProgram();
  setUpPosition("P2c4 P4e4 K9e6 N0b4 N1f4 B0a8 R0d1 R1h5 Q9d8");  // nine white pieces attack d5
  buildAttackMaps(game);
  EXPECT_EQ(game.attacks.attackers[0][3][4].count, 7);
  // The neighbours in the table are intact.
  EXPECT_EQ(attacksOn(kWhite, "d5 d6 d4"), "d5 29:1,1,2,3,3,3,4|d6 14:2,4,8|d4 12:4,8");
  EXPECT_TRUE(attackedSquares(kBlack).empty());
  for (int x = 0; x < 8; ++x) {
    for (int y = 0; y < 8; ++y) {
      const AttackList& l = game.attacks.attackers[0][x][y];
      EXPECT_LE(l.count, 7);
      for (int k = 1; k < l.count; ++k) EXPECT_LE(l.values[k - 1], l.values[k]) << squareName(x, y);
    }
  }
}
