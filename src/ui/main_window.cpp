#include "ui/main_window.h"

#include "game/board.h"
#include "game/captures.h"
#include "game/pictures.h"
#include "input/board_input.h"
#include "input/move_list.h"
#include "record/saved_game.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/game_marks.h"
#include "ui/help_window.h"

const char* const kSaveQuestion = "Oyunu kaydetmek istiyormusunuz?";
const char* const kSaveQuestionCaption = "Uyarı";

namespace {

void writeListHeaders() {
  appendListLine(kListHeader1);
  appendListLine(kListHeader2);
}

// A board picture on its piece's start square with the bitmap for that
// square's colour.
void putPictureOnStartSquare(int n) {
  const PictureOwner o = pictureOwner(n);
  const Piece* p = pieceOf(o.kind, o.side, o.index);
  PictureControl& pic = form1.image[n];
  pic.left = squareLeft(p->x);
  pic.top = squareTop(p->y);
  pic.visible = true;
  pic.enabled = true;
  pic.bitmap = stockPictureOf(o.side, o.kind, (p->x + p->y) % 2);
}

void setLevel(int32_t newLevel) {
  level = newLevel;
  form1.radioSelected = newLevel;
  form1.baslaChecked = newLevel == kLevelBeginner;
  form1.seviye1Checked = newLevel == kLevelOne;
  form1.seviye2Checked = newLevel == kLevelTwo;
}

}  // namespace

void FormCreate() {
  playMode = kPlayComputer;
  level = kLevelBeginner;
  // Pieces on dark squares get their silver-background bitmaps.
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece* p = pieceOf(o.kind, o.side, o.index);
    if ((p->x + p->y) % 2 == 0) form1.image[n].bitmap = stockPictureOf(o.side, o.kind, 0);
  }
  writeListHeaders();
  updateGameMarks();
}

void Button3Click() {
  form1.label20Visible = false;
  for (PictureControl& pic : form3.image) pic.visible = false;
  resetGameState();  // placement counters, squares, pieces, side to move, counters
  // Pictures in the order of the window: White's back rank, White's pawns,
  // then Black's.
  static constexpr int order[4][2] = {{9, 16}, {1, 8}, {25, 32}, {17, 24}};
  for (const auto& range : order) {
    for (int n = range[0]; n <= range[1]; ++n) putPictureOnStartSquare(n);
  }
  form1.listBox1.clear();
  writeListHeaders();
  updateGameMarks();
}

void Balat1Click() { Button3Click(); }

void secenek1Click() {
  form1.secenek1Checked = true;
  form1.secenek2Checked = false;
  playMode = kPlayComputer;
}

void secenek2Click() {
  form1.secenek2Checked = true;
  form1.secenek1Checked = false;
  playMode = kPlayTwoPlayers;
}

void BaslaClick() { setLevel(kLevelBeginner); }
void seviye1Click() { setLevel(kLevelOne); }
void seviye2Click() { setLevel(kLevelTwo); }
void RadioButton1Click() { BaslaClick(); }
void RadioButton2Click() { seviye1Click(); }
void RadioButton3Click() { seviye2Click(); }
void RadioButton4Click() {}

void Yardm1Click() { Yardm1Show(); }

void k1Click() {
  switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
    case Answer::Yes:
      Kaydet1Click();
      // The window closes only when the game is safe.
      if (gameSaved == 1) form1.closeRequested = true;
      break;
    case Answer::No: form1.closeRequested = true; break;
    case Answer::Cancel: break;
  }
}

bool FormClose() {
  if (gameSaved == 1 || closeAnswered == 1) return true;
  if (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, false) == Answer::Yes) {
    Kaydet1Click();
    if (gameSaved != 1) {
      // Cancelled or failed: keep the window and the game.
      form1.closeRequested = false;
      return false;
    }
  }
  closeAnswered = 1;
  return true;
}
