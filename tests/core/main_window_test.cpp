#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "controls/controls.h"
#include "game/board.h"
#include "test_support.h"

namespace {

const char* const kQuestion = "Oyunu kaydetmek istiyormusunuz?";

void unsavedGame() {
  startProgram();
  playMoves("e2e4 e7e5");
  ASSERT_EQ(gameSaved, 0);
}

}  // namespace

TEST(MainWindowClose, FreshGameClosesWithoutAQuestion) {
  ScriptedDialogs d;
  startProgram();
  EXPECT_TRUE(FormClose());
  EXPECT_TRUE(d.questions.empty());
}

TEST(MainWindowClose, ExitAlwaysAsksYesNoCancel) {
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
    EXPECT_FALSE(form1.closeRequested);
  }
  {
    // No: the window closes, and closing asks the two-button question.
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::No, Answer::No};
    k1Click();
    EXPECT_TRUE(form1.closeRequested);
    EXPECT_TRUE(FormClose());
    ASSERT_EQ(d.questions.size(), 2u);
    EXPECT_EQ(d.questions[1], kQuestion);
    EXPECT_FALSE(d.withCancel[1]);
    EXPECT_EQ(closeAnswered, 1);
    EXPECT_TRUE(FormClose());  // asked once only
    EXPECT_EQ(d.questions.size(), 2u);
  }
  {
    // Yes and a file name: saved, closed, no second question.
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Yes};
    d.saveNames = {folder.file("cikis")};
    k1Click();
    EXPECT_TRUE(std::filesystem::exists(folder.file("cikis.oyk")));
    EXPECT_EQ(gameSaved, 1);
    EXPECT_TRUE(form1.closeRequested);
    EXPECT_TRUE(FormClose());
    EXPECT_EQ(d.questions.size(), 1u);
  }
  {
    // Yes but the save dialog cancelled: the unsaved game keeps its window.
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Yes};
    k1Click();
    EXPECT_FALSE(form1.closeRequested);
    EXPECT_EQ(gameSaved, 0);
  }
}

TEST(MainWindowClose, ClosingNeverLosesAGameThePlayerWantedSaved) {
  TempFolder folder;
  {
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(FormClose());  // save cancelled
    EXPECT_EQ(closeAnswered, 0);
    d.saveNames = {folder.file("missing/oyun.oyk")};
    EXPECT_FALSE(FormClose());  // save failed
    EXPECT_EQ(d.messages.size(), 1u);
    EXPECT_EQ(gameSaved, 0);
    EXPECT_EQ(d.questions.size(), 2u);
  }
  {
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::Yes};
    d.saveNames = {folder.file("kapat.oyk")};
    EXPECT_TRUE(FormClose());
    EXPECT_TRUE(std::filesystem::exists(folder.file("kapat.oyk")));
    EXPECT_EQ(closeAnswered, 1);
  }
  {
    ScriptedDialogs d;
    unsavedGame();
    d.answers = {Answer::No};
    EXPECT_TRUE(FormClose());
    EXPECT_EQ(d.questions.size(), 1u);
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
    const char* ticks;  // Başlangıç 1.seviye 2.seviye, Bilgisayarla Karşılıklı
  } cases[] = {
      {3, 2, 3, 2, "001 01"}, {2, 1, 2, 1, "010 10"},  {1, 2, 1, 2, "100 01"},
      {0, 0, 1, 1, "100 10"}, {7, -1, 1, 1, "100 10"}, {-3, 3, 1, 1, "100 10"},
  };
  for (const auto& c : cases) {
    startProgram();
    restoreChoices(c.keptLevel, c.keptPlayMode);
    SCOPED_TRACE(std::to_string(c.keptLevel) + " " + std::to_string(c.keptPlayMode));
    EXPECT_EQ(level, c.level);
    EXPECT_EQ(playMode, c.playMode);
    EXPECT_EQ(form1.radioSelected, c.level);
    const std::string ticks = std::string{form1.baslaChecked ? '1' : '0',    form1.seviye1Checked ? '1' : '0',
                                          form1.seviye2Checked ? '1' : '0',  ' ',
                                          form1.secenek1Checked ? '1' : '0', form1.secenek2Checked ? '1' : '0'};
    EXPECT_EQ(ticks, c.ticks);
  }
}
