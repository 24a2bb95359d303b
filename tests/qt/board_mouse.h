// Mouse drags on the board widget, in board-frame pixels, as a player makes
// them: press, a small move that starts the drag, move, release.
#pragma once

#include <QtTest>
#include <sstream>
#include <string>

#include "game/game.h"

// Centre of a square from its name ("e2").
inline QPoint centreOf(const char* square) { return {40 * (square[0] - 'a') + 20, 280 - 40 * (square[1] - '1') + 20}; }

inline void mouseDrag(QWidget* board, QPoint from, QPoint to) {
  QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(board, from + QPoint(3, 0));
  QTest::mouseMove(board, to);
  QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, to);
}

// Drags a sequence like "e2e4 d7d5" square to square.
inline void mouseDrags(QWidget* board, const std::string& moves) {
  std::istringstream in(moves);
  for (std::string m; in >> m;) mouseDrag(board, centreOf(m.substr(0, 2).c_str()), centreOf(m.substr(2, 2).c_str()));
}
