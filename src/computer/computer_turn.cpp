#include "computer/computer_turn.h"

#include <cstdint>

#include "computer/computer_state.h"
#include "computer/evaluation.h"
#include "computer/lookahead.h"
#include "computer/search.h"
#include "controls/controls.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling_squares.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/moves.h"
#include "input/move_codes.h"
#include "input/move_driver.h"

namespace {

constexpr int32_t kNoReplyYet = -100000;
constexpr int32_t kNoLine = INT32_MIN;  // below every value a line can have

MoveRequest requestOf(const Candidate& c, Side side) {
  return MoveRequest{c.kind, side, c.index, c.fromX, c.fromY, c.toX, c.toY};
}

// When the side has no judged candidate at all (every move leaves its king
// attacked), the first move the generators accept, so that the game goes on
// and the opponent may take the king. None when no piece can move.
std::optional<MoveRequest> firstPossibleMove(Game& game, Side side) {
  game.trialMode = true;
  for (PieceKind kind : kKindOrder) {
    for (int i = 0; i < pieceCountOf(kind); ++i) {
      Piece* p = pieceOf(game, kind, side, i);
      if (p == nullptr || !p->onBoard) continue;
      for (int32_t code = 1; code <= moveCodeCount(kind); ++code) {
        const int32_t result = generateMove(game, kind, *p, code);
        const int32_t tx = p->targetX;
        const int32_t ty = p->targetY;
        cancelMove(*p);
        if (result == kMovePossible) {
          const bool royal = kind == kQueen || kind == kKing;
          return MoveRequest{kind, side, royal ? kNoIndex : i, p->x, p->y, tx, ty};
        }
      }
    }
  }
  return std::nullopt;
}

// The one-ply list's best entry, or a fallback when the list is empty.
std::optional<MoveRequest> bestOrFallback(Game& game, const CandidateList& list, Side side) {
  if (!isEmptyCandidate(list.entries[0])) return requestOf(list.entries[0], side);
  return firstPossibleMove(game, side);
}

// "No move": the place in a line of a side whose list is empty, because every
// move it has leaves its king attacked or it has nothing left to move. Such a
// line is exactly what a player looks for, so it is judged like any other,
// with this entry worth kRejectedScore and capturing nothing.
constexpr Candidate kNoMove{kRejectedScore, kEmpty, 0, 0, 0, 0, 0, 0, 0, kEmpty, 0, 0, kPendingLayer};

// Entry `e` of a list as a move of a line: "no move" for an empty list's
// head; false for an empty later entry, which gives no line.
bool lineEntry(const CandidateList& list, int e, Candidate& entry) {
  entry = isEmptyCandidate(list.entries[e]) ? kNoMove : list.entries[e];
  return e == 0 || !isEmptyCandidate(entry);
}

// Sets a line's move up ("no move" sets up nothing) and fills result list
// `slot` with the other side's answers to the position as it then stands.
void applyAndSearch(Game& game, ComputerState& computer, const Candidate& c, Side side, int32_t slot) {
  if (!isEmptyCandidate(c)) applyCandidate(game, computer, c, side);
  searchSide(game, computer, otherSide(side), slot);
}

void undoLineEntry(Game& game, ComputerState& computer, const Candidate& c) {
  if (!isEmptyCandidate(c)) undoCandidate(game, computer);
}

// Level 2's line, seen from Black: what Black's first move gains, plus the
// score of Black's best answer, less what White's reply gains.
int32_t levelTwoValue(const Candidate& first, const Candidate& reply, const Candidate& answer) {
  if (capturesKing(reply)) return kKingLostScore;
  if (capturesKing(first) || capturesKing(answer)) return kKingCaptureScore;
  return first.bonus + answer.score - reply.bonus;
}

// Level 3's four-ply line seen from White, which picks White's best reply:
// the score of White's answer, plus White's gains, less Black's.
int32_t levelThreeWhiteValue(const Candidate& first, const Candidate& reply, const Candidate& second,
                             const Candidate& answer, const Candidate& fifth) {
  if (capturesKing(first) || capturesKing(second)) return kKingLostScore;
  if (capturesKing(reply) || capturesKing(answer) || capturesKing(fifth)) return kKingCaptureScore;
  return answer.score - first.bonus + reply.bonus - second.bonus + answer.bonus;
}

// The same line seen from Black, closed by Black's fifth-ply answer: the
// score of that answer, plus Black's gains, less White's.
int32_t levelThreeBlackValue(const Candidate& first, const Candidate& reply, const Candidate& second,
                             const Candidate& answer, const Candidate& fifth) {
  if (capturesKing(reply) || capturesKing(answer)) return kKingLostScore;
  if (capturesKing(first) || capturesKing(second) || capturesKing(fifth)) return kKingCaptureScore;
  return first.bonus + fifth.score - reply.bonus + second.bonus - answer.bonus;
}

// Black's value of the line first-reply-second with White's best answer,
// or kNoLine when White has a better reply elsewhere. The fifth ply is
// searched only for a line that beats White's best reply so far.
int32_t judgeLevelThreeLine(Game& game, ComputerState& computer, const Candidate& first, const Candidate& reply,
                            const Candidate& second, int j) {
  Candidate answer;
  lineEntry(computer.resultList[3], 0, answer);
  if (!isEmptyCandidate(answer)) applyCandidate(game, computer, answer, kWhite);
  if (j == 0) computer.bestReplyValue = kNoReplyYet;
  Candidate fifth;
  lineEntry(computer.resultList[4], 0, fifth);  // as the previous fifth-ply search left it
  int32_t blackLine = kNoLine;
  const int32_t whiteLine = levelThreeWhiteValue(first, reply, second, answer, fifth);
  if (whiteLine > computer.bestReplyValue) {
    computer.bestReplyValue = whiteLine;
    searchSide(game, computer, kBlack, 4);
    lineEntry(computer.resultList[4], 0, fifth);
    blackLine = levelThreeBlackValue(first, reply, second, answer, fifth);
  }
  undoLineEntry(game, computer, answer);
  return blackLine;
}

// Keeps the first move of the best line so far; an equal line keeps the
// better ranked first move.
void keepIfBetter(ComputerState& computer, int32_t value, const Candidate& first, std::optional<MoveRequest>& best) {
  if (value <= computer.bestLineValue) return;
  computer.bestLineValue = value;
  best = requestOf(first, kBlack);
}

}  // namespace

