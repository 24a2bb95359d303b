// Soak: random games played through the handlers the windows call, with the
// game's invariants checked after every event.
//
//   soak GAMES SEED
//
// Exits 1 at the first broken invariant, printing the seed, the game and the
// events that led there.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "computer/computer_turn.h"
#include "game/board.h"
#include "game/captures.h"
#include "game/consistency.h"
#include "game/game.h"
#include "game/game_over.h"
#include "game/list_lines.h"
#include "game/moves.h"
#include "game/pictures.h"
#include "input/board_input.h"
#include "input/move_driver.h"
#include "record/saved_game.h"
#include "record/take_back.h"
#include "test_support.h"
#include "trace.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/projection.h"
#include "ui/windows.h"

namespace {

struct Soak {
  std::mt19937 rng;
  ScriptedDialogs dialogs;
  std::string folder;
  std::vector<std::string> events;
  bool twoPlayerCapture = false;  // a piece was taken while Form3 was not in use
  long eventsRun = 0;
  long movesMade = 0;
  long takeBacks = 0;
  long kingsTaken = 0;
  long roundTrips = 0;
  std::FILE* trace = nullptr;  // SOAK_TRACE: every window record after each event

  int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  [[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "soak: %s\nevents:\n", what.c_str());
    for (const std::string& e : events) std::fprintf(stderr, "  %s\n", e.c_str());
    for (const std::string& row : boardRows()) std::fprintf(stderr, "  %s\n", row.c_str());
    for (const std::string& line : listTexts()) std::fprintf(stderr, "  |%s|\n", line.c_str());
    for (int n = 1; n <= kBoardPictureCount; ++n) {
      const PictureOwner o = pictureOwner(n);
      const Piece* p = pieceOf(game, o.kind, o.side, o.index);
      std::fprintf(stderr, "  picture %d: x %d y %d target %d,%d atRest %d onBoard %d moved %d\n", n, p->x, p->y,
                   p->targetX, p->targetY, p->atRest, p->onBoard, p->moved);
    }
    std::exit(1);
  }

  // A destination the generators accept for a piece of the side to move, or
  // any square when there is none.
  bool plausibleMove(int& picture, int& tx, int& ty) {
    const Side side = game.sideToMove == kWhiteToMove ? kWhite : kBlack;
    for (int attempt = 0; attempt < 20; ++attempt) {
      picture = (side == kWhite ? 1 : 17) + pick(16);
      const PictureOwner o = pictureOwner(picture);
      Piece* p = pieceOf(game, o.kind, o.side, o.index);
      if (!p->onBoard) continue;
      const int32_t codes = o.kind == kKing ? 10 : moveCodeCount(o.kind);
      const int32_t code = 1 + pick(codes);
      if (o.kind == kKing && code >= 9) {
        tx = p->x + (code == 9 ? 2 : -3);
        ty = p->y;
        if (onBoardCoord(tx, ty)) return true;
        continue;
      }
      game.trialMode = 1;
      const int32_t result = generateMove(game, o.kind, *p, code);
      tx = p->targetX;
      ty = p->targetY;
      cancelMove(*p);
      game.trialMode = 0;
      if (result == kMovePossible) return true;
    }
    return false;
  }

  void drop(int picture, int tx, int ty) {
    const int32_t before = game.moveCount * 2 + (game.sideToMove == kBlackToMove ? 1 : 0);
    const size_t messages = dialogs.messages.size();
    dragPicture(picture, tx, ty);
    const int32_t after = game.moveCount * 2 + (game.sideToMove == kBlackToMove ? 1 : 0);
    if (after != before) ++movesMade;
    if (dialogs.messages.size() > messages) ++kingsTaken;
    if (windows.form1.timer1Enabled) {
      const int32_t lines = listLineCount(game);
      Timer1Timer();
      if (listLineCount(game) != lines) ++movesMade;
    }
  }

