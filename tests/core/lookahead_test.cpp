#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "computer/computer_state.h"
#include "computer/lookahead.h"
#include "computer/search.h"
#include "game/board.h"
#include "game/game.h"
#include "signature.h"
#include "test_support.h"
#include "ui/program.h"

namespace {

int faults = 0;
int pairs = 0;  // apply/undo pairs checked

// Applies every non-empty entry of a list in turn and looks one ply deeper,
// checking that each apply/undo pair and each search leave the whole state
// exactly as it was.
void walk(int depth, Side side) {
  const GameState beforeSearch = gameState();
  searchSide(game, computer, side, depth);
  if (!sameState(beforeSearch, gameState())) ++faults;
  if (depth == 3) return;
  const CandidateList list = computer.resultList[depth];
  for (const Candidate& c : list.entries) {
    if (isEmptyCandidate(c)) continue;
    const GameState before = gameState();
    applyCandidate(game, computer, c, side);
    walk(depth + 1, otherSide(side));
    undoCandidate(game, computer);
    ++pairs;
    if (!sameState(before, gameState())) ++faults;
  }
}

}  // namespace

TEST(Lookahead, EveryApplyUndoPairRestoresTheWholeState) {
  for (const char* name : {"kings-pawn", "open-game", "short-castled", "black-castles", "queen-out"}) {
    const SignaturePosition* p = signaturePosition(name);
    ASSERT_NE(p, nullptr) << name;
    ASSERT_TRUE(setUpPosition(*p, 3));
    ASSERT_EQ(game.sideToMove, kBlackToMove) << name;
    faults = 0;
    pairs = 0;
    walk(0, kBlack);
    EXPECT_EQ(faults, 0) << name;
    EXPECT_GT(pairs, 0) << name;
    EXPECT_EQ(lookaheadDepth(computer), 0);
    EXPECT_EQ(consistencyFault(), "") << name;
  }
}

TEST(Lookahead, CastlingCandidateIsUndoneExactly) {
  startProgram();
  playMoves("e2e4 e7e5 g1f3 g8f6 f1c4 f8c5");
  game.trialMode = 1;
  const GameState before = gameState();
  const Candidate shortCastling{0, kKing, 6, 0, 4, 0, kNoIndex, kShortCastling, 0, kEmpty, 0, 0, kCommittedLayer};
  applyCandidate(game, computer, shortCastling, kWhite);
  EXPECT_EQ(game.pieces.kings[0].targetX, 6);
  EXPECT_EQ(game.pieces.kings[0].atRest, 0);
  EXPECT_EQ(game.pieces.rooks[0][1].targetX, 5);
  // The computer's state names the pieces by number: the undo, on a copy of
  // the game and the state, puts back the copy and leaves the original alone.
  const auto copy = std::make_unique<Game>(game);
  const auto copyState = std::make_unique<ComputerState>(computer);
  undoCandidate(*copy, *copyState);
  EXPECT_EQ((std::vector<int32_t>{copy->pieces.kings[0].atRest, copy->pieces.rooks[0][1].atRest}),
            (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(game.pieces.kings[0].atRest, 0);
  undoCandidate(game, computer);
  EXPECT_TRUE(sameState(before, gameState()));
  game.trialMode = 0;
}
