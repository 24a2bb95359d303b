// Taking a piece out of play (or putting it back), and the order in which
// the captured-pieces window shows the pieces taken.
#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/records.h"
#include "game/types.h"

// The place of the next lost piece of one side: the second place of the
// current row, or the first of a new row.
void advancePlacement(LostPiecePlacement& p, int32_t rowLeft);
// Empties the captured-pieces window: no piece lost, placement at the start.
void resetLostPiecePlacement(GameRecord& record);
// Whether the piece is among the lost pieces shown, and how many of a side are.
bool isLostPieceShown(const GameRecord& record, PieceKind kind, Side side, int32_t index);
int lostPiecesOf(const GameRecord& record, Side side);
// Takes a piece given back out of the lost pieces.
void removeLostPiece(GameRecord& record, PieceKind kind, Side side, int32_t index);

// The position's part of a capture. (pendingKind, kind, pendingSide, side,
// pendingIndex, index): the captured square's two layers; `layer` selects
// which one holds the piece. stillOnBoard false takes the piece off, true
// puts it back; the moved flag of a pawn, rook or king taken is noted for
// the history.
void takePiece(Position& position, PieceKind pendingKind, PieceKind kind, Side pendingSide, Side side,
               int32_t pendingIndex, int32_t index, bool stillOnBoard, Layer layer);

// The record's part of a capture in play: against the computer, the piece
// (the captured square's committed occupant) joins the lost pieces in the
// next place, and the captured-pieces window comes up with it; the "MAT"
// label once it is a king. Two players keep no lost pieces.
void showLostPiece(Game& game, PieceKind kind, Side side, int32_t index);
