// One game: the board and its pieces, whose turn it is, the move being made,
// the captures, the history and the game's flags. A value of fixed size:
// `Game{}` is the game at the start of the program, and a copy is a game of
// its own. The rules, the move input, the computer and the saved game work
// on the game they are given.
#pragma once

#include <cstdint>

#include "game/records.h"
#include "game/types.h"

struct Game {
  Board board = startBoard();
  PieceSet pieces = startPieces();

  int32_t sideToMove = kWhiteToMove;  // 2 White to move, 1 Black
  int32_t playMode = 0;               // kPlayComputer or kPlayTwoPlayers (set by the main window)
  int32_t level = 0;                  // 1..4 (set by the main window)
  bool trialMode = false;             // generators only answer
  int32_t moveCount = 0;              // full moves in the history
  int32_t moveNumber = 0;             // number on White's list lines
  int32_t listSelection = 0;          // highlighted line of the move list
  bool gameSaved = true;              // false after any move until the game is saved
  bool replaying = false;             // while a saved game is replayed
  bool gameOpened = false;            // a saved game has been opened in this run
  bool dropsRefused = false;          // level 4 thinks on its thread: every drop is refused

  // The drag variables: which piece moves, from where and to where. Written
  // by board input, the computer and the replay.
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
  AttackMaps attacks{};

  // The captures: where the captured-pieces window put the last lost piece
  // of each side, the order of the pieces taken, and the moved flag of the
  // pawn, rook or king taken last.
  LostPiecePlacement whiteLost = kWhiteLostStart;
  LostPiecePlacement blackLost = kBlackLostStart;
  LostPieceOrder lostOrder{};
  int32_t capturedMovedWhite = 0;
  int32_t capturedMovedBlack = 0;

  FullMoveRecord history[kHistoryCapacity]{};

  // What the windows show besides the board, the captured pieces and the
  // list; the windows draw them from here (ui/projection).
  bool computerTurnPending = false;  // the computer's reply waits for the timer
  bool thinkingShown = false;        // "Düşünüyorum..."
  bool mateShown = false;            // "MAT!!!": a king is among the captured pieces shown
  int32_t chosenPicture = 0;         // the board picture chosen by a click, 0 none
  uint64_t chosenTargets = 0;        // dots: where the held, else the chosen, piece can go (bit x * 8 + y)
  // Requests to the side windows, counted from the start of the program: a
  // check notice to open, the notice to close (the game is over), and the
  // pieces the captured-pieces window has newly shown.
  int32_t checkNoticesOpened = 0;
  int32_t checkNoticesClosed = 0;
  int32_t lostPiecesShown = 0;
};

inline Square& squareAt(Game& game, int x, int y) { return game.board.squares[squareIndex(x, y)]; }
inline Piece& gamePiece(Game& game, int id) { return pieceById(game.pieces, id); }
