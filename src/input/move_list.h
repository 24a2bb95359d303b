// The text of the move list's lines, which is also the saved-game format:
// each line drawn from the history (game/list_lines says which half-move a
// line shows).
#pragma once

#include <cstdint>
#include <string>

#include "game/game.h"
#include "game/types.h"

extern const char* const kListHeader1;    // "     TAŞ        ILK SON "
extern const char* const kListHeader2;    // "    --------       ------ -------- "
extern const char* const kBlankListLine;  // the four blanks after Black's line

// A move line: White's starts with its move number.
std::string formatMoveLine(PieceKind kind, Side side, int32_t index, int32_t fromX, int32_t fromY, int32_t toX,
                           int32_t toY, char mark, int32_t number);
// A castling line (code 9 short, 10 long).
std::string formatCastlingLine(int32_t code, Side side, int32_t number);

// The text of line `line` of the list (UTF-8), empty past its end. The
// writer fills `out`, keeping its storage, for a caller that reads every line.
std::string listLineText(const Game& game, int32_t line);
void writeListLine(const Game& game, int32_t line, std::string& out);
