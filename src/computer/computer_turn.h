// The computer's turn, the levels and the hint.
#pragma once

#include <cstdint>

#include "game/types.h"

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

// ---- the state -----------------------------------------------------------

inline ChosenMove chosenMove{};
inline int32_t bestLineValue = kRejectedScore;   // best line of a level-2 or level-3 turn so far
inline int32_t bestReplyValue = kRejectedScore;  // level 3: White's best line against the current first move
inline int32_t timerBusy = 0;                    // re-entry counter of the timer handler
inline int32_t hintRequested = 0;                // 1 from a hint until the next tick: the computer moves White

// Puts the state above back to its program-start values.
void resetComputerTurn();

// ---- handlers ------------------------------------------------------------

void Timer1Timer();    // Form1's 100 ms timer: Black's reply at the chosen level
void Yardmal1Click();  // hint: the computer plays a White move
void playLevelOne();
void playLevelTwo();
void playLevelThree();
void playHint();
