#include "ui/projection.h"

#include "game/captures.h"
#include "game/game_over.h"
#include "game/list_lines.h"
#include "game/pictures.h"
#include "input/move_list.h"

const char* const kWhiteTurnText = "Beyaz";
const char* const kBlackTurnText = "Siyah";
const char* const kWhiteWonText = "Beyaz kazandı";
const char* const kBlackWonText = "Siyah kazandı";
const char* const kGameOverText = "Oyun bitti";
const char* const kDrawText = "Berabere";

namespace {

const Piece& pictureOf(const Position& position, int picture) {
  const PictureOwner o = pictureOwner(picture);
  return pieceById(position.pieces, pieceIdOf(o.kind, o.side, o.index));
}

// Every board picture on its piece's square with the bitmap for the square's
// colour, shown and enabled; hidden and disabled when the piece is off the
// board, where it was taken (a piece taken keeps its last square). The stock
// pictures stay.
void showBoardPictures(const Position& position, Windows& windows) {
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece& p = pictureOf(position, n);
    PictureControl& pic = windows.form1.image[n];
    pic.visible = pic.enabled = p.onBoard;
    pic.left = squareLeft(p.x);
    pic.top = squareTop(p.y);
    pic.bitmap = stockPictureOf(o.side, o.kind, (p.x + p.y) % 2);
  }
}

// The pieces taken, in the order they were taken, two a row per side.
void showLostPieces(const Game& game, Windows& windows) {
  bool shown[kLostPictureSlots] = {};
  LostPiecePlacement white = kWhiteLostStart;
  LostPiecePlacement black = kBlackLostStart;
  for (int i = 0; i < game.lostOrder.count; ++i) {
    const LostPiece& lost = game.lostOrder.piece[i];
    const bool isWhite = lost.side == kWhite;
    LostPiecePlacement& p = isWhite ? white : black;
    advancePlacement(p, isWhite ? kWhiteLostRowLeft : kBlackLostRowLeft);
    const int n = lostPictureOf(lost.side, lost.kind, lost.index);
    if (n == 0) continue;
    PictureControl& pic = windows.form3.image[n];
    pic.visible = true;
    pic.left = p.x;
    pic.top = p.y;
    shown[n] = true;
  }
  for (int n = 0; n < kLostPictureSlots; ++n) {
    if (!shown[n]) windows.form3.image[n].visible = false;
  }
  // Newly shown pieces bring the window up; the player may close it again.
  if (game.lostPiecesShown != windows.form3.timesShown) {
    windows.form3.visible = true;
    windows.form3.timesShown = game.lostPiecesShown;
  }
}

// The check notice opens at every check and closes when the game is over;
// in between the player closes it with OK.
void showCheckNotice(const GameView& view, Windows& windows) {
  if (view.checkNoticesOpened != windows.form2.timesShown) {
    windows.form2.visible = true;
    windows.form2.timesShown = view.checkNoticesOpened;
  }
  if (view.checkNoticesClosed != windows.noticeClosesSeen) {
    windows.form2.visible = false;
    windows.noticeClosesSeen = view.checkNoticesClosed;
  }
}

// Every line drawn from the history; a line already shown as it reads is
// left as it is.
void showMoveList(const Game& game, Windows& windows) {
  std::vector<ListLine>& list = windows.form1.listBox1;
  const int32_t count = listLineCount(game);
  list.resize(static_cast<size_t>(count));
  std::string text;
  for (int32_t i = 0; i < count; ++i) {
    writeListLine(game, i, text);
    ListLine& shown = list[static_cast<size_t>(i)];
    if (shown.text != text) shown.text = text;
    shown.selected = isListLineSelected(game, i);
  }
}

TurnMark turnMark(const Game& game) {
  if (!kingTaken(game) && gameIsOver(game)) return TurnMark{kNoSide, true, kDrawText};
  if (gameIsOver(game)) {
    const int32_t winner = winnerSide(game);
    const char* text = winner == kWhite ? kWhiteWonText : winner == kBlack ? kBlackWonText : kGameOverText;
    return TurnMark{winner, true, text};
  }
  if (sideToPlay(game) == kWhite) return TurnMark{kWhite, false, kWhiteTurnText};
  return TurnMark{kBlack, false, kBlackTurnText};
}

// The newest half-move in the history: White's unanswered move while Black is
// to move, else the last complete entry's Black half (or its White half when
// Black's is empty). Take back clears the halves it undoes, and a new game
// empties the history by its count, so this is always the move on the board.
LastMoveMark lastMoveMark(const Game& game) {
  const HalfMoveRecord* h = nullptr;
  if (unansweredWhiteMove(game)) {
    h = &game.history[game.moveCount].white;
  } else if (game.moveCount > 0) {
    const FullMoveRecord& entry = game.history[game.moveCount - 1];
    if (entry.black.kind != kEmpty)
      h = &entry.black;
    else if (entry.white.kind != kEmpty)
      h = &entry.white;
  }
  return h == nullptr ? LastMoveMark{} : LastMoveMark{true, h->fromX, h->fromY, h->toX, h->toY};
}

}  // namespace

void showGame(const Game& game, Windows& windows) {
  showBoardPictures(game, windows);
  showLostPieces(game, windows);
  showCheckNotice(game, windows);
  showMoveList(game, windows);
  windows.form1.turnMark = turnMark(game);
  windows.form1.lastMove = lastMoveMark(game);
  windows.form1.selectedPicture = game.chosenPicture;
  windows.form1.moveTargets = game.chosenTargets;
  windows.form1.timer1Enabled = game.computerTurnPending;
  windows.form1.label19Visible = game.thinkingShown;
  windows.form1.label20Visible = game.mateShown;
}

std::string windowsFault(const Game& game, const Windows& windows) {
  for (int n = 1; n <= kBoardPictureCount; ++n) {
    const PictureOwner o = pictureOwner(n);
    const Piece& p = pictureOf(game, n);
    const PictureControl& pic = windows.form1.image[n];
    const std::string name = "picture " + std::to_string(n);
    const bool shownCaptured = windows.form3.image[lostPictureOf(o.side, o.kind, o.index)].visible;
    if (!p.onBoard) {
      if (pic.visible || pic.enabled) return name + " of a captured piece still shown";
      continue;
    }
    if (!pic.visible || !pic.enabled) return name + " hidden on the board";
    if (pic.left != squareLeft(p.x) || pic.top != squareTop(p.y)) return name + " not on its piece's square";
    if (pic.bitmap != stockPictureOf(o.side, o.kind, (p.x + p.y) % 2)) return name + " has the wrong bitmap";
    if (shownCaptured) return name + " shown among the captured pieces while on the board";
  }
  const std::vector<ListLine>& shown = windows.form1.listBox1;
  if (static_cast<int32_t>(shown.size()) != listLineCount(game)) return "move list not shown as kept";
  for (int32_t i = 0; i < listLineCount(game); ++i) {
    const ListLine& line = shown[static_cast<size_t>(i)];
    if (line.text != listLineText(game, i) || line.selected != isListLineSelected(game, i)) {
      return "move list line " + std::to_string(i) + " not shown as kept";
    }
  }
  return {};
}
