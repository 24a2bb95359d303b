#include "ui/handlers.h"

#include "computer/computer_turn.h"
#include "record/saved_game.h"
#include "record/take_back.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/program.h"

// The window
void FormCreate() { setUpMainWindow(); }
bool FormClose() { return mayCloseWindow(); }
void Form1KeyEscape() { letGoChosenPiece(windows); }
void Timer1Timer() { computerTurn(game, computer, windows); }

// The board
bool Image1MouseDown(int picture, MouseButton button) { return pickUpPiece(game, windows, picture, button); }
bool Image4DragOver() { return acceptDragOver(); }
void Shape41DragDrop(int shape) { dropOnSquare(game, windows, shape); }
void ImageDragDrop(int picture) { dropOnPiece(game, windows, picture); }
void ImageClick(int picture) { clickPiece(game, windows, picture); }
void ShapeClick(int shape) { clickSquare(game, windows, shape); }
void Image1EndDrag() { endDrag(game, windows); }

// Buttons and the move list
void Button2Click() { takeBackLastMove(game, computer, windows); }
void Button3Click() { newGame(); }
void ListBox1Click(int32_t line) { takeBackTo(game, computer, windows, line); }
void RadioButton1Click() { chooseLevel(kLevel1); }
void RadioButton2Click() { chooseLevel(kLevel2); }
void RadioButton3Click() { chooseLevel(kLevel3); }
void RadioButton4Click() {}

// The menu
void A1Click() { openGame(game, windows); }
void Kaydet1Click() { saveGame(game, windows); }
void k1Click() { exitGame(); }
void Balat1Click() { newGame(); }
void secenek1Click() { playAgainstComputer(); }
void secenek2Click() { playTwoPlayers(); }
void BaslaClick() { chooseLevel(kLevel1); }
void seviye1Click() { chooseLevel(kLevel2); }
void seviye2Click() { chooseLevel(kLevel3); }
void seviye3Click() { chooseLevel(kLevel4); }
void Gerihamle1Click() { takeBackLastMove(game, computer, windows); }
void Yardmal1Click() { requestHint(game, computer, windows); }
void Yardm1Click() { Yardm1Show(); }

void restoreChoices(int32_t keptLevel, int32_t keptPlayMode) {
  for (const ChoiceHandler& h : kLevelHandlers) {
    if (h.value == keptLevel) h.choose();
  }
  for (const ChoiceHandler& h : kPlayModeHandlers) {
    if (h.value == keptPlayMode) h.choose();
  }
}
