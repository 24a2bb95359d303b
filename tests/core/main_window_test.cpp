#include "ui/main_window.h"
#include "ui/handlers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "controls/controls.h"
#include "game/board.h"
#include "game/game.h"
#include "record/saved_game.h"
#include "test_support.h"
#include "ui/program.h"

namespace {

const char* const kQuestion = "Oyunu kaydetmek istiyormusunuz?";

void unsavedGame() {
  startProgram();
  playMoves("e2e4 e7e5");
  ASSERT_EQ(game.gameSaved, 0);
}

}  // namespace

TEST(MainWindowClose, FreshGameClosesWithoutAQuestion) {
  ScriptedDialogs d;
  startProgram();
  EXPECT_TRUE(FormClose());
  EXPECT_TRUE(d.questions.empty());
}

TEST(MainWindowClose, ExitAsksOnceYesNoCancel) {
  TempFolder folder;
  {
    // Even a fresh game is asked about; Cancel does nothing.
    ScriptedDialogs d;
    startProgram();
    d.answers = {Answer::Cancel};
    k1Click();
    ASSERT_EQ(d.questions.size(), 1u);
    EXPECT_EQ(d.questions[0], kQuestion);
    EXPECT_EQ(d.captions[0], "Uyarı");
    EXPECT_TRUE(d.withCancel[0]);
    EXPECT_FALSE(windows.form1.closeRequested);
  }
  {
    // No: the window closes and the first answer counts, no second question.
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::No};
    k1Click();
    EXPECT_TRUE(windows.form1.closeRequested);
    EXPECT_TRUE(FormClose());
    EXPECT_EQ(d.questions.size(), 1u);
  }
  {
    // Yes and a file name: saved, closed, no second question.
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Yes};
    d.saveNames = {folder.file("cikis")};
    k1Click();
    EXPECT_TRUE(std::filesystem::exists(folder.file("cikis.oyk")));
    EXPECT_EQ(game.gameSaved, 1);
    EXPECT_TRUE(windows.form1.closeRequested);
    EXPECT_TRUE(FormClose());
    EXPECT_EQ(d.questions.size(), 1u);
  }
  {
    // Yes but the save dialog cancelled: the unsaved game keeps its window.
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Yes};
    k1Click();
    EXPECT_FALSE(windows.form1.closeRequested);
    EXPECT_EQ(game.gameSaved, 0);
    EXPECT_EQ(windows.closeAnswered, 0);  // the title bar's close still asks
  }
}

TEST(MainWindowClose, ClosingNeverLosesAGameThePlayerWantedSaved) {
  TempFolder folder;
  {
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(FormClose());  // save cancelled
    EXPECT_EQ(windows.closeAnswered, 0);
    d.saveNames = {folder.file("missing/oyun.oyk")};
    EXPECT_FALSE(FormClose());  // save failed
    EXPECT_EQ(d.messages.size(), 1u);
    EXPECT_EQ(game.gameSaved, 0);
    EXPECT_EQ(d.questions.size(), 2u);
  }
  {
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Yes};
    d.saveNames = {folder.file("kapat.oyk")};
    EXPECT_TRUE(FormClose());
    EXPECT_TRUE(std::filesystem::exists(folder.file("kapat.oyk")));
    EXPECT_EQ(windows.closeAnswered, 1);
  }
  {
    // İptal (or Escape) keeps the window and the game; Hayır lets it go.
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(FormClose());
    EXPECT_TRUE(d.withCancel[0]);
    EXPECT_EQ(windows.closeAnswered, 0);
    EXPECT_TRUE(FormClose());
    EXPECT_EQ(d.questions.size(), 2u);
  }
}

