// Help window: start state, topic clicks, paging through "2- OYUN" and the
// folding "1- MENULER" entry.
#include <gtest/gtest.h>

#include <vector>

#include "controls/controls.h"
#include "ui/help_window.h"

namespace {

std::vector<int> visiblePages() {
  std::vector<int> pages;
  for (int p = 1; p < kHelpPageCount; ++p) {
    if (form4.pageVisible[p]) pages.push_back(p);
  }
  return pages;
}

// Tops of "2- OYUN", "3- PROGRAM", "4- STRATEJİ", "5- YAZAR".
std::vector<int> lowerTopicTops() {
  return {form4.label[3].top, form4.label[4].top, form4.label[5].top, form4.label[6].top};
}

void clickSonraki(int times) {
  for (int i = 0; i < times; ++i) Form4Button1Click();
}

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Form4Initialise(); }
};

using Pages = std::vector<int>;
using Tops = std::vector<int>;

TEST_F(HelpWindowTest, FirstDisplayShowsDosyaPageWithMenuFolded) {
  EXPECT_FALSE(form4.visible);
  Yardm1Show();
  EXPECT_TRUE(form4.visible);

  EXPECT_EQ(visiblePages(), Pages{1});
  EXPECT_EQ(form4.label[8].caption, "+");
  EXPECT_EQ(form4.label[2].caption, "1- MENULER");
  EXPECT_TRUE(form4.label[2].visible);
  EXPECT_FALSE(form4.label[1].visible);
  EXPECT_FALSE(form4.label[7].visible);
  EXPECT_EQ(form4.label[1].caption, "A-Dosya");
  EXPECT_EQ(form4.label[7].caption, "B-Seçenekler");
  EXPECT_EQ(form4.label[5].caption, "4- STRATEJİ");
  EXPECT_EQ(lowerTopicTops(), (Tops{104, 128, 152, 176}));
  EXPECT_FALSE(form4.button1Visible);
  EXPECT_FALSE(form4.button2Visible);
}

TEST_F(HelpWindowTest, SonrakiAndOncekiPageThroughTheGameTopic) {
  Form4Label3Click();
  EXPECT_EQ(visiblePages(), Pages{3});
  EXPECT_TRUE(form4.button1Visible);
  EXPECT_FALSE(form4.button2Visible);

  Form4Button1Click();
  EXPECT_EQ(visiblePages(), Pages{4});
  EXPECT_TRUE(form4.button1Visible);
  EXPECT_TRUE(form4.button2Visible);

  clickSonraki(4);
  EXPECT_EQ(visiblePages(), Pages{8});
  EXPECT_FALSE(form4.button1Visible);
  EXPECT_TRUE(form4.button2Visible);

  // "Sonraki" is only hidden: pressed anyway on the last page it does nothing.
  Form4Button1Click();
  EXPECT_EQ(visiblePages(), Pages{8});

  // Going back leaves "Sonraki" hidden until the first page is reached.
  for (int expected = 7; expected >= 4; --expected) {
    Form4Button2Click();
    EXPECT_EQ(visiblePages(), Pages{expected});
    EXPECT_FALSE(form4.button1Visible) << "on page " << expected;
    EXPECT_TRUE(form4.button2Visible) << "on page " << expected;
  }
  Form4Button2Click();
  EXPECT_EQ(visiblePages(), Pages{3});
  EXPECT_TRUE(form4.button1Visible);
  EXPECT_FALSE(form4.button2Visible);
}

TEST_F(HelpWindowTest, ReopeningTheGameTopicKeepsOncekiAndItThenDoesNothing) {
  Form4Label3Click();
  clickSonraki(2);
  ASSERT_EQ(visiblePages(), Pages{5});

  Form4Label3Click();
  EXPECT_EQ(visiblePages(), Pages{3});
  EXPECT_TRUE(form4.button1Visible);
  EXPECT_TRUE(form4.button2Visible);

  Form4Button2Click();
  EXPECT_EQ(visiblePages(), Pages{3});
  EXPECT_TRUE(form4.button2Visible);
}

TEST_F(HelpWindowTest, OtherTopicsHideTheButtonsAndShowTheirPage) {
  Form4Label3Click();
  clickSonraki(2);

  Form4Label4Click();
  EXPECT_EQ(visiblePages(), (Pages{8, 9}));
  EXPECT_FALSE(form4.button1Visible);
  EXPECT_FALSE(form4.button2Visible);
  // No game page among 3..7 is showing, so "Sonraki" has nothing to turn.
  Form4Button1Click();
  EXPECT_EQ(visiblePages(), (Pages{8, 9}));

  Form4Label5Click();
  EXPECT_EQ(visiblePages(), (Pages{8, 10}));
  Form4Label6Click();
  EXPECT_EQ(visiblePages(), (Pages{8, 11}));

  Form4Label3Click();
  clickSonraki(1);
  Form4Label7Click();
  EXPECT_EQ(visiblePages(), Pages{2});
  EXPECT_FALSE(form4.button1Visible);
  EXPECT_FALSE(form4.button2Visible);
  Form4Label1Click();
  EXPECT_EQ(visiblePages(), Pages{1});
}

TEST_F(HelpWindowTest, MenuEntryFoldsAndUnfoldsByTwentySixPixels) {
  Form4Label8Click();
  EXPECT_EQ(form4.label[8].caption, "-");
  EXPECT_TRUE(form4.label[1].visible);
  EXPECT_TRUE(form4.label[7].visible);
  EXPECT_EQ(form4.label[1].top, 96);
  EXPECT_EQ(form4.label[7].top, 112);
  EXPECT_EQ(lowerTopicTops(), (Tops{130, 154, 178, 202}));

  Form4Label8Click();
  EXPECT_EQ(form4.label[8].caption, "+");
  EXPECT_FALSE(form4.label[1].visible);
  EXPECT_FALSE(form4.label[7].visible);
  EXPECT_EQ(lowerTopicTops(), (Tops{104, 128, 152, 176}));

  // Hovering unfolds once; hovering again moves nothing.
  Form4Label2MouseMove();
  EXPECT_EQ(form4.label[8].caption, "-");
  EXPECT_TRUE(form4.label[1].visible);
  EXPECT_EQ(lowerTopicTops(), (Tops{130, 154, 178, 202}));
  Form4Label2MouseMove();
  EXPECT_EQ(lowerTopicTops(), (Tops{130, 154, 178, 202}));

  // Folded again by the "-" label, the next hover unfolds again.
  Form4Label8Click();
  EXPECT_EQ(lowerTopicTops(), (Tops{104, 128, 152, 176}));
  Form4Label2MouseMove();
  EXPECT_EQ(lowerTopicTops(), (Tops{130, 154, 178, 202}));
  EXPECT_EQ(form4.label[8].caption, "-");

  // Folding leaves the page and the buttons alone.
  EXPECT_EQ(visiblePages(), Pages{1});
  EXPECT_FALSE(form4.button1Visible);
}

}  // namespace
