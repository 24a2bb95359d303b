// Handlers of the main window (Form1) that live in the core: creation, new
// game, play mode and level wiring, help, exit and close. The Qt layer calls
// them from its widgets and then redraws from the control records.
#pragma once

#include <cstdint>

#include "game/types.h"

// Form1 creation: play mode and level 1, dark-square bitmaps, list headers.
void FormCreate();

// New game ("Başlat" button and menu item).
void Button3Click();
void Balat1Click();

// Play mode: against the computer / two players.
void secenek1Click();
void secenek2Click();

// Levels; each radio button calls its menu handler. A level change, a new
// game, a mode change and closing stop level 4's thinking.
void BaslaClick();
void seviye1Click();
void seviye2Click();
void seviye3Click();  // level 4, the engine
void RadioButton1Click();
void RadioButton2Click();
void RadioButton3Click();
void RadioButton4Click();

// The menu handler of each level and play mode: a level or play mode kept
// from the last run is chosen again through them, as by the menu.
struct ChoiceHandler {
  int32_t value;
  void (*choose)();
};
inline constexpr ChoiceHandler kLevelHandlers[] = {
    {kLevel1, BaslaClick}, {kLevel2, seviye1Click}, {kLevel3, seviye2Click}, {kLevel4, seviye3Click}};
inline constexpr ChoiceHandler kPlayModeHandlers[] = {{kPlayComputer, secenek1Click}, {kPlayTwoPlayers, secenek2Click}};

// Chooses a kept level and play mode through their handlers; a value that
// no handler stands for (a damaged setting) leaves the present one.
void restoreChoices(int32_t keptLevel, int32_t keptPlayMode);

// "Yardım": shows the help window.
void Yardm1Click();

// "Çıkış": asks whether to save, then asks the window to close
// (form1.closeRequested); that answer stands for the close question too.
void k1Click();
// The window is closing: asks once whether to save an unsaved game. Returns
// false when the window must stay open (the player wanted the game saved and
// it was not).
bool FormClose();

inline int closeAnswered = 0;  // 1 once the close question has been answered
inline void resetMainWindow() { closeAnswered = 0; }
