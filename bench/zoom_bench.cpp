// The cost of drawing the game larger, offscreen: a move made with the mouse
// and taken back at zoom steps 1, 2 and 3; and a change of step from 1 to 3
// and back, with the main window drawn in full.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <cstdlib>

#include "game/list_lines.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/qt/board_widget.h"
#include "ui/qt/event_path.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/zoom_view.h"
#include "ui/start_up.h"

namespace {

// The game's windows, two players at the board (no computer reply).
struct Started {
  Started() { startUp(); }
};
struct Windows {
  ScriptedDialogs dialogs;
  Started started;
  GameWindows gameWindows;
  Windows() { runHandler(&gameWindows.form1(), secenek2Click); }
  MainWindow& form1() { return gameWindows.form1(); }
};

// Press, a small move that starts the drag, move, release: board pixels.
void drag(QWidget* board, QPoint from, QPoint to) {
  QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(board, from + QPoint(3, 0));
  QTest::mouseMove(board, to);
  QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, to);
}

// Draws the whole main window.
void drawAll(MainWindow& form1) { benchmark::DoNotOptimize(form1.grab().toImage().constBits()); }

// Draws what changed, as the screen does.
void drawChanges() { QApplication::processEvents(); }

// The knight g1-f3 dragged and taken back, what changed drawn after each,
// at zoom step range(0).
void BM_MoveAtStep(benchmark::State& state) {
  Windows w;
  w.form1().setZoom(static_cast<int>(state.range(0)));
  BoardWidget* board = w.form1().board();
  const auto centre = [](int file, int rank) { return zoomedPoint(QPoint(40 * file + 20, 280 - 40 * rank + 20)); };
  int made = 0;
  for (auto _ : state) {
    drag(board, centre(6, 0), centre(5, 2));
    made += listLineCount(game) > 2 ? 1 : 0;
    drawChanges();
    runHandler(&w.form1(), Button2Click);
    drawChanges();
  }
  if (game.moveCount != 0 || windows.form1.listBox1.size() != 2)
    state.SkipWithError("the move was not made and taken back");
  w.form1().setZoom(0);
}
BENCHMARK(BM_MoveAtStep)->Arg(0)->Arg(4)->Arg(6)->Unit(benchmark::kMillisecond);

// From step 1 to 3 (or back), every window redrawn.
void BM_ChangeOfStep(benchmark::State& state) {
  Windows w;
  int step = 0;
  for (auto _ : state) {
    step = step == 0 ? kLargestZoomStep : 0;
    w.form1().setZoom(step);
    drawAll(w.form1());
  }
  w.form1().setZoom(0);
}
BENCHMARK(BM_ChangeOfStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
