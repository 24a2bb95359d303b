#include "computer/computer_turn.h"

#include <cstdint>

#include "computer/computer_state.h"
#include "computer/evaluation.h"
#include "computer/lookahead.h"
#include "computer/search.h"
#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/castling_squares.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/moves.h"
#include "input/move_driver.h"

const char* const kNoMoveMessage =
    "Siyahın oynayabileceği hamle kalmadı. Hamlenizi geri alabilir ya da yeni oyun başlatabilirsiniz.";

namespace {

constexpr int32_t kNoReplyYet = -100000;
constexpr int32_t kNoLine = INT32_MIN;  // below every value a line can have

void chooseCandidate(ComputerState& computer, const Candidate& c) {
  computer.chosenMove = ChosenMove{c.kind, c.toX, c.toY, c.fromX, c.fromY, c.index, c.code};
}

// Plays the chosen move through the driver like a drop on its target square
// (the drag variables' squares are set by the caller).
void playChosenMove(Game& game, ComputerState& computer, Side side) {
  if (!isCastlingMove(computer.chosenMove.kind, computer.chosenMove.code)) {
    game.movingKind = computer.chosenMove.kind;
    game.movingSide = side;
    const bool royal = computer.chosenMove.kind == kQueen || computer.chosenMove.kind == kKing;
    game.movingIndex = royal ? 0 : computer.chosenMove.index;
  }
  game.trialMode = false;
  requestMove(game, computer.chosenMove.kind, side, computer.chosenMove.index);
  if (computer.hintRequested && game.playMode == kPlayComputer) {
    game.computerTurnPending = true;
    game.thinkingShown = true;
  }
  game.captureFound = false;
}

void playAndRecord(Game& game, ComputerState& computer, Side side) {
  game.dragFromX = computer.chosenMove.fromX;
  game.dragFromY = computer.chosenMove.fromY;
  game.dragToX = computer.chosenMove.toX;
  game.dragToY = computer.chosenMove.toY;
  playChosenMove(game, computer, side);
  countMaterial(game, computer);
  computer.lastMaterialBalance = computer.whiteMaterial - computer.blackMaterial;
}

// When the side has no judged candidate at all (every move leaves its king
// attacked), the first move the generators accept, so that the game goes on
// and the opponent may take the king. False when no piece can move.
bool chooseFirstPossibleMove(Game& game, ComputerState& computer, Side side) {
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
          computer.chosenMove = ChosenMove{kind, tx, ty, p->x, p->y, royal ? kNoIndex : i, code};
          return true;
        }
      }
    }
  }
  return false;
}

// The one-ply list's best entry, or a fallback when the list is empty. False
// when nothing at all can be played.
bool chooseBestOrFallback(Game& game, ComputerState& computer, const CandidateList& list, Side side) {
  if (!isEmptyCandidate(list.entries[0])) {
    chooseCandidate(computer, list.entries[0]);
    return true;
  }
  return chooseFirstPossibleMove(game, computer, side);
}

// Black cannot move at all. Passing the turn would leave White's move
// without its reply in the history, so the player is told and may take the
// move back or start a new game.
void passBlackTurn(Game& game) {
  game.trialMode = false;
  dialogs().message(kNoMoveMessage);
}

void finishBlackTurn(Game& game, ComputerState& computer, bool chosen) {
  if (chosen) {
    playAndRecord(game, computer, kBlack);
  } else {
    passBlackTurn(game);
  }
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

// Keeps the first move of the best line so far; false when `value` is no
// better (among equal lines the better ranked first move stays).
bool keepIfBetter(ComputerState& computer, int32_t value, const Candidate& first) {
  if (value <= computer.bestLineValue) return false;
  computer.bestLineValue = value;
  chooseCandidate(computer, first);
  return true;
}

}  // namespace

void playLevelOne(Game& game, ComputerState& computer) {
  searchSide(game, computer, kBlack, 0);
  finishBlackTurn(game, computer, chooseBestOrFallback(game, computer, computer.resultList[0], kBlack));
}

void playHint(Game& game, ComputerState& computer) {
  searchSide(game, computer, kWhite, 1);
  if (chooseBestOrFallback(game, computer, computer.resultList[1], kWhite)) {
    playAndRecord(game, computer, computer.hintRequested ? kWhite : kBlack);
  } else {
    game.trialMode = false;
  }
}

