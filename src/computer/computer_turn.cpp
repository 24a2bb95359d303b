#include "computer/computer_turn.h"

#include "computer/evaluation.h"
#include "computer/lookahead.h"
#include "computer/search.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/game_over.h"
#include "game/moves.h"
#include "game/pictures.h"
#include "input/move_driver.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

const char* const kNoMoveMessage =
    "Siyahın oynayabileceği hamle kalmadı. Hamlenizi geri alabilir ya da yeni oyun başlatabilirsiniz.";

// The move to play, copied from a candidate.
struct ChosenMove {
  int32_t kind;
  int32_t toX;
  int32_t toY;
  int32_t fromX;
  int32_t fromY;
  int32_t index;
  int32_t code;
};

ChosenMove chosenMove{};
int32_t bestLineValue = kRejectedScore;
int32_t bestReplyValue = kRejectedScore;
int32_t timerBusy = 0;

namespace {

constexpr int32_t kNoReplyYet = -100000;

CandidateList& R(int n) { return resultList[n]; }

void choose(const Candidate& c) { chosenMove = ChosenMove{c.kind, c.toX, c.toY, c.fromX, c.fromY, c.index, c.code}; }

bool isCastlingMove(const ChosenMove& m) {
  return m.kind == kKing && (m.code == kShortCastling || m.code == kLongCastling);
}

void playChosenMove() {
  const int32_t side = hintRequested == 1 ? kWhite : kBlack;
  const int32_t dx = chosenMove.toX - chosenMove.fromX;
  const int32_t dy = chosenMove.toY - chosenMove.fromY;
  if (!isCastlingMove(chosenMove)) {
    movingKind = chosenMove.kind;
    movingSide = side;
    const bool royal = chosenMove.kind == kQueen || chosenMove.kind == kKing;
    movingIndex = royal ? 0 : chosenMove.index;
    const int pic = boardPictureOf(side, chosenMove.kind, chosenMove.index);
    if (pic != 0) {
      dropLeft = form1.image[pic].left + kSquarePixels * dx;
      dropTop = form1.image[pic].top - kSquarePixels * dy;
    }
  }
  trialMode = 0;
  requestMove(chosenMove.kind, side, chosenMove.index);
  if (hintRequested == 1 && playMode == kPlayComputer) {
    form1.timer1Enabled = true;
    form1.label19Visible = true;
  }
  captureFound = 0;
}

void playAndRecord() {
  dragFromX = chosenMove.fromX;
  dragFromY = chosenMove.fromY;
  dragToX = chosenMove.toX;
  dragToY = chosenMove.toY;
  playChosenMove();
  countMaterial();
  lastMaterialBalance = whiteMaterial - blackMaterial;
}

// When the side has no judged candidate at all (every move leaves its king
// attacked), the first move the generators accept, so that the game goes on
// and the opponent may take the king. False when no piece can move.
bool chooseFirstPossibleMove(int32_t side) {
  static constexpr int32_t kinds[6] = {kPawn, kRook, kKnight, kBishop, kQueen, kKing};
  trialMode = 1;
  for (int32_t kind : kinds) {
    const int count = kind == kPawn ? 8 : (kind == kQueen || kind == kKing) ? 1 : 2;
    for (int i = 0; i < count; ++i) {
      Piece* p = pieceOf(kind, side, i);
      if (p == nullptr || p->onBoard != 1) continue;
      for (int32_t code = 1; code <= moveCodeCount(kind); ++code) {
        int32_t result = kMoveRefused;
        generateMove(kind, *p, code, result);
        const int32_t tx = p->targetX;
        const int32_t ty = p->targetY;
        cancelMove(*p);
        if (result == kMovePossible) {
          const bool royal = kind == kQueen || kind == kKing;
          chosenMove = ChosenMove{kind, tx, ty, p->x, p->y, royal ? kNoIndex : i, code};
          return true;
        }
      }
    }
  }
  return false;
}

// The one-ply list's best entry, or a fallback when the list is empty. False
// when nothing at all can be played.
bool chooseBestOrFallback(const CandidateList& list, int32_t side) {
  if (!isEmptyCandidate(list.entries[0])) {
    choose(list.entries[0]);
    return true;
  }
  return chooseFirstPossibleMove(side);
}

// Black cannot move at all. Passing the turn would leave White's move
// without its reply in the history, so the player is told and may take the
// move back or start a new game.
void passBlackTurn() {
  trialMode = 0;
  dialogs().message(kNoMoveMessage);
}

void finishBlackTurn(bool chosen) {
  if (chosen) {
    playAndRecord();
  } else {
    passBlackTurn();
  }
}

// "No move": the place in a line of a side whose list is empty, because every
// move it has leaves its king attacked or it has nothing left to move. Such a
// line is exactly what a player looks for, so it is judged like any other,
// with this entry worth kRejectedScore and capturing nothing.
constexpr Candidate kNoMove{kRejectedScore, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Entry `e` of a list as a move of a line: "no move" for an empty list's
// head; false for an empty later entry, which gives no line.
bool lineEntry(const CandidateList& list, int e, Candidate& entry) {
  entry = isEmptyCandidate(list.entries[e]) ? kNoMove : list.entries[e];
  return e == 0 || !isEmptyCandidate(entry);
}

// Sets a line's move up ("no move" sets up nothing) and fills result list
// `slot` with the other side's answers to the position as it then stands.
void applyAndSearch(const Candidate& c, int32_t side, int32_t slot) {
  searchSlot = slot;
  if (!isEmptyCandidate(c)) applyCandidate(c, side);
  searchSide(otherSide(side));
}

void undoLineEntry(const Candidate& c, int32_t side) {
  if (!isEmptyCandidate(c)) undoCandidate(c, side);
}

int32_t levelTwoValue(const Candidate& first, const Candidate& reply, const Candidate& answer) {
  if (capturesKing(reply)) return kKingLostScore;
  if (capturesKing(first) || capturesKing(answer)) return kKingCaptureScore;
  return first.bonus + answer.score - reply.bonus;
}

}  // namespace

void playLevelOne() {
  searchSlot = 0;
  searchSide(kBlack);
  finishBlackTurn(chooseBestOrFallback(R(0), kBlack));
}

void playHint() {
  searchSlot = 1;
  searchSide(kWhite);
  if (chooseBestOrFallback(R(1), kWhite)) {
    playAndRecord();
  } else {
    trialMode = 0;
  }
}

void playLevelTwo() {
  searchSlot = 0;
  searchSide(kBlack);
  bool chosen = false;
  for (int i = 0; i < kCandidateCount; ++i) {
    const Candidate first = R(0).entries[i];
    if (isEmptyCandidate(first)) continue;
    applyAndSearch(first, kBlack, 1);
    Candidate reply;
    Candidate answer;
    lineEntry(R(1), 0, reply);
    applyAndSearch(reply, kWhite, 2);
    lineEntry(R(2), 0, answer);
    const int32_t value = levelTwoValue(first, reply, answer);
    if (value > bestLineValue) {
      bestLineValue = value;
      choose(first);
      chosen = true;
    }
    undoLineEntry(reply, kWhite);
    undoCandidate(first, kBlack);
  }
  bestLineValue = kRejectedScore;
  if (!chosen) chosen = chooseBestOrFallback(R(0), kBlack);
  finishBlackTurn(chosen);
}

namespace {

// Lines of the fourth ply: White's best answer to Black's second move, seen
// from White to pick White's best reply and then from Black.
void judgeLevelThreeLine(const Candidate& first, const Candidate& reply, const Candidate& second, int j, bool& chosen) {
  Candidate answer;
  lineEntry(R(3), 0, answer);
  if (!isEmptyCandidate(answer)) applyCandidate(answer, kWhite);
  if (j == 0) bestReplyValue = kNoReplyYet;
  Candidate f;
  lineEntry(R(4), 0, f);
  int32_t whiteLine = 0;
  if (capturesKing(first) || capturesKing(second)) {
    whiteLine = kKingLostScore;
  } else if (capturesKing(reply) || capturesKing(answer) || capturesKing(f)) {
    whiteLine = kKingCaptureScore;
  } else {
    whiteLine = answer.score - first.bonus + reply.bonus - second.bonus + answer.bonus;
  }
  if (whiteLine > bestReplyValue) {
    bestReplyValue = whiteLine;
    searchSlot = 4;
    searchSide(kBlack);
    Candidate fifth;
    lineEntry(R(4), 0, fifth);
    int32_t blackLine = 0;
    if (capturesKing(reply) || capturesKing(answer)) {
      blackLine = kKingLostScore;
    } else if (capturesKing(first) || capturesKing(second) || capturesKing(fifth)) {
      blackLine = kKingCaptureScore;
    } else {
      blackLine = first.bonus + fifth.score - reply.bonus + second.bonus - answer.bonus;
    }
    if (blackLine > bestLineValue) {
      bestLineValue = blackLine;
      choose(first);
      chosen = true;
    }
  }
  undoLineEntry(answer, kWhite);
}

}  // namespace

void playLevelThree() {
  searchSlot = 0;
  searchSide(kBlack);
  bool chosen = false;
  for (int i = 0; i < kCandidateCount; ++i) {
    const Candidate first = R(0).entries[i];
    if (isEmptyCandidate(first)) continue;
    applyAndSearch(first, kBlack, 1);
    for (int j = 0; j < kCandidateCount; ++j) {
      Candidate reply;
      if (!lineEntry(R(1), j, reply)) continue;
      applyAndSearch(reply, kWhite, 2);
      for (int k = 0; k < kCandidateCount; ++k) {
        Candidate second;
        if (!lineEntry(R(2), k, second)) continue;
        applyAndSearch(second, kBlack, 3);
        judgeLevelThreeLine(first, reply, second, j, chosen);
        undoLineEntry(second, kBlack);
      }
      undoLineEntry(reply, kWhite);
    }
    undoCandidate(first, kBlack);
  }
  bestLineValue = kRejectedScore;
  if (!chosen) chosen = chooseBestOrFallback(R(0), kBlack);
  finishBlackTurn(chosen);
}

void Timer1Timer() {
  timerBusy += 1;
  if (timerBusy == 1) {
    // With a king taken the game is over: the computer does not move.
    if (sideToMove == kBlackToMove && !gameIsOver()) {
      form1.label19Visible = true;
      hintRequested = 0;
      switch (level) {
        case kLevelBeginner: playLevelOne(); break;
        case kLevelOne: playLevelTwo(); break;
        case kLevelTwo: playLevelThree(); break;
        default: break;
      }
    } else {
      hintRequested = 0;
    }
    form1.label19Visible = false;
  }
  form1.timer1Enabled = false;
  timerBusy = 0;
}

// No hint once the game is over.
void Yardmal1Click() {
  if (gameIsOver()) return;
  hintRequested = 1;
  playHint();
}
