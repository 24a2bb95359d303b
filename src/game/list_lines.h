// The lines of the game's move list: added by the move driver and the new
// game, taken away by take back, read by the saved game.
#pragma once

#include <cstdint>
#include <string>

#include "game/game.h"

void appendListLine(Game& game, const std::string& text);
void selectListLine(Game& game, int32_t line, bool selected);
void unselectListLines(Game& game);
void deleteListLine(Game& game, int32_t line);
void clearListLines(Game& game);
int32_t listLineCount(const Game& game);
std::string listLineText(const Game& game, int32_t line);
