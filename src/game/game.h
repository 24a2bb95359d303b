// One game, made of the parts its functions work on: the position, the
// record, what the windows show of it and the player's choices. Each part is
// a value of fixed size, and so is the whole: `Game{}` is the game at the
// start of the program, and a copy is a game of its own. A function takes
// the part it needs (a `Game&` converts to each), `const` where it only
// reads.
#pragma once

#include <cstdint>

#include "game/records.h"
#include "game/types.h"

// The position: the board and its pieces, whose turn it is, the move being
// made, and what the generators and the attack maps leave behind. The rules
// and the computer's search work on it alone, so a copy of it is enough to
// try moves on.
struct Position {
  Board board = startBoard();
  PieceSet pieces = startPieces();

  int32_t sideToMove = kWhiteToMove;  // 2 White to move, 1 Black
  bool trialMode = false;             // generators only answer

  // The drag variables: which piece moves, from where and to where. Written
  // by board input, the computer and the replay; the generators give a
  // square the mover's index from here.
  int32_t dragFromX = 0, dragFromY = 0;
  int32_t dragToX = 0, dragToY = 0;
  PieceKind movingKind = kEmpty;
  Side movingSide = kNoSide;
  int32_t movingIndex = 0;

  // Outputs of the generators and of attack detection.
  SquareProbe probe{};
  CapturedPiece captured{};
  bool captureFound = false;  // a capture test succeeded (trial mode too)
  bool captureMade = false;   // a capture was really made
  LastTry lastTry{};
  // The moved flag of the pawn, rook or king taken last, per side, for the
  // history's record of the capture.
  int32_t capturedMovedWhite = 0;
  int32_t capturedMovedBlack = 0;
  AttackMaps attacks{};
};

// The record of the game: the history and its counters, the pieces taken in
// the order they were taken and where the captured-pieces window put the
// last of each side, and the game's flags. The move list is drawn from it.
struct GameRecord {
  int32_t moveCount = 0;   // full moves in the history
  int32_t moveNumber = 0;  // number on White's list lines
  FullMoveRecord history[kHistoryCapacity]{};

  LostPiecePlacement whiteLost = kWhiteLostStart;
  LostPiecePlacement blackLost = kBlackLostStart;
  LostPieceOrder lostOrder{};

  bool gameSaved = true;    // false after any move until the game is saved
  bool replaying = false;   // while a saved game is replayed
  bool gameOpened = false;  // a saved game has been opened in this run
  bool justOpened = false;  // the game on the board is one just opened: no move made or taken back since
};

// What the windows show besides the board, the captured pieces and the
// list's lines; the windows draw them from here (ui/projection).
struct GameView {
  int32_t listSelection = 0;         // highlighted line of the move list
  bool computerTurnPending = false;  // the computer's reply waits for the timer
  bool thinkingShown = false;        // "Düşünüyorum..."
  bool mateShown = false;            // "MAT!!!": a king is among the captured pieces shown
  bool dropsRefused = false;         // level 4 thinks on its thread: every drop is refused
  int32_t chosenPicture = 0;         // the board picture chosen by a click, 0 none
  uint64_t chosenTargets = 0;        // dots: where the held, else the chosen, piece can go (bit x * 8 + y)
  // Requests to the side windows, counted from the start of the program: a
  // check notice to open, the notice to close (the game is over), and the
  // pieces the captured-pieces window has newly shown.
  int32_t checkNoticesOpened = 0;
  int32_t checkNoticesClosed = 0;
  int32_t lostPiecesShown = 0;
};

// The player's choices, set by the main window.
struct Choices {
  int32_t playMode = 0;  // kPlayComputer or kPlayTwoPlayers
  int32_t level = 0;     // 1..4
};

struct Game : Position, GameRecord, GameView, Choices {};

// Small enough to keep by value and copy: the history is most of it.
static_assert(sizeof(Game) <= 128 * 1024);

// Whose turn it is. `sideToMove` keeps it in a code of its own (kWhiteToMove
// 2, kBlackToMove 1); kNoSide for any other code.
inline Side sideToPlay(const Position& position) {
  return position.sideToMove == kWhiteToMove ? kWhite : position.sideToMove == kBlackToMove ? kBlack : kNoSide;
}
inline void giveTurnTo(Position& position, Side side) {
  position.sideToMove = side == kWhite ? kWhiteToMove : kBlackToMove;
}

inline Square& squareAt(Position& position, int x, int y) { return position.board.squares[squareIndex(x, y)]; }
inline const Square& squareAt(const Position& position, int x, int y) {
  return position.board.squares[squareIndex(x, y)];
}
inline Piece& gamePiece(Position& position, int id) { return pieceById(position.pieces, id); }
inline const Piece& gamePiece(const Position& position, int id) { return pieceById(position.pieces, id); }