  void saveAndOpen() {
    const std::string path = folder + "/game" + std::to_string(pick(3)) + ".oyk";
    const std::vector<std::string> before = listTexts();
    const int32_t turn = game.sideToMove;
    dialogs.saveNames.push_back(path);
    Kaydet1Click();
    if (game.gameSaved != 1) fail("save failed");
    dialogs.openNames.push_back(path);
    A1Click();
    ++roundTrips;
    // The replay starts a new game: its captures are shown as the current
    // play mode shows them.
    twoPlayerCapture = game.playMode != kPlayComputer;
    if (listTexts() != before) fail("save and open changed the move list");
    if (game.sideToMove != turn) fail("save and open changed the side to move");
    // Against the computer a game opened with Black to move goes on at once.
    if (windows.form1.timer1Enabled != (game.playMode == kPlayComputer && turn == kBlackToMove && !gameIsOver(game))) {
      fail("the computer's turn after the open");
    }
    if (windows.form1.timer1Enabled) {
      const int32_t lines = listLineCount(game);
      Timer1Timer();
      if (listLineCount(game) != lines) ++movesMade;
    }
  }

  int offBoardCount() {
    int n = 0;
    for (int p = 1; p <= kBoardPictureCount; ++p) {
      const PictureOwner o = pictureOwner(p);
      n += pieceOf(game, o.kind, o.side, o.index)->onBoard ? 0 : 1;
    }
    return n;
  }

  // Takes the enemy king when some piece of the side to move can.
  bool takeKing() {
    const Side side = game.sideToMove == kWhiteToMove ? kWhite : kBlack;
    const Piece& king = game.pieces.kings[otherSide(side) - 1];
    if (!king.onBoard) return false;
    for (int picture = (side == kWhite ? 1 : 17); picture < (side == kWhite ? 17 : 33); ++picture) {
      const PictureOwner o = pictureOwner(picture);
      Piece* p = pieceOf(game, o.kind, o.side, o.index);
      if (!p->onBoard) continue;
      for (int32_t code = 1; code <= moveCodeCount(o.kind); ++code) {
        game.trialMode = 1;
        const int32_t result = generateMove(game, o.kind, *p, code);
        const bool hits = result == kMovePossible && p->targetX == king.x && p->targetY == king.y;
        cancelMove(*p);
        game.trialMode = 0;
        if (hits) {
          drop(picture, king.x, king.y);
          return true;
        }
      }
    }
    return false;
  }

  void event() {
    ++eventsRun;
    const int offBefore = offBoardCount();
    const bool computerBefore = game.playMode == kPlayComputer;
    oneEvent();
    if (trace != nullptr) traceWindows(trace, windows, dialogs.messages);
    if (offBoardCount() > offBefore && !(computerBefore && game.playMode == kPlayComputer)) twoPlayerCapture = true;
    check();
  }

  void oneEvent() {
    const int r = pick(100);
    std::ostringstream e;
    if (r < 3) {
      events.push_back("take the king");
      takeKing();
    } else if (r < 70) {
      int picture = 0, tx = 0, ty = 0;
      if (!plausibleMove(picture, tx, ty) || pick(10) == 0) {
        picture = 1 + pick(32);
        tx = pick(8);
        ty = pick(8);
      }
      e << "drop picture " << picture << " on " << static_cast<char>('a' + tx) << ty + 1;
      events.push_back(e.str());
      if (windows.form1.image[picture].visible) drop(picture, tx, ty);
    } else if (r < 76) {
      events.push_back("take back");
      ++takeBacks;
      Button2Click();
    } else if (r < 80) {
      const int line = pick(listLineCount(game));
      events.push_back("list click " + std::to_string(line));
      ++takeBacks;
      ListBox1Click(line);
    } else if (r < 84) {
      events.push_back("hint");
      const int32_t lines = listLineCount(game);
      Yardmal1Click();
      if (listLineCount(game) != lines) ++movesMade;
      if (windows.form1.timer1Enabled) Timer1Timer();
    } else if (r < 88) {
      const int lv = pick(20) == 0 ? 3 : 1 + pick(2);
      events.push_back("level " + std::to_string(lv));
      if (lv == 1) RadioButton1Click();
      if (lv == 2) seviye1Click();
      if (lv == 3) RadioButton3Click();
    } else if (r < 92) {
      events.push_back("mode change");
      if (game.playMode == kPlayComputer) {
        secenek2Click();
      } else {
        secenek1Click();  // with Black to move the computer answers at once
        if (windows.form1.timer1Enabled) Timer1Timer();
      }
    } else if (r < 96) {
      events.push_back("save and open");
      saveAndOpen();
    } else {
      events.push_back("new game");
      Button3Click();
      twoPlayerCapture = false;
    }
  }