std::optional<MoveRequest> levelOneMove(Game& game, ComputerState& computer) {
  searchSide(game, computer, kBlack, 0);
  return bestOrFallback(game, computer.resultList[0], kBlack);
}

std::optional<MoveRequest> hintMove(Game& game, ComputerState& computer) {
  searchSide(game, computer, kWhite, 1);
  return bestOrFallback(game, computer.resultList[1], kWhite);
}

// Black's ten best moves, each with White's best reply and Black's best
// answer to that.
std::optional<MoveRequest> levelTwoMove(Game& game, ComputerState& computer) {
  searchSide(game, computer, kBlack, 0);
  std::optional<MoveRequest> best;
  for (const Candidate& first : computer.resultList[0].entries) {
    if (isEmptyCandidate(first)) continue;
    applyAndSearch(game, computer, first, kBlack, 1);
    Candidate reply;
    Candidate answer;
    lineEntry(computer.resultList[1], 0, reply);
    applyAndSearch(game, computer, reply, kWhite, 2);
    lineEntry(computer.resultList[2], 0, answer);
    keepIfBetter(computer, levelTwoValue(first, reply, answer), first, best);
    undoLineEntry(game, computer, reply);
    undoCandidate(game, computer);
  }
  computer.bestLineValue = kRejectedScore;
  return best ? best : bestOrFallback(game, computer.resultList[0], kBlack);
}

// Black's ten best moves, White's ten best replies to each, Black's ten best
// answers to those and White's best answer: White keeps its best reply per
// first move, Black the first move whose line is best for Black.
std::optional<MoveRequest> levelThreeMove(Game& game, ComputerState& computer) {
  searchSide(game, computer, kBlack, 0);
  std::optional<MoveRequest> best;
  for (const Candidate& first : computer.resultList[0].entries) {
    if (isEmptyCandidate(first)) continue;
    applyAndSearch(game, computer, first, kBlack, 1);
    for (int j = 0; j < kCandidateCount; ++j) {
      Candidate reply;
      if (!lineEntry(computer.resultList[1], j, reply)) continue;
      applyAndSearch(game, computer, reply, kWhite, 2);
      for (int k = 0; k < kCandidateCount; ++k) {
        Candidate second;
        if (!lineEntry(computer.resultList[2], k, second)) continue;
        applyAndSearch(game, computer, second, kBlack, 3);
        keepIfBetter(computer, judgeLevelThreeLine(game, computer, first, reply, second, j), first, best);
        undoLineEntry(game, computer, second);
      }
      undoLineEntry(game, computer, reply);
    }
    undoCandidate(game, computer);
  }
  computer.bestLineValue = kRejectedScore;
  return best ? best : bestOrFallback(game, computer.resultList[0], kBlack);
}