// "Başlat" (button and menu) and "Aç" leave a game with unsaved moves only
// when the player lets it go; a saved game or one without moves goes without
// a question.
TEST(MainWindowNewGame, AGameWithUnsavedMovesIsNotLostUnasked) {
  TempFolder folder;
  const std::string opened = folder.file("acilan.oyk");
  startProgram();
  playMoves("d2d4 d7d5");
  ASSERT_TRUE(saveGameTo(game, opened));
  enum Before { NoMoves, Saved, Unsaved, Opened, OpenedAndMoved };
  struct Case {
    const char* what;
    void (*act)();
    Before before;
    std::vector<Answer> answers;
    const char* saveName;  // given to the save dialog, if asked
    bool asked;
    bool replaced;
  };
  const Case cases[] = {
      {"Başlat, no moves", Button3Click, NoMoves, {}, "", false, true},
      {"Başlat, saved", Button3Click, Saved, {}, "", false, true},
      {"Başlat, just opened", Button3Click, Opened, {}, "", false, true},
      {"Başlat, opened and moved on", Button3Click, OpenedAndMoved, {Answer::Cancel}, "", true, false},
      {"Başlat, Hayır", Button3Click, Unsaved, {Answer::No}, "", true, true},
      {"Başlat, İptal", Button3Click, Unsaved, {Answer::Cancel}, "", true, false},
      {"Başlat, Evet and saved", Button3Click, Unsaved, {Answer::Yes}, "yeni", true, true},
      {"Başlat, Evet, save cancelled", Button3Click, Unsaved, {Answer::Yes}, "", true, false},
      {"Başlat, Evet, save failed", Button3Click, Unsaved, {Answer::Yes}, "yok/yeni", true, false},
      {"menu Başlat, İptal", Balat1Click, Unsaved, {Answer::Cancel}, "", true, false},
      {"Aç, saved", A1Click, Saved, {}, "", false, true},
      {"Aç, Hayır", A1Click, Unsaved, {Answer::No}, "", true, true},
      {"Aç, İptal", A1Click, Unsaved, {Answer::Cancel}, "", true, false},
      {"Aç, Evet and saved", A1Click, Unsaved, {Answer::Yes}, "ac", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedDialogs d;
    startProgram();
    if (c.before == Saved || c.before == Unsaved) playMoves("e2e4 e7e5");
    if (c.before == Opened || c.before == OpenedAndMoved) {
      ASSERT_EQ(openGameFrom(game, opened).result, OpenResult::Opened);
    }
    if (c.before == OpenedAndMoved) playMoves("c1f4");
    if (c.before == Saved) {
      ASSERT_TRUE(saveGameTo(game, folder.file("kayitli.oyk")));
    }
    // Any new game, and every open, hides "MAT!!!".
    game.mateShown = true;
    d.answers = c.answers;
    if (*c.saveName) d.saveNames = {folder.file(c.saveName)};
    d.openNames = {opened};
    c.act();
    EXPECT_EQ(d.questions, std::vector<std::string>(c.asked ? 1 : 0, kQuestion));
    if (c.asked) {
      EXPECT_TRUE(d.withCancel[0]);
    }
    EXPECT_EQ(!windows.form1.label20Visible, c.replaced);
    // A game the player wanted saved is on the disk before it goes.
    if (c.replaced && !c.answers.empty() && c.answers[0] == Answer::Yes) {
      EXPECT_TRUE(std::filesystem::exists(folder.file(c.saveName) + ".oyk"));
    }
  }
}

// A level and play mode kept from the last run are chosen through the menu
// handlers, ticks and radio buttons with them; a value no handler stands for
// keeps the designed one.
TEST(MainWindowSettings, KeptChoicesComeBackThroughTheHandlers) {
  const struct {
    int32_t keptLevel;
    int32_t keptPlayMode;
    int32_t level;
    int32_t playMode;
    int32_t radio;      // the radio button selected (level 4 has none)
    const char* ticks;  // Başlangıç 1.seviye 2.seviye 3.seviye, Bilgisayarla Karşılıklı
  } cases[] = {
      {3, 2, 3, 2, 3, "0010 01"}, {2, 1, 2, 1, 2, "0100 10"},  {1, 2, 1, 2, 1, "1000 01"},  {4, 1, 4, 1, 0, "0001 10"},
      {0, 0, 1, 1, 1, "1000 10"}, {7, -1, 1, 1, 1, "1000 10"}, {-3, 3, 1, 1, 1, "1000 10"},
  };
  for (const auto& c : cases) {
    startProgram();
    restoreChoices(c.keptLevel, c.keptPlayMode);
    SCOPED_TRACE(std::to_string(c.keptLevel) + " " + std::to_string(c.keptPlayMode));
    EXPECT_EQ(game.level, c.level);
    EXPECT_EQ(game.playMode, c.playMode);
    EXPECT_EQ(windows.form1.radioSelected, c.radio);
    const std::string ticks = std::string{windows.form1.baslaChecked ? '1' : '0',
                                          windows.form1.seviye1Checked ? '1' : '0',
                                          windows.form1.seviye2Checked ? '1' : '0',
                                          windows.form1.seviye3Checked ? '1' : '0',
                                          ' ',
                                          windows.form1.secenek1Checked ? '1' : '0',
                                          windows.form1.secenek2Checked ? '1' : '0'};
    EXPECT_EQ(ticks, c.ticks);
  }
}
