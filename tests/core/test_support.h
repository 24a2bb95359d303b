// Helpers shared by the core tests: a fresh game, drags by square name, and
// whole-state snapshots.
#pragma once

#include <string>
#include <vector>

#include "controls/dialogs.h"
#include "game/board.h"

// Program start: state, controls and the main window's creation handler.
void startProgram();

// Board coordinates of a square name such as "e2".
int fileOf(const std::string& square);
int rankOf(const std::string& square);

// Picture (1..32) showing the piece on a square, 0 when the square is empty.
int pictureOn(const std::string& square);

// Drags the piece on `from` onto `to` as the mouse would: onto the piece
// picture standing there, or onto the square. Returns false if `from` holds
// no piece.
bool drag(const std::string& from, const std::string& to);

// Plays a sequence like "e2e4 e7e5 g1f3" by drags, running the computer's
// timer after none of them (two-player style).
void playMoves(const std::string& moves);

// Texts of the move list.
std::vector<std::string> listTexts();

// The board as 8 strings, rank 8 first: "RNBQKBNR"-style letters, White
// upper case, '.' empty (active layer).
std::vector<std::string> boardRows();

// Every square stable with an empty-looking active layer matching the piece
// records, every piece at rest; returns a description of the first fault.
std::string consistencyFault();

struct Snapshot {
  Board board;
  PieceSet pieces;
};
Snapshot snapshot();
bool sameState(const Snapshot& a, const Snapshot& b);

// Dialogs with scripted answers, recording every message.
class ScriptedDialogs : public Dialogs {
 public:
  std::vector<Answer> answers;
  std::vector<std::string> saveNames;
  std::vector<std::string> openNames;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  Answer ask(const std::string& text, const std::string& caption, bool withCancel) override;
  void message(const std::string& text) override;
  std::string chooseSaveFile() override;
  std::string chooseOpenFile() override;
};