MoveOutcome playComputerMove(Game& game, ComputerState& computer, const MoveRequest& move) {
  // The index the generators write on the target square, as a drag of the
  // piece would give it; a castling goes through no generator.
  const int32_t code = moveCodeFor(move.kind, move.side, move.toX - move.fromX, move.toY - move.fromY);
  if (!isCastlingMove(move.kind, code)) {
    const bool royal = move.kind == kQueen || move.kind == kKing;
    game.movingIndex = royal ? 0 : move.index;
  }
  const MoveOutcome outcome = requestMove(game, move);
  game.captureFound = false;
  countMaterial(game, computer);
  computer.lastMaterialBalance = computer.whiteMaterial - computer.blackMaterial;
  return outcome;
}

namespace {

// Plays the computer's move; with none nothing is played and the player is
// told (for Black, passing the turn would leave White's move without its
// reply in the history).
MoveOutcome playIfAny(Game& game, ComputerState& computer, const std::optional<MoveRequest>& move) {
  if (!move) {
    game.trialMode = false;
    return MoveOutcome::NoMove;
  }
  return playComputerMove(game, computer, *move);
}

// The engine's move for `side`; a move the driver refuses is counted and
// replaced by level 3's (the hint's for White).
MoveOutcome playEngineChoice(Game& game, ComputerState& computer, LevelFour& levelFour, const MoveRequest& move) {
  const MoveOutcome outcome = playComputerMove(game, computer, move);
  if (outcome != MoveOutcome::Refused) return outcome;
  levelFour.refusals += 1;
  if (move.side == kBlack) return playIfAny(game, computer, levelThreeMove(game, computer));
  return playIfAny(game, computer, hintMove(game, computer));
}

// Level 4 on the timer: starts thinking, or plays the move once thought out.
// nullopt while the engine still thinks.
std::optional<MoveOutcome> playLevelFour(Game& game, ComputerState& computer, LevelFour& levelFour) {
  if (game.playMode != kPlayComputer) {
    levelFour.stop(game);
    return MoveOutcome::Refused;
  }
  const Thought thought = levelFour.think(game);
  if (thought.thinking) return std::nullopt;
  if (!thought.move) return playIfAny(game, computer, levelThreeMove(game, computer));
  return playEngineChoice(game, computer, levelFour, *thought.move);
}

}  // namespace

MoveOutcome computerTurn(Game& game, ComputerState& computer, LevelFour& levelFour) {
  MoveOutcome outcome = MoveOutcome::Refused;
  // With a king taken the game is over: the computer does not move.
  if (sideToPlay(game) == kBlack && !gameIsOver(game)) {
    game.thinkingShown = true;
    computer.hintRequested = false;
    switch (game.level) {
      case kLevel1: outcome = playIfAny(game, computer, levelOneMove(game, computer)); break;
      case kLevel2: outcome = playIfAny(game, computer, levelTwoMove(game, computer)); break;
      case kLevel3: outcome = playIfAny(game, computer, levelThreeMove(game, computer)); break;
      case kLevel4: {
        const std::optional<MoveOutcome> played = playLevelFour(game, computer, levelFour);
        if (!played) return MoveOutcome::Refused;  // still thinking: "Düşünüyorum..." stays, the reply is still due
        outcome = *played;
        break;
      }
      default: break;
    }
  } else {
    computer.hintRequested = false;
    levelFour.stop(game);  // nothing left to think about
  }
  game.thinkingShown = false;
  game.computerTurnPending = false;
  if (gameIsOver(game) && moveMade(outcome)) {
    endGame(game);
    return kingTaken(game) ? MoveOutcome::KingTaken : MoveOutcome::Drawn;
  }
  return outcome;
}

MoveOutcome playEngineMove(Game& game, ComputerState& computer, LevelFour& levelFour, int moveTimeMs) {
  const std::optional<MoveRequest> move = levelFour.chooseNow(game, moveTimeMs);
  if (!move) return MoveOutcome::NoMove;
  return playEngineChoice(game, computer, levelFour, *move);
}

// No hint once the game is over; a hint that takes a king wins for the
// player. Against the computer, Black's reply is then due.
MoveOutcome requestHint(Game& game, ComputerState& computer) {
  if (gameIsOver(game)) return MoveOutcome::Refused;
  computer.hintRequested = true;
  const MoveOutcome outcome = playIfAny(game, computer, hintMove(game, computer));
  if (outcome == MoveOutcome::NoMove) return outcome;
  if (game.playMode == kPlayComputer) {
    game.computerTurnPending = true;
    game.thinkingShown = true;
  }
  if (gameIsOver(game)) {
    endGame(game);
    return kingTaken(game) ? MoveOutcome::KingTaken : MoveOutcome::Drawn;
  }
  return outcome;
}
