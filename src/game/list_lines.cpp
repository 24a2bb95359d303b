#include "game/list_lines.h"

#include <algorithm>
#include <cstring>

namespace {

bool isListLine(const Game& game, int32_t line) { return line >= 0 && line < game.moveList.count; }

}  // namespace

void appendListLine(Game& game, const std::string& text) {
  MoveList& list = game.moveList;
  if (list.count >= kMoveListCapacity) return;  // the history refuses a move long before
  MoveListLine& line = list.lines[list.count++];
  const size_t n = std::min(text.size(), static_cast<size_t>(kMoveListLineBytes - 1));
  std::memcpy(line.text, text.data(), n);
  line.text[n] = '\0';
  line.selected = false;
}

void selectListLine(Game& game, int32_t line, bool selected) {
  if (isListLine(game, line)) game.moveList.lines[line].selected = selected;
}

void unselectListLines(Game& game) {
  for (int32_t i = 0; i < game.moveList.count; ++i) game.moveList.lines[i].selected = false;
}

void deleteListLine(Game& game, int32_t line) {
  if (!isListLine(game, line)) return;
  MoveList& list = game.moveList;
  std::copy(list.lines + line + 1, list.lines + list.count, list.lines + line);
  list.count -= 1;
}

void clearListLines(Game& game) { game.moveList.count = 0; }

int32_t listLineCount(const Game& game) { return game.moveList.count; }

std::string listLineText(const Game& game, int32_t line) {
  return isListLine(game, line) ? std::string(game.moveList.lines[line].text) : std::string();
}
