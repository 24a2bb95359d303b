// Help window: start state, topic clicks, paging through "2- OYUN" and
// "6- EKLER", and the folding "1- MENULER" entry.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ui/help_window.h"
#include "ui/program.h"
#include "ui/windows.h"

namespace {

// The visible pages and the "Sonraki" and "Önceki" buttons in short, e.g.
// "pages 3 next 1 back 0".
std::string shown() {
  std::ostringstream text;
  text << "pages";
  for (int p = 1; p < kHelpPageCount; ++p) {
    if (windows.form4.pageVisible[p]) text << " " << p;
  }
  text << " next " << windows.form4.button1Visible << " back " << windows.form4.button2Visible;
  return text.str();
}

// The menu entry in short: the "+"/"-" caption, whether "A-Dosya" and
// "B-Seçenekler" show, and the tops of "2- OYUN", "3- PROGRAM", "4- STRATEJİ",
// "5- YAZAR", "6- EKLER".
std::string menu() {
  std::ostringstream text;
  text << windows.form4.label[8].caption << " " << windows.form4.label[1].visible << windows.form4.label[7].visible
       << " tops";
  for (int n : {3, 4, 5, 6, 9}) text << " " << windows.form4.label[n].top;
  return text.str();
}

const std::string kFolded = "+ 00 tops 104 128 152 176 200";
const std::string kUnfolded = "- 11 tops 130 154 178 202 226";

void clickSonraki(int times) {
  for (int i = 0; i < times; ++i) Form4Button1Click();
}

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Form4Initialise(); }
};

TEST_F(HelpWindowTest, FirstDisplayShowsDosyaPageWithMenuFolded) {
  EXPECT_FALSE(windows.form4.visible);
  Yardm1Show();
  EXPECT_TRUE(windows.form4.visible);
  EXPECT_EQ(shown(), "pages 1 next 0 back 0");
  EXPECT_EQ(menu(), kFolded);
  EXPECT_EQ(windows.form4.label[2].caption, "1- MENULER");
  EXPECT_TRUE(windows.form4.label[2].visible);
  EXPECT_EQ(windows.form4.label[1].caption, "A-Dosya");
  EXPECT_EQ(windows.form4.label[7].caption, "B-Seçenekler");
  EXPECT_EQ(windows.form4.label[5].caption, "4- STRATEJİ");
  EXPECT_EQ(windows.form4.label[9].caption, "6- EKLER");
}

TEST_F(HelpWindowTest, SonrakiAndOncekiPageThroughTheirTopics) {
  // "Sonraki" is only hidden: pressed anyway on the last page it does
  // nothing. Going back leaves "Sonraki" hidden until the first page is
  // reached. "6- EKLER" pages the same way through pages 12 to 15.
  const struct {
    void (*click)();
    const char* expected;
  } steps[] = {
      {Form4Label3Click, "pages 3 next 1 back 0"},   {Form4Button1Click, "pages 4 next 1 back 1"},
      {Form4Button1Click, "pages 5 next 1 back 1"},  {Form4Button1Click, "pages 6 next 1 back 1"},
      {Form4Button1Click, "pages 7 next 1 back 1"},  {Form4Button1Click, "pages 8 next 0 back 1"},
      {Form4Button1Click, "pages 8 next 0 back 1"},  {Form4Button2Click, "pages 7 next 0 back 1"},
      {Form4Button2Click, "pages 6 next 0 back 1"},  {Form4Button2Click, "pages 5 next 0 back 1"},
      {Form4Button2Click, "pages 4 next 0 back 1"},  {Form4Button2Click, "pages 3 next 1 back 0"},
      {Form4Label9Click, "pages 12 next 1 back 0"},  {Form4Button1Click, "pages 13 next 1 back 1"},
      {Form4Button1Click, "pages 14 next 1 back 1"}, {Form4Button1Click, "pages 15 next 0 back 1"},
      {Form4Button1Click, "pages 15 next 0 back 1"}, {Form4Button2Click, "pages 14 next 0 back 1"},
      {Form4Button2Click, "pages 13 next 0 back 1"}, {Form4Button2Click, "pages 12 next 1 back 0"},
  };
  for (const auto& step : steps) {
    step.click();
    EXPECT_EQ(shown(), step.expected);
  }
}

TEST_F(HelpWindowTest, ReopeningTheGameTopicKeepsOncekiAndItThenDoesNothing) {
  Form4Label3Click();
  clickSonraki(2);
  ASSERT_EQ(shown(), "pages 5 next 1 back 1");
  Form4Label3Click();
  EXPECT_EQ(shown(), "pages 3 next 1 back 1");
  Form4Button2Click();
  EXPECT_EQ(shown(), "pages 3 next 1 back 1");
}

TEST_F(HelpWindowTest, OtherTopicsHideTheButtonsAndShowTheirPage) {
  Form4Label3Click();
  clickSonraki(2);
  Form4Label4Click();
  EXPECT_EQ(shown(), "pages 8 9 next 0 back 0");
  // No game page among 3..7 is showing, so "Sonraki" has nothing to turn.
  Form4Button1Click();
  EXPECT_EQ(shown(), "pages 8 9 next 0 back 0");
  Form4Label5Click();
  EXPECT_EQ(shown(), "pages 8 10 next 0 back 0");
  Form4Label6Click();
  EXPECT_EQ(shown(), "pages 8 11 next 0 back 0");

  Form4Label3Click();
  clickSonraki(1);
  Form4Label7Click();
  EXPECT_EQ(shown(), "pages 2 next 0 back 0");
  Form4Label1Click();
  EXPECT_EQ(shown(), "pages 1 next 0 back 0");
}

TEST_F(HelpWindowTest, MenuEntryFoldsAndUnfoldsByTwentySixPixels) {
  Form4Label8Click();
  EXPECT_EQ(menu(), kUnfolded);
  EXPECT_EQ(windows.form4.label[1].top, 96);
  EXPECT_EQ(windows.form4.label[7].top, 112);
  Form4Label8Click();
  EXPECT_EQ(menu(), kFolded);

  // Hovering unfolds once; hovering again moves nothing. Folded again by the
  // "-" label, the next hover unfolds again.
  const struct {
    void (*action)();
    const std::string& expected;
  } steps[] = {{Form4Label2MouseMove, kUnfolded},
               {Form4Label2MouseMove, kUnfolded},
               {Form4Label8Click, kFolded},
               {Form4Label2MouseMove, kUnfolded}};
  for (const auto& step : steps) {
    step.action();
    EXPECT_EQ(menu(), step.expected);
  }

  // Folding leaves the page and the buttons alone.
  EXPECT_EQ(shown(), "pages 1 next 0 back 0");
}

}  // namespace