// Black's ten best moves, each with White's best reply and Black's best
// answer to that.
void playLevelTwo(Game& game, ComputerState& computer) {
  searchSide(game, computer, kBlack, 0);
  bool chosen = false;
  for (const Candidate& first : computer.resultList[0].entries) {
    if (isEmptyCandidate(first)) continue;
    applyAndSearch(game, computer, first, kBlack, 1);
    Candidate reply;
    Candidate answer;
    lineEntry(computer.resultList[1], 0, reply);
    applyAndSearch(game, computer, reply, kWhite, 2);
    lineEntry(computer.resultList[2], 0, answer);
    chosen = keepIfBetter(computer, levelTwoValue(first, reply, answer), first) || chosen;
    undoLineEntry(game, computer, reply);
    undoCandidate(game, computer);
  }
  computer.bestLineValue = kRejectedScore;
  if (!chosen) chosen = chooseBestOrFallback(game, computer, computer.resultList[0], kBlack);
  finishBlackTurn(game, computer, chosen);
}

// Black's ten best moves, White's ten best replies to each, Black's ten best
// answers to those and White's best answer: White keeps its best reply per
// first move, Black the first move whose line is best for Black.
void playLevelThree(Game& game, ComputerState& computer) {
  searchSide(game, computer, kBlack, 0);
  bool chosen = false;
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
        chosen = keepIfBetter(computer, judgeLevelThreeLine(game, computer, first, reply, second, j), first) || chosen;
        undoLineEntry(game, computer, second);
      }
      undoLineEntry(game, computer, reply);
    }
    undoCandidate(game, computer);
  }
  computer.bestLineValue = kRejectedScore;
  if (!chosen) chosen = chooseBestOrFallback(game, computer, computer.resultList[0], kBlack);
  finishBlackTurn(game, computer, chosen);
}

void computerTurn(Game& game, ComputerState& computer) {
  bool tookKing = false;
  computer.timerBusy += 1;
  if (computer.timerBusy == 1) {
    // With a king taken the game is over: the computer does not move.
    if (sideToPlay(game) == kBlack && !gameIsOver(game)) {
      game.thinkingShown = true;
      computer.hintRequested = false;
      switch (game.level) {
        case kLevel1: playLevelOne(game, computer); break;
        case kLevel2: playLevelTwo(game, computer); break;
        case kLevel3: playLevelThree(game, computer); break;
        case kLevel4:
          if (!playLevelFour(game, computer)) {
            computer.timerBusy = 0;
            return;  // still thinking: "Düşünüyorum..." stays and the timer runs on
          }
          break;
        default: break;
      }
      tookKing = gameIsOver(game);
    } else {
      computer.hintRequested = false;
      stopLevelFour(game);  // nothing left to think about
    }
    game.thinkingShown = false;
  }
  game.computerTurnPending = false;
  computer.timerBusy = 0;
  // Said once the turn is over, with the timer stopped.
  if (tookKing) announceGameEnd(game, KingTaker::Computer);
}

namespace {

// Plays the engine's move for `side`; a move the driver refuses is counted and
// replaced by level 3's (the hint's for White).
void playEngineChoice(Game& game, ComputerState& computer, const ChosenMove& m, Side side) {
  computer.chosenMove = m;
  const int32_t before = game.sideToMove;
  playAndRecord(game, computer, side);
  if (game.sideToMove != before) return;
  levelFourRefusals += 1;
  if (side == kBlack) {
    playLevelThree(game, computer);
  } else {
    computer.hintRequested = true;
    playHint(game, computer);
    computer.hintRequested = false;
  }
}

}  // namespace

bool playLevelFour(Game& game, ComputerState& computer) {
  if (game.playMode != kPlayComputer) {
    stopLevelFour(game);
    return true;
  }
  ChosenMove m{};
  switch (thinkLevelFour(game, m)) {
    case Thought::Thinking: return false;
    case Thought::NoMove: playLevelThree(game, computer); return true;  // which tells the player
    case Thought::Ready: break;
  }
  playEngineChoice(game, computer, m, kBlack);
  return true;
}

bool playEngineMove(Game& game, ComputerState& computer, int moveTimeMs) {
  const Side side = sideToPlay(game);
  ChosenMove m{};
  if (!chooseEngineMove(game, moveTimeMs, m)) return false;
  playEngineChoice(game, computer, m, side);
  return true;
}

// No hint once the game is over; a hint that takes a king wins for the
// player.
void requestHint(Game& game, ComputerState& computer) {
  if (gameIsOver(game)) return;
  computer.hintRequested = true;
  playHint(game, computer);
  if (gameIsOver(game)) announceGameEnd(game, KingTaker::Player);
}
