// Helpers shared by the core tests, the widget tests, the soak, the bench and
// the fuzz target: a fresh program, drags by square name or picture number,
// whole-state snapshots and scripted dialogs. Plain C++, no test framework.
#pragma once

#include <string>
#include <vector>

#include "game/board.h"
#include "game/captures.h"
#include "game/consistency.h"
#include "input/move_driver.h"
#include "ui/dialogs.h"
#include "ui/program.h"
#include "ui/projection.h"
#include "ui/windows.h"

// Program start: state, controls and the main window's creation handler.
void startProgram();

// Board coordinates of a square name such as "e2", and back.
inline int fileOf(const std::string& square) { return square[0] - 'a'; }
inline int rankOf(const std::string& square) { return square[1] - '1'; }
std::string squareName(int x, int y);

// Picture (1..32) showing the piece on a square, 0 when the square is empty.
int pictureAt(int x, int y);
inline int pictureOn(const std::string& square) { return pictureAt(fileOf(square), rankOf(square)); }

// Presses the left button on a board picture and drops it on (x, y) as the
// mouse would: onto the piece picture standing there, or onto the square.
// True when the turn passed, that is when the move was made.
bool dragPicture(int picture, int x, int y);

// Drags the piece on `from` onto `to`. Returns false if `from` holds no piece.
bool drag(const std::string& from, const std::string& to);

// Plays a sequence like "e2e4 e7e5 g1f3" by drags, running the computer's
// timer after none of them (two-player style). True when every move was made.
bool playMoves(const std::string& moves);

// Texts of the move list.
std::vector<std::string> listTexts();

// The board as 8 strings, rank 8 first: "RNBQKBNR"-style letters, White
// upper case, '.' empty (active layer).
std::vector<std::string> boardRows(const Game& g = game);

// boardRows() of the start position.
extern const std::vector<std::string> kStartRows;

// The squares against the piece records (windowsFault, the windows against
// the game, comes with ui/projection.h).
inline std::string consistencyFault() { return pieceFault(game); }

// Everything a move may change, taken as one value. The generators' scratch
// outputs (probe, lastTry, ...) and the computer's timer are left out.
struct GameState {
  Board board;
  PieceSet pieces;
  PictureControl pictures[kLastStockPicture + 1];
  Form3Controls lost;
  LostPiecePlacement whiteLost;
  LostPiecePlacement blackLost;
  LostPieceOrder lostOrder;
  std::vector<ListLine> list;
  bool mate;
  bool checkNotice;
  int32_t sideToMove;
  int32_t moveCount;
  int32_t moveNumber;
  int32_t listSelection;
  int32_t gameSaved;
  HalfMoveRecord nextWhite;
  HalfMoveRecord nextBlack;
};
GameState gameState();

// What a comparison looks at:
//   Position: the squares and the piece records;
//   Everything: all of GameState;
//   Replay: what a player sees of a game and the counters that decide how it
//     goes on, for a game compared with the same moves replayed. The index on
//     a queen's or king's square is left out (a queen or king is found by its
//     side alone, so it means nothing), and of the captured-pieces window only
//     where the visible pictures stand.
enum class Compare { Position, Everything, Replay };

// Empty when both agree, else the first difference in words.
std::string stateDifference(const GameState& a, const GameState& b, Compare what = Compare::Everything);
inline bool sameState(const GameState& a, const GameState& b) {
  return stateDifference(a, b, Compare::Position).empty();
}
bool samePicture(const PictureControl& a, const PictureControl& b);

// A folder of its own under /tmp, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  size_t entries() const;

 private:
  std::string path_;
};

// Dialogs with scripted answers (No, then cancel, once the script runs out),
// recording every question and message. In use while it exists.
class ScriptedDialogs : public Dialogs {
 public:
  std::vector<Answer> answers;
  std::vector<std::string> saveNames;
  std::vector<std::string> openNames;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<std::string> captions;
  std::vector<bool> withCancel;
  ScriptedDialogs() { setDialogs(this); }
  ~ScriptedDialogs() override { setDialogs(nullptr); }
  Answer ask(const std::string& text, const std::string& caption, bool cancel) override;
  void message(const std::string& text) override { messages.push_back(text); }
  std::string chooseSaveFile() override { return next(saveNames, std::string()); }
  std::string chooseOpenFile() override { return next(openNames, std::string()); }

 private:
  // Takes the first of a script, or `none` once it has run out.
  template <class T>
  static T next(std::vector<T>& script, T none) {
    if (script.empty()) return none;
    T first = script.front();
    script.erase(script.begin());
    return first;
  }
};
