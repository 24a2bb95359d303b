// Taking a piece out of play (or putting it back), and the order in which
// the captured-pieces window shows the pieces taken.
#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/records.h"
#include "game/types.h"

// `show` values.
constexpr int32_t kShowCapture = 1;  // a real capture: the lost pieces follow
constexpr int32_t kSearchOnly = 2;   // the computer's trial: flags only

// The place of the next lost piece of one side: the second place of the
// current row, or the first of a new row.
void advancePlacement(LostPiecePlacement& p, int32_t rowLeft);
// Empties the captured-pieces window: no piece lost, placement at the start.
void resetLostPiecePlacement(Game& game);
// Whether the piece is among the lost pieces shown, and how many of a side are.
bool isLostPieceShown(const Game& game, PieceKind kind, Side side, int32_t index);
int lostPiecesOf(const Game& game, Side side);
// Takes a piece given back out of the lost pieces.
void removeLostPiece(Game& game, PieceKind kind, Side side, int32_t index);

// (pendingKind, kind, pendingSide, side, pendingIndex, index): the captured
// square's two layers; `layer` selects which one holds the piece.
// stillOnBoard false takes the piece off, true puts it back.
void takePiece(Game& game, PieceKind pendingKind, PieceKind kind, Side pendingSide, Side side, int32_t pendingIndex,
               int32_t index, int32_t show, bool stillOnBoard, int32_t layer);
