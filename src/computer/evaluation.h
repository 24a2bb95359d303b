// Judging a position for the computer: material, the exchanges threatened on
// every piece's square, and the attack balance. The attack maps must describe
// the position being judged.
#pragma once

#include <cstdint>

#include "computer/computer_state.h"
#include "game/board.h"
#include "game/game.h"
#include "game/types.h"

// Own pieces in danger weigh fifteen times as much as enemy pieces in danger.
constexpr int32_t kOwnThreatWeight = 150;
constexpr int32_t kEnemyThreatWeight = 10;
constexpr int32_t kMaterialWonWeight = 150;
constexpr int32_t kSquarePenaltyWeight = 10;
constexpr int32_t kSquarePenaltyOnCapture = 15;

void countMaterial(const Position& position, ComputerState& computer);
int32_t threatTerm(const Position& position, int x, int y, int32_t v, Side viewSide, Side pieceSide);
int32_t evaluateSide(const Position& position, Side side);
// The search judges many positions one step away from its starting position:
// saveEvaluationBase notes where the pieces stand there, and evaluateStep
// gives evaluateSide after the step of piece number `moverId` (pieceIdOf)
// that took piece `takenId` (-1 for none), set up on the board and in the
// attack maps.
void saveEvaluationBase(const Position& position, ComputerState& computer);
int32_t evaluateStep(const Position& position, ComputerState& computer, Side side, int moverId, int takenId);
