// The computer's one-ply move finder: every move of one side is tried on the
// pending layers, judged, undone exactly, and the ten best are kept.
#pragma once

#include <cstdint>

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
  int32_t bonus;          // tacticalBonus of the candidate
  int32_t capturedLayer;  // layer the captured piece stood in; castling 1
};

constexpr int kCandidateCount = 10;
constexpr int kResultListCount = 7;

// Ten candidates, best first.
struct CandidateList {
  Candidate entries[kCandidateCount];
};

inline CandidateList workingList[2];                // White's and Black's, filled by searchSide
inline CandidateList resultList[kResultListCount];  // kept copies, chosen by searchSlot
inline int32_t searchSlot = 0;                      // the slot of the search running or run last
inline int32_t candidateFromX = 0, candidateFromY = 0;
inline int32_t candidateToX = 0, candidateToY = 0;
inline int32_t whiteAttackTotal = 0, blackAttackTotal = 0;

// Number of candidates judged since the process started (for the bench
// signature); no reset touches it.
inline int64_t evaluationCount = 0;
// For tests: when set, every candidate is judged again from a full scan of
// its position, and each difference from the quick judgement is counted.
inline bool verifySteps = false;
inline int64_t stepMismatches = 0;

// Puts the state above back to its program-start values.
void resetSearch();

// Fills the side's working list, copies it into result list `slot` when the
// slot keeps that side's lists (even slots Black's, odd slots White's; any
// other slot keeps nothing) and resets both working lists. Leaves trialMode
// at 1 and the position as it was.
void searchSide(Side side, int32_t slot);

// The score of the candidate just judged (its destination in candidateToX
// and candidateToY, its position's value in positionValue); kRejectedScore
// when it is worse than the fifth entry of the side's working list.
int32_t scoreCandidate(Side side, int32_t mobilityValue);

inline bool isEmptyCandidate(const Candidate& c) { return c.kind == 0; }
inline bool capturesKing(const Candidate& c) { return c.captures == 1 && c.capturedKind == kKing; }
