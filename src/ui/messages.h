// The words the player reads about what a command did. The commands below
// the windows return what happened; the windows' handlers draw the board and
// then say it here, through the dialogs interface.
#pragma once

#include <string>

#include "game/draws.h"
#include "game/game.h"
#include "input/move_driver.h"
#include "record/saved_game.h"

extern const char* const kYouWonMessage;        // "Kazandınız"
extern const char* const kYouLostMessage;       // "Kaybettiniz"
extern const char* const kWhiteWonMessage;      // "Beyaz kazandı", two players
extern const char* const kBlackWonMessage;      // "Siyah kazandı", two players
extern const char* const kNoMoveMessage;        // Black has no move left
extern const char* const kHistoryFullMessage;   // no room for another move
extern const char* const kSaveQuestion;         // "Oyunu kaydetmek istiyormusunuz?"
extern const char* const kSaveQuestionCaption;  // "Uyarı"

// Who asked for a move: the player (a drop, a click, the hint) or the computer.
enum class Mover { Player, Computer };

// Tells what became of a move when there is something to tell: the end of
// the game (who won, or why it is drawn), a full history, or Black without a
// move.
void tellMoveOutcome(const Game& game, MoveOutcome outcome, Mover mover);

// Why a game is drawn, as the player reads it.
const char* drawMessage(DrawReason reason);

// Tells why a file was not opened, or where its replay stopped.
void tellOpenOutcome(const OpenOutcome& outcome, const std::string& path);

// Tells that a game could not be written to `path`.
void tellSaveFailed(const std::string& path);
