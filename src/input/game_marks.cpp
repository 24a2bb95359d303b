#include "input/game_marks.h"

#include "game/game.h"
#include "input/move_targets.h"

const char* const kWhiteTurnText = "Beyaz";
const char* const kBlackTurnText = "Siyah";
const char* const kWhiteWonText = "Beyaz kazandı";
const char* const kBlackWonText = "Siyah kazandı";
const char* const kGameOverText = "Oyun bitti";

void updateGameMarks(Game& game) { refreshSelection(game); }
