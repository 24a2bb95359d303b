#include <gtest/gtest.h>

#include "game/board.h"
#include "game/game.h"
#include "test_support.h"
#include "ui/handlers.h"
#include "ui/program.h"

namespace {

// One half-move of a scripted game and the list line it must write.
struct ScriptedMove {
  const char* move;  // "e2e4"; castling is the king's move, e.g. "e1g1" or "e8b8"
  const char* line;
};

// The board as the moves themselves say it must look: letters moved from
// square to square, the rook following a castling king.
void playOn(std::vector<std::string>& rows, const std::string& m) {
  const auto cell = [&rows](char file, char rank) -> char& {
    return rows[static_cast<size_t>('8' - rank)][static_cast<size_t>(file - 'a')];
  };
  const char piece = cell(m[0], m[1]);
  cell(m[2], m[3]) = piece;
  cell(m[0], m[1]) = '.';
  if ((piece == 'K' || piece == 'k') && m[0] == 'e' && (m[2] == 'g' || m[2] == 'b')) {
    const char rook = m[2] == 'g' ? 'h' : 'a';
    cell(m[2] == 'g' ? 'f' : 'c', m[1]) = cell(rook, m[1]);
    cell(rook, m[1]) = '.';
  }
}

// Plays the moves by drags, White first, and checks the whole list and the
// board after every one of them.
void playScripted(const std::vector<ScriptedMove>& moves) {
  std::vector<std::string> lines = {"     TAŞ        ILK SON ", "    --------       ------ -------- "};
  std::vector<std::string> expected = kStartRows;
  for (size_t i = 0; i < moves.size(); ++i) {
    const ScriptedMove& m = moves[i];
    const bool black = i % 2 == 1;
    SCOPED_TRACE("move " + std::to_string(i / 2 + 1) + (black ? " black " : " white ") + m.move);
    const std::string move = m.move;
    ASSERT_TRUE(drag(move.substr(0, 2), move.substr(2, 2)));
    lines.push_back(m.line);
    if (black) lines.push_back("    ");
    playOn(expected, move);
    ASSERT_EQ(listTexts(), lines);
    ASSERT_EQ(boardRows(), expected);
    ASSERT_EQ(consistencyFault(), "");
    ASSERT_EQ(game.sideToMove, black ? kWhiteToMove : kBlackToMove);
  }
  EXPECT_EQ(game.moveCount, static_cast<int32_t>(moves.size() / 2));
}

}  // namespace

TEST(ScriptedGame, WhiteCastlesShortBlackLong) {
  startProgram();
  secenek2Click();
  playScripted({
      {"e2e4", "1- piyon(5)     E2-E4"},      {"e7e5", "    piyon(5)     E7-E5"},
      {"g1f3", "2-      at(2)     G1-F3"},    {"b8c6", "         at(1)     B8-C6"},
      {"f1c4", "3-       fil(2)     F1-C4"},  {"d7d6", "    piyon(4)     D7-D6"},
      {"e1g1", "4-       KÜÇÜK ROK"},         {"c8g4", "          fil(1)     C8-G4"},
      {"h2h3", "5- piyon(8)     H2-H3"},      {"g4f3", "          fil(1)     G4xF3"},
      {"d1f3", "6-     vezir      D1xF3"},    {"g8f6", "         at(2)     G8-F6"},
      {"b1c3", "7-      at(1)     B1-C3"},    {"d8d7", "        vezir      D8-D7"},
      {"d2d3", "8- piyon(4)     D2-D3"},      {"e8b8", "      BÜYÜK ROK"},
      {"c1e3", "9-       fil(1)     C1-E3"},  {"d6d5", "    piyon(4)     D6-D5"},
      {"e4d5", "10- piyon(5)     E4xD5"},     {"f6d5", "         at(2)     F6xD5"},
      {"c3d5", "11-      at(1)     C3xD5"},   {"d7d5", "        vezir      D7xD5"},
      {"c4d5", "12-       fil(2)     C4xD5"}, {"c6b4", "         at(1)     C6-B4"},
      {"d5f7", "13-       fil(2)     D5xF7"}, {"b4c2", "         at(1)     B4xC2"},
      {"a1c1", "14-   kale(1)     A1-C1"},    {"c2e3", "         at(1)     C2xE3"},
      {"f2e3", "15- piyon(6)     F2xE3"},     {"c7c5", "    piyon(3)     C7-C5"},
      {"c1c5", "16-   kale(1)     C1xC5"},    {"c8c5", "      kale(1)     C8xC5"},
      {"f7e6", "17-       fil(2)     F7-E6"}, {"c5c1", "      kale(1)     C5-C1"},
      {"f1c1", "18-   kale(2)     F1xC1"},    {"f8c5", "          fil(2)     F8-C5"},
      {"c1c5", "19-   kale(2)     C1xC5"},    {"a7a6", "    piyon(1)     A7-A6"},
      {"f3f5", "20-     vezir      F3-F5"},   {"h8d8", "      kale(2)     H8-D8"},
      {"f5e5", "21-     vezir      F5xE5"},   {"d8d3", "      kale(2)     D8xD3"},
  });
  EXPECT_EQ(boardRows(), (std::vector<std::string>{".k......", ".p....pp", "p...B...", "..R.Q...", "........",
                                                   "...rP..P", "PP....P.", "......K."}));
}

TEST(ScriptedGame, WhiteCastlesLongBlackShort) {
  startProgram();
  secenek2Click();
  playScripted({
      {"d2d4", "1- piyon(4)     D2-D4"},     {"g8f6", "         at(2)     G8-F6"},
      {"b1c3", "2-      at(1)     B1-C3"},   {"g7g6", "    piyon(7)     G7-G6"},
      {"c1f4", "3-       fil(1)     C1-F4"}, {"f8g7", "          fil(2)     F8-G7"},
      {"d1d2", "4-     vezir      D1-D2"},   {"e8g8", "      KÜÇÜK ROK"},
      {"e1b1", "5-       BÜYÜK ROK"},        {"d7d5", "    piyon(4)     D7-D5"},
      {"f4h6", "6-       fil(1)     F4-H6"}, {"g7h6", "          fil(2)     G7xH6"},
      {"d2h6", "7-     vezir      D2xH6"},   {"c8f5", "          fil(1)     C8-F5"},
      {"g2g4", "8- piyon(7)     G2-G4"},     {"f5g4", "          fil(1)     F5xG4"},
      {"c3d5", "9-      at(1)     C3xD5"},   {"f6d5", "         at(2)     F6xD5"},
      {"e2e4", "10- piyon(5)     E2-E4"},    {"d8d6", "        vezir      D8-D6"},
      {"e4d5", "11- piyon(5)     E4xD5"},    {"d6d5", "        vezir      D6xD5"},
      {"h6f8", "12-     vezir      H6xF8"},  {"g8f8", "         sah       G8xF8"},
  });
  EXPECT_EQ(boardRows(), (std::vector<std::string>{"rn...k..", "ppp.pp.p", "......p.", "...q....", "...P..b.",
                                                   "........", "PPP..P.P", ".KR..BNR"}));
}
