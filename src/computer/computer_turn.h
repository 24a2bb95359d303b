// The computer's turn, the levels and the hint.
#pragma once

#include <cstdint>

void Timer1Timer();    // Form1's 100 ms timer: Black's reply at the chosen level
void Yardmal1Click();  // hint: the computer plays a White move
void playLevelOne();
void playLevelTwo();
void playLevelThree();
void playHint();
