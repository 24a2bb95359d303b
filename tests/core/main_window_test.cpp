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
