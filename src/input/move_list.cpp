#include "input/move_list.h"

#include "game/board.h"

const char* const kListHeader1 = "     TAŞ        ILK SON ";
const char* const kListHeader2 = "    --------       ------ -------- ";
const char* const kBlankListLine = "    ";

namespace {

// Piece part of a line: lead-in, name, number (for kinds that have one) and
// the blanks before the squares.
struct PiecePart {
  const char* lead;
  const char* tail;
  bool numbered;
};

PiecePart piecePart(PieceKind kind, bool white) {
  switch (kind) {
    case kPawn: return {white ? "piyon(" : "    piyon(", ")     ", true};
    case kRook: return {white ? "  kale(" : "      kale(", ")     ", true};
    case kKnight: return {white ? "     at(" : "         at(", ")     ", true};
    case kBishop: return {white ? "      fil(" : "          fil(", ")     ", true};
    case kQueen: return {white ? "    vezir " : "        vezir", white ? "     " : "      ", false};
    case kKing: return {white ? "     sah " : "         sah", white ? "      " : "       ", false};
    default: return {"", "", false};
  }
}

std::string squareName(int32_t x, int32_t y) { return std::string(fileLetter(x)) + std::to_string(y + 1); }

std::string numberPrefix(int32_t number) { return std::to_string(number) + "- "; }

}  // namespace

std::string formatMoveLine(PieceKind kind, Side side, int32_t index, int32_t fromX, int32_t fromY, int32_t toX,
                           int32_t toY, char mark, int32_t number) {
  const bool white = side == kWhite;
  const PiecePart part = piecePart(kind, white);
  std::string line = white ? numberPrefix(number) : std::string();
  line += part.lead;
  if (part.numbered) line += std::to_string(index + 1);
  line += part.tail;
  line += squareName(fromX, fromY);
  line += mark;
  line += squareName(toX, toY);
  return line;
}

std::string formatCastlingLine(int32_t code, Side side, int32_t number) {
  const char* text = code == kShortCastling ? "      KÜÇÜK ROK" : "      BÜYÜK ROK";
  return side == kWhite ? numberPrefix(number) + text : std::string(text);
}
