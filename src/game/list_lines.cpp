#include "game/list_lines.h"

namespace {

constexpr int32_t kHeaderLines = 2;
constexpr int32_t kLinesPerFullMove = 3;

}  // namespace

bool unansweredWhiteMove(const Game& game) {
  return sideToPlay(game) == kBlack && game.moveCount < kHistoryCapacity &&
         game.history[game.moveCount].white.kind != kEmpty;
}

int32_t listLineCount(const Game& game) {
  return kHeaderLines + kLinesPerFullMove * game.moveCount + (unansweredWhiteMove(game) ? 1 : 0);
}

ListLineSource listLineSource(const Game& game, int32_t line) {
  if (line < 0 || line >= listLineCount(game)) return {ListLineRole::None, 0};
  if (line < kHeaderLines) return {line == 0 ? ListLineRole::Header1 : ListLineRole::Header2, 0};
  const int32_t entry = (line - kHeaderLines) / kLinesPerFullMove;
  switch ((line - kHeaderLines) % kLinesPerFullMove) {
    case 0: return {ListLineRole::WhiteMove, entry};
    case 1: return {ListLineRole::BlackMove, entry};
    default: return {ListLineRole::Blank, entry};
  }
}

bool isListLineSelected(const Game& game, int32_t line) {
  return line > 0 && line == game.listSelection && line < listLineCount(game);
}
