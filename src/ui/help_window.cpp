// Help window (Form4): which topic labels, pages and paging buttons show.
#include "ui/help_window.h"

#include <string>

#include "ui/help_pages.h"
#include "ui/program.h"
#include "ui/windows.h"

namespace {

// Topic labels of the window.
constexpr int kLabelDosya = 1;       // "A-Dosya"
constexpr int kLabelMenus = 2;       // "1- MENULER"
constexpr int kLabelGame = 3;        // "2- OYUN"
constexpr int kLabelProgram = 4;     // "3- PROGRAM"
constexpr int kLabelStrategy = 5;    // "4- STRATEJİ"
constexpr int kLabelAuthor = 6;      // "5- YAZAR"
constexpr int kLabelSecenekler = 7;  // "B-Seçenekler"
constexpr int kLabelFold = 8;        // "+" / "-" before "1- MENULER"
constexpr int kLabelExtras = 9;      // "6- EKLER"

// The topics below the sub-entries of "1- MENULER", which move with them.
constexpr int kLowerTopics[] = {kLabelGame, kLabelProgram, kLabelStrategy, kLabelAuthor, kLabelExtras};

// Pages: 1 "A-Dosya", 2 "B-Seçenekler", 3..8 the six pages of "2- OYUN",
// 9 "3- PROGRAM", 10 "4- STRATEJİ", 11 "5- YAZAR", 12..15 the four pages of
// "6- EKLER". Page 8 also lies under pages 9 to 11.
constexpr const HelpPagedTopic& kGameTopic = kHelpPagedTopics[0];
constexpr const HelpPagedTopic& kExtrasTopic = kHelpPagedTopics[1];
constexpr int kUnderPage = helpTopicLastPage(kGameTopic);

// The two sub-entries of "1- MENULER" take this much room when unfolded.
constexpr int kFoldShift = 26;

void setLabel(int number, int left, int top, bool visible, const char* caption) {
  windows.form4.label[number] = HelpLabel{left, top, visible, caption};
}

void showOnlyPage(int page) {
  for (int p = 1; p <= kHelpPages; ++p) windows.form4.pageVisible[p] = (p == page);
}

// Pages 9 to 11 are shown over page 8.
void showPageOverUnderPage(int page) {
  showOnlyPage(page);
  windows.form4.pageVisible[kUnderPage] = true;
}

void hideButtons() {
  windows.form4.button1Visible = false;
  windows.form4.button2Visible = false;
}

// Moves the topics below the sub-entries by `dy` pixels.
void shiftLowerTopics(int dy) {
  for (int number : kLowerTopics) windows.form4.label[number].top += dy;
}

// Moves in a new string: assigning the literal in place trips a false
// -Wrestrict warning of g++ 12.
void setFoldCaption(const char* caption) { windows.form4.label[kLabelFold].caption = std::string(caption); }

void setSubEntriesVisible(bool visible) {
  windows.form4.label[kLabelDosya].visible = visible;
  windows.form4.label[kLabelSecenekler].visible = visible;
}

// The first visible page among first..last, tested in that order; 0 if none.
int firstVisiblePage(int first, int last) {
  for (int p = first; p <= last; ++p) {
    if (windows.form4.pageVisible[p]) return p;
  }
  return 0;
}

// A paged topic opens at its first page with "Sonraki"; "Onceki" is left as
// it was.
void openPagedTopic(const HelpPagedTopic& topic) {
  showOnlyPage(topic.firstPage);
  windows.form4.button1Visible = true;
}

}  // namespace

void Form4Initialise() {
  windows.form4.visible = false;
  windows.form4.label[0] = HelpLabel{};
  setLabel(kLabelFold, 2, 75, true, "+");
  setLabel(kLabelMenus, 10, 80, true, "1- MENULER");
  setLabel(kLabelDosya, 10, 96, false, "A-Dosya");
  setLabel(kLabelSecenekler, 10, 112, false, "B-Seçenekler");
  setLabel(kLabelGame, 10, 104, true, kGameTopic.name);
  setLabel(kLabelProgram, 10, 128, true, "3- PROGRAM");
  setLabel(kLabelStrategy, 10, 152, true, "4- STRATEJİ");
  setLabel(kLabelAuthor, 10, 176, true, "5- YAZAR");
  setLabel(kLabelExtras, 10, 200, true, kExtrasTopic.name);
  windows.form4.pageVisible[0] = false;
  showOnlyPage(1);
  hideButtons();
}

void Yardm1Show() { windows.form4.visible = true; }

// Hovering over "1- MENULER" unfolds its sub-entries (once).
void Form4Label2MouseMove() {
  setFoldCaption("-");
  if (windows.form4.label[kLabelDosya].visible) return;
  setSubEntriesVisible(true);
  shiftLowerTopics(kFoldShift);
}

// The "+"/"-" label folds and unfolds the sub-entries.
void Form4Label8Click() {
  const std::string& caption = windows.form4.label[kLabelFold].caption;
  if (caption == "-") {
    setFoldCaption("+");
    setSubEntriesVisible(false);
    shiftLowerTopics(-kFoldShift);
  } else if (caption == "+") {
    setFoldCaption("-");
    setSubEntriesVisible(true);
    shiftLowerTopics(kFoldShift);
  }
}

void Form4Label1Click() {
  hideButtons();
  showOnlyPage(1);
}

void Form4Label7Click() {
  hideButtons();
  showOnlyPage(2);
}

void Form4Label3Click() { openPagedTopic(kGameTopic); }

void Form4Label4Click() {
  hideButtons();
  showPageOverUnderPage(9);
}

void Form4Label5Click() {
  hideButtons();
  showPageOverUnderPage(10);
}

void Form4Label6Click() {
  hideButtons();
  showPageOverUnderPage(11);
}

void Form4Label9Click() { openPagedTopic(kExtrasTopic); }

// "Sonraki": from the visible page of a paged topic to the next; hides itself
// on the topic's last page.
void Form4Button1Click() {
  for (const HelpPagedTopic& topic : kHelpPagedTopics) {
    const int last = helpTopicLastPage(topic);
    const int page = firstVisiblePage(topic.firstPage, last - 1);
    if (page == 0) continue;
    showOnlyPage(page + 1);
    windows.form4.button2Visible = true;
    if (page + 1 == last) windows.form4.button1Visible = false;
    return;
  }
}

// "Onceki": back one page of a paged topic. Only the step back to the
// topic's first page changes the buttons; "Sonraki" comes back there.
void Form4Button2Click() {
  for (const HelpPagedTopic& topic : kHelpPagedTopics) {
    if (windows.form4.pageVisible[topic.firstPage + 1]) {
      showOnlyPage(topic.firstPage);
      windows.form4.button2Visible = false;
      windows.form4.button1Visible = true;
      return;
    }
    const int page = firstVisiblePage(topic.firstPage + 2, helpTopicLastPage(topic));
    if (page == 0) continue;
    showOnlyPage(page - 1);
    return;
  }
}
