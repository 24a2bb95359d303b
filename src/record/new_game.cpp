#include "record/new_game.h"

#include "controls/controls.h"
#include "controls/dialogs.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/pictures.h"
#include "input/game_marks.h"
#include "input/move_list.h"

const char* const kSaveQuestion = "Oyunu kaydetmek istiyormusunuz?";
const char* const kSaveQuestionCaption = "Uyarı";

namespace {

constexpr int32_t kHeaderLineCount = 2;

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

}  // namespace

void writeListHeaders() {
  appendListLine(kListHeader1);
  appendListLine(kListHeader2);
}

void startNewGame() {
  form1.label20Visible = false;
  resetLostPiecePlacement();
  resetGameState();  // squares, pieces, side to move, counters
  // Pictures in the order of the window: White's back rank, White's pawns,
  // then Black's.
  static constexpr int order[4][2] = {{9, 16}, {1, 8}, {25, 32}, {17, 24}};
  for (const auto& range : order) {
    for (int n = range[0]; n <= range[1]; ++n) putPictureOnStartSquare(n);
  }
  form1.listBox1.clear();
  writeListHeaders();
  form1.selectedPicture = 0;  // a piece chosen in the old game is let go
  updateGameMarks();
}

bool mayReplaceGame(void (*save)()) {
  if (gameSaved == 1 || listLineCount() <= kHeaderLineCount) return true;
  switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
    case Answer::Yes: save(); return gameSaved == 1;
    case Answer::No: return true;
    case Answer::Cancel: break;
  }
  return false;
}
