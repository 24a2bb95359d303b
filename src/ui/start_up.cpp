#include "ui/start_up.h"

#include <cstring>

#include "computer/evaluation.h"
#include "computer/search.h"
#include "game/board.h"
#include "input/move_driver.h"
#include "record/take_back.h"
#include "ui/controls.h"
#include "ui/main_window.h"

void startUp() {
  initialiseGame();
  initialiseControls();
  std::memset(history, 0, sizeof history);
  std::memset(resultList, 0, sizeof resultList);
  std::memset(workingList, 0, sizeof workingList);
  lastMaterialBalance = 0;
  whiteMaterial = blackMaterial = 0;
  positionValue = kingTaken = tacticalBonus = mobility = 0;
  closeAnswered = 0;
  listClickIndex = 0;
}
