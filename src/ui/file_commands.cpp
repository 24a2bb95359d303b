#include "ui/file_commands.h"

#include "game/draws.h"
#include "game/game_over.h"
#include "record/new_game.h"
#include "record/saved_game.h"
#include "ui/dialogs.h"
#include "ui/messages.h"
#include "ui/program.h"

namespace {

std::string withDefaultExtension(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ".oyk";
  return path;
}

}  // namespace

void saveGameAs() {
  const std::string name = dialogs().chooseSaveFile();
  if (name.empty()) return;
  const std::string path = withDefaultExtension(name);
  if (!saveGameTo(game, path)) tellSaveFailed(path);
}

bool mayReplaceGame() {
  if (!hasUnsavedMoves(game)) return true;
  switch (dialogs().ask(kSaveQuestion, kSaveQuestionCaption, true)) {
    case Answer::Yes: saveGameAs(); return game.gameSaved;
    case Answer::No: return true;
    case Answer::Cancel: break;
  }
  return false;
}

void openGameFile() {
  if (!mayReplaceGame()) return;
  levelFour.stop(game);
  const std::string name = dialogs().chooseOpenFile();
  if (name.empty()) return;
  openGameNamed(name);
}

// A game opened drawn says so after what there is to say about the file.
void openGameNamed(const std::string& path) {
  const OpenOutcome outcome = openGameFrom(game, path);
  tellOpenOutcome(outcome, path);
  const DrawReason draw = drawReasonOf(game);
  if (outcome.result == OpenResult::Opened && draw != DrawReason::None && !kingTaken(game)) {
    dialogs().message(drawMessage(draw));
  }
}
