// The main window's handlers, named after its controls: the one table from
// the window's events to the game's operations. Each handler calls its
// operation and then draws the windows from the game (ui/handlers.cpp, a few
// lines each); below this layer the code knows nothing of them. The help window's and the check notice's handlers
// (ui/help_window.h, ui/notice_window.h) only page and blink their own window
// and have no operation beneath them.
#pragma once

#include <cstdint>

#include "game/types.h"
#include "input/board_input.h"

// The window
void FormCreate();      // setUpMainWindow
bool FormClose();       // mayCloseWindow: false keeps the window open
void Form1KeyEscape();  // letGoChosenPiece
void Timer1Timer();     // computerTurn, every 100 ms while enabled

// The board: Image1..Image56 are the piece pictures (1..32 on the board),
// Shape1..Shape64 the squares (Shape1 = a8, Shape64 = h1)
bool Image1MouseDown(int picture, MouseButton button);  // pickUpPiece: true starts a drag
bool Image4DragOver();                                  // acceptDragOver
void Shape41DragDrop(int shape);                        // dropOnSquare
void ImageDragDrop(int picture);                        // dropOnPiece (Image1DragDrop..Image32DragDrop)
void ImageClick(int picture);                           // clickPiece
void ShapeClick(int shape);                             // clickSquare
void Image1EndDrag();                                   // endDrag

// Buttons and the move list (Button1 calls Yardmal1Click)
void Button2Click();               // takeBackLastMove ("Geri Hamle")
void Button3Click();               // newGame ("Başlat")
void ListBox1Click(int32_t line);  // takeBackTo the clicked line
void RadioButton1Click();          // chooseLevel(kLevel1)
void RadioButton2Click();          // chooseLevel(kLevel2)
void RadioButton3Click();          // chooseLevel(kLevel3)
void RadioButton4Click();          // nothing: level 4 has no button of its own

// The menu
void A1Click();          // openGame ("Aç")
void Kaydet1Click();     // saveGame ("Kaydet")
void k1Click();          // exitGame ("Çıkış")
void Balat1Click();      // newGame ("Başlat")
void secenek1Click();    // playAgainstComputer
void secenek2Click();    // playTwoPlayers
void BaslaClick();       // chooseLevel(kLevel1)
void seviye1Click();     // chooseLevel(kLevel2)
void seviye2Click();     // chooseLevel(kLevel3)
void seviye3Click();     // chooseLevel(kLevel4), the engine
void Gerihamle1Click();  // takeBackLastMove ("Geri hamle")
void Yardmal1Click();    // requestHint ("Yardım al")
void Yardm1Click();      // Yardm1Show: the help window ("Yardım")

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
