#include "ui/handlers.h"

#include "computer/computer_turn.h"
#include "record/saved_game.h"
#include "record/take_back.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

// Every handler ends with the windows drawn from the game.
void shown() { showGame(game, windows); }
bool shown(bool result) {
  showGame(game, windows);
  return result;
}

}  // namespace

// The window
void FormCreate() {
  setUpMainWindow();
  shown();
}
bool FormClose() { return shown(mayCloseWindow()); }
void Form1KeyEscape() {
  letGoChosenPiece(game);
  shown();
}
void Timer1Timer() {
  computerTurn(game, computer);
  shown();
}

// The board
bool Image1MouseDown(int picture, MouseButton button) { return shown(pickUpPiece(game, picture, button)); }
bool Image4DragOver() { return acceptDragOver(); }
void Shape41DragDrop(int shape) {
  dropOnSquare(game, shape);
  shown();
}
void ImageDragDrop(int picture) {
  dropOnPiece(game, picture);
  shown();
}
void ImageClick(int picture) {
  clickPiece(game, picture);
  shown();
}
void ShapeClick(int shape) {
  clickSquare(game, shape);
  shown();
}
void Image1EndDrag() {
  endDrag(game);
  shown();
}

// Buttons and the move list
void Button2Click() {
  takeBackLastMove(game, computer);
  shown();
}
void Button3Click() {
  newGame();
  shown();
}
void ListBox1Click(int32_t line) {
  takeBackTo(game, computer, line);
  shown();
}
void RadioButton1Click() {
  chooseLevel(kLevel1);
  shown();
}
void RadioButton2Click() {
  chooseLevel(kLevel2);
  shown();
}
void RadioButton3Click() {
  chooseLevel(kLevel3);
  shown();
}
void RadioButton4Click() {}

// The menu
void A1Click() {
  openGame(game);
  shown();
}
void Kaydet1Click() {
  saveGame(game);
  shown();
}
void k1Click() {
  exitGame();
  shown();
}
void Balat1Click() {
  newGame();
  shown();
}
void secenek1Click() {
  playAgainstComputer();
  shown();
}
void secenek2Click() {
  playTwoPlayers();
  shown();
}
void BaslaClick() {
  chooseLevel(kLevel1);
  shown();
}
void seviye1Click() {
  chooseLevel(kLevel2);
  shown();
}
void seviye2Click() {
  chooseLevel(kLevel3);
  shown();
}
void seviye3Click() {
  chooseLevel(kLevel4);
  shown();
}
void Gerihamle1Click() {
  takeBackLastMove(game, computer);
  shown();
}
void Yardmal1Click() {
  requestHint(game, computer);
  shown();
}
void Yardm1Click() { Yardm1Show(); }

void restoreChoices(int32_t keptLevel, int32_t keptPlayMode) {
  for (const ChoiceHandler& h : kLevelHandlers) {
    if (h.value == keptLevel) h.choose();
  }
  for (const ChoiceHandler& h : kPlayModeHandlers) {
    if (h.value == keptPlayMode) h.choose();
  }
}