  void check() {
    std::string fault = checkConsistency(game);
    if (fault.empty()) fault = windowsFault(game, windows);
    if (!fault.empty()) fail(fault);
    // Every piece taken against the computer is shown in Form3.
    for (int n = 1; n <= kBoardPictureCount; ++n) {
      const PictureOwner o = pictureOwner(n);
      const bool onBoard = pieceOf(game, o.kind, o.side, o.index)->onBoard;
      const bool shown = windows.form3.image[lostPictureOf(o.side, o.kind, o.index)].visible;
      if (!onBoard && !shown && !twoPlayerCapture) fail("Form3 misses a captured piece");
    }
    roundTrip();
  }

  // The game saved and opened again gives the same list, the same position
  // and the same side to move; then the game goes on as it was. (A queen's or
  // king's square names its piece by side alone, so the index written there
  // is not compared.)
  void roundTrip() {
    const Game gameBefore = game;
    const Windows windowsBefore = windows;
    const GameState before = gameState();
    const std::vector<std::string> list = listTexts();
    const std::string path = folder + "/round-trip.oyk";
    if (!saveGameTo(game, path)) fail("save failed");
    // A list of the two header lines alone opens as a new game.
    if (openGameFrom(game, path).result != OpenResult::Opened) fail("open failed");
    showGame(game, windows);
    ++roundTrips;
    if (listTexts() != list) fail("save and open changed the move list");
    if (game.sideToMove != before.sideToMove) fail("save and open changed the side to move");
    GameState after = gameState();
    for (int sq = 0; sq < kSquareCount; ++sq) {
      Square& a = after.board.squares[sq];
      const Square& b = before.board.squares[sq];
      if ((a.kind == kQueen || a.kind == kKing) && a.kind == b.kind && a.side == b.side) a.index = b.index;
      a.pendingIndex = b.pendingIndex;
    }
    if (!sameState(before, after)) fail("save and open changed the position");
    game = gameBefore;
    windows = windowsBefore;
  }

  void playGame(int number) {
    events.clear();
    events.push_back("game " + std::to_string(number));
    Button3Click();
    twoPlayerCapture = false;
    const int length = 20 + pick(60);
    for (int i = 0; i < length; ++i) event();
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::atoi(argv[1]) : 300;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20261208u;
  Soak soak;
  soak.rng.seed(seed);
  // Files go to memory where there is a place for them: the soak saves after
  // every event.
  char folder[] = "/dev/shm/dedivud-soak-XXXXXX";
  char fallback[] = "/tmp/dedivud-soak-XXXXXX";
  char* made = ::mkdtemp(folder);
  if (made == nullptr) made = ::mkdtemp(fallback);
  if (made == nullptr) return 2;
  soak.folder = made;
  if (const char* path = std::getenv("SOAK_TRACE")) soak.trace = std::fopen(path, "w");
  startProgram();
  setDialogs(&soak.dialogs);
  for (int g = 0; g < games; ++g) {
    soak.playGame(g);
    soak.dialogs.messages.clear();
  }
  for (int i = 0; i < 3; ++i) ::unlink((soak.folder + "/game" + std::to_string(i) + ".oyk").c_str());
  ::unlink((soak.folder + "/round-trip.oyk").c_str());
  ::rmdir(made);
  if (soak.trace != nullptr) std::fclose(soak.trace);
  std::printf("soak: seed %u, %d games, %ld events, %ld moves, %ld take backs, %ld king captures, %ld save/open\n",
              seed, games, soak.eventsRun, soak.movesMade, soak.takeBacks, soak.kingsTaken, soak.roundTrips);
  return 0;
}
