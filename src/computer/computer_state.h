// The computer's working state: the material and scores of the position it
// judges, its candidate lists, the candidates it has set up for a deeper look
// and the move it has chosen. A value of fixed size: `ComputerState{}` is the
// state at the start of the program.
#pragma once

#include <cstdint>

#include "game/records.h"
#include "game/types.h"

// A judged move. Fields 10, 11 and 13 are copied for every candidate and mean
// something only when `captures` is 1.
struct Candidate {
  int32_t score;   // kRejectedScore in an entry without a candidate
  PieceKind kind;  // 9 for castling; 0: no candidate
  int32_t toX;
  int32_t toY;
  int32_t fromX;
  int32_t fromY;
  int32_t index;  // array index; 99 for queen, king and castling
  int32_t code;   // accepted move code; castling 9 or 10
  int32_t captures;
  PieceKind capturedKind;
  int32_t capturedIndex;
  int32_t bonus;        // tacticalBonus of the candidate
  Layer capturedLayer;  // layer the captured piece stood in; castling the committed one
};

constexpr int kCandidateCount = 10;
constexpr int kResultListCount = 7;

// Ten candidates, best first.
struct CandidateList {
  Candidate entries[kCandidateCount];
};

// Where the pieces stood and what each square's exchange was worth in the
// search's starting position (saveEvaluationBase).
struct EvaluationBase {
  int8_t valueAt[kSquareCount];
  int32_t term[kSquareCount];
  uint64_t sideSquares[kSideCount];
  uint64_t threatened[kSideCount];  // squares whose term is not 0
  int32_t danger[kSideCount];
  int8_t squareOf[kPieceCount];  // -1 off the board
  // False when two pieces share a square or a piece's record is out of the
  // ordinary: such positions are judged piece by piece.
  bool usable;
};

constexpr int kLookaheadDepth = 8;

// What one applied candidate changed. Castling touches the home rank and two
// pieces; any other move two squares, the mover and perhaps a captured piece.
struct AppliedCandidate {
  bool castling;
  int32_t rank;           // home rank (castling)
  Square rankSquares[8];  // castling: the home rank before
  int squareIndexes[2];   // other moves: the two squares
  Square squares[2];
  int8_t movedIds[2];  // mover (or king) and captured piece (or rook) by number, -1 none
  Piece movedBefore[2];
};

// The move to play, copied from a candidate or from the engine.
struct ChosenMove {
  PieceKind kind;
  int32_t toX;
  int32_t toY;
  int32_t fromX;
  int32_t fromY;
  int32_t index;
  int32_t code;
};

struct ComputerState {
  // Judging a position.
  int32_t whiteMaterial = 0;
  int32_t blackMaterial = 0;
  int32_t lastMaterialBalance = 0;  // White minus Black as last recorded
  int32_t positionValue = 0;        // evaluateSide of the position being judged
  bool kingTaken = false;           // the candidate being judged captures a king
  int32_t tacticalBonus = 0;        // bonus part of the last score
  int32_t mobility = 0;             // board-wide attack balance of the candidate's side
  EvaluationBase evaluationBase{};

  // The candidate lists.
  CandidateList workingList[2]{};                // White's and Black's, filled by searchSide
  CandidateList resultList[kResultListCount]{};  // kept copies, chosen by searchSlot
  int32_t searchSlot = 0;                        // the slot of the search running or run last
  int32_t candidateFromX = 0, candidateFromY = 0;
  int32_t candidateToX = 0, candidateToY = 0;
  int32_t whiteAttackTotal = 0, blackAttackTotal = 0;
  int32_t baseWhiteMaterial = 0;  // material of the position the search runs in
  int32_t baseBlackMaterial = 0;

  // Candidates set up for a deeper look, innermost last.
  AppliedCandidate applied[kLookaheadDepth]{};
  int32_t appliedCount = 0;

  // The turn.
  ChosenMove chosenMove{};
  int32_t bestLineValue = kRejectedScore;   // best line of a level-2 or level-3 turn so far
  int32_t bestReplyValue = kRejectedScore;  // level 3: White's best line against the current first move
  int32_t timerBusy = 0;                    // re-entry counter of computerTurn
  bool hintRequested = false;               // from a hint until the next tick: the computer moves White

  // For tests: when set, every candidate is judged again from a full scan of
  // its position, and each difference from the quick judgement is counted.
  bool verifySteps = false;
  int64_t stepMismatches = 0;
};
