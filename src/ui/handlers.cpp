#include "ui/handlers.h"

#include "computer/computer_turn.h"
#include "record/take_back.h"
#include "ui/file_commands.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/messages.h"
#include "ui/program.h"
#include "ui/projection.h"

namespace {

// Every handler ends with the windows drawn from the game.
void shown() { showGame(game, windows); }
bool shown(bool result) {
  showGame(game, windows);
  return result;
}
// A move's handler draws the board first, then says what there is to say.
void shown(MoveOutcome outcome, Mover mover) {
  showGame(game, windows);
  tellMoveOutcome(game, outcome, mover);
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
void Timer1Timer() { shown(computerTurn(game, computer, levelFour), Mover::Computer); }

// The board
bool Image1MouseDown(int picture, MouseButton button) { return shown(pickUpPiece(game, picture, button)); }
bool Image4DragOver() { return acceptDragOver(); }
void Shape41DragDrop(int shape) { shown(dropOnSquare(game, shape), Mover::Player); }
void ImageDragDrop(int picture) { shown(dropOnPiece(game, picture), Mover::Player); }
void ImageClick(int picture) { shown(clickPiece(game, picture), Mover::Player); }
void ShapeClick(int shape) { shown(clickSquare(game, shape), Mover::Player); }
void Image1EndDrag() {
  endDrag(game);
  shown();
}

// Buttons and the move list
void Button2Click() {
  levelFour.stop(game);
  takeBackLastMove(game, computer);
  shown();
}
void Button3Click() {
  newGame();
  shown();
}
void ListBox1Click(int32_t line) {
  levelFour.stop(game);
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
  openGameFile();
  shown();
}
void Kaydet1Click() {
  saveGameAs();
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
  levelFour.stop(game);
  takeBackLastMove(game, computer);
  shown();
}
void Yardmal1Click() { shown(requestHint(game, computer), Mover::Player); }
void Yardm1Click() { Yardm1Show(); }

void restoreChoices(int32_t keptLevel, int32_t keptPlayMode) {
  for (const ChoiceHandler& h : kLevelHandlers) {
    if (h.value == keptLevel) h.choose();
  }
  for (const ChoiceHandler& h : kPlayModeHandlers) {
    if (h.value == keptPlayMode) h.choose();
  }
}
