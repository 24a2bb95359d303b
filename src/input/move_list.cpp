#include "input/move_list.h"

#include "game/board.h"
#include "game/castling_squares.h"
#include "game/list_lines.h"

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

void appendSquare(std::string& out, int32_t x, int32_t y) {
  out += fileLetter(x);
  out += std::to_string(y + 1);
}

void appendNumber(std::string& out, int32_t number) {
  out += std::to_string(number);
  out += "- ";
}

void appendMoveLine(std::string& out, PieceKind kind, Side side, int32_t index, int32_t fromX, int32_t fromY,
                    int32_t toX, int32_t toY, char mark, int32_t number) {
  const bool white = side == kWhite;
  const PiecePart part = piecePart(kind, white);
  if (white) appendNumber(out, number);
  out += part.lead;
  if (part.numbered) out += std::to_string(index + 1);
  out += part.tail;
  appendSquare(out, fromX, fromY);
  out += mark;
  appendSquare(out, toX, toY);
}

void appendCastlingLine(std::string& out, int32_t code, Side side, int32_t number) {
  if (side == kWhite) appendNumber(out, number);
  out += code == kShortCastling ? "      KÜÇÜK ROK" : "      BÜYÜK ROK";
}

// The line of a recorded half-move; White's carries the full move's number.
void appendHalfMove(std::string& out, const HalfMoveRecord& h, Side side, int32_t number) {
  const int32_t castling = castlingOfHalfMove(h, side);
  if (castling != 0) {
    appendCastlingLine(out, castling, side, number);
    return;
  }
  appendMoveLine(out, h.kind, side, h.index, h.fromX, h.fromY, h.toX, h.toY, h.captureFlag == 1 ? 'x' : '-', number);
}

}  // namespace

std::string formatMoveLine(PieceKind kind, Side side, int32_t index, int32_t fromX, int32_t fromY, int32_t toX,
                           int32_t toY, char mark, int32_t number) {
  std::string line;
  appendMoveLine(line, kind, side, index, fromX, fromY, toX, toY, mark, number);
  return line;
}

std::string formatCastlingLine(int32_t code, Side side, int32_t number) {
  std::string line;
  appendCastlingLine(line, code, side, number);
  return line;
}

void writeListLine(const Game& game, int32_t line, std::string& out) {
  out.clear();
  const ListLineSource source = listLineSource(game, line);
  switch (source.role) {
    case ListLineRole::Header1: out = kListHeader1; break;
    case ListLineRole::Header2: out = kListHeader2; break;
    case ListLineRole::WhiteMove:
      appendHalfMove(out, game.history[source.entry].white, kWhite, source.entry + 1);
      break;
    case ListLineRole::BlackMove:
      appendHalfMove(out, game.history[source.entry].black, kBlack, source.entry + 1);
      break;
    case ListLineRole::Blank: out = kBlankListLine; break;
    case ListLineRole::None: break;
  }
}

std::string listLineText(const Game& game, int32_t line) {
  std::string text;
  writeListLine(game, line, text);
  return text;
}
