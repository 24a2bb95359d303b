// The four windows' controls as plain records, and the flags that belong to
// the windows alone. Only the windows' handlers and the Qt layer see them:
// the records are made from the game (ui/projection) after every event, and
// the Qt layer makes the screen match. Texts are UTF-8 here and converted at
// the edges. The designed start is the windows' own (ui/designed_controls).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/controls.h"
#include "ui/help_pages.h"

// A picture control. `bitmap` names the stock picture (33..56) whose bitmap it
// shows.
struct PictureControl {
  int32_t left;
  int32_t top;
  int32_t bitmap;
  bool visible;
  bool enabled;
};

struct ListLine {
  std::string text;
  bool selected;
};

// Beside the fixed caption "oyun sırası ": a disc of the colour of the side to
// move with its name, or, once a king is taken, the winner's colour and a line
// saying how the game ended (`side` kNoSide: no disc).
struct TurnMark {
  int32_t side;
  bool gameOver;
  std::string text;
};

// A thin frame on the two squares of the last move made (for a castling the
// king's squares); nothing before the first move.
struct LastMoveMark {
  bool shown;
  int32_t fromX;
  int32_t fromY;
  int32_t toX;
  int32_t toY;
  bool operator==(const LastMoveMark&) const = default;
};

// Main window (Form1).
struct Form1Controls {
  PictureControl image[kLastStockPicture + 1];  // index = picture number; 0 unused
  bool label19Visible;                          // "Düşünüyorum..."
  bool label20Visible;                          // "MAT!!!"
  std::vector<ListLine> listBox1;               // the move list
  bool timer1Enabled;
  // Menu ticks.
  bool secenek1Checked;   // "Bilgisayarla oyna"
  bool secenek2Checked;   // "Karşılıklı oyna"
  bool baslaChecked;      // "Başlangıç"
  bool seviye1Checked;    // "1.seviye"
  bool seviye2Checked;    // "2.seviye"
  bool seviye3Checked;    // "3.seviye"
  int32_t radioSelected;  // 1..4: which of RadioButton1..RadioButton4 is selected; 0 none
  bool closeRequested;    // the window should close (exit command)
  TurnMark turnMark;
  LastMoveMark lastMove;
  // Click to move: the board picture chosen by a click (0 none), framed on
  // its square, and a dot on every square that the piece held by the mouse,
  // or else the chosen one, can go to (bit x * 8 + y for file x, rank y).
  int32_t selectedPicture;
  uint64_t moveTargets;
};

// Check notice (Form2).
struct Form2Controls {
  bool visible;
  int32_t timesShown;  // one more at every check, so the screen brings it forward each time
  int32_t blinkCount;
  bool label1Visible;  // "ŞAH!!!"
};

// Captured pieces (Form3), one picture per piece numbered as in the window.
struct Form3Controls {
  bool visible;
  int32_t timesShown;  // one more at every capture shown in it
  PictureControl image[kLostPictureSlots];
};

// Help window (Form4).
constexpr int kHelpLabelCount = 10;             // Label1..Label9 (index 0 unused)
constexpr int kHelpPageCount = kHelpPages + 1;  // Image1..Image15 (index 0 unused)
struct HelpLabel {
  int32_t left;
  int32_t top;
  bool visible;
  std::string caption;
};
struct Form4Controls {
  bool visible;
  HelpLabel label[kHelpLabelCount];
  bool pageVisible[kHelpPageCount];
  bool button1Visible;  // "Sonraki"
  bool button2Visible;  // "Onceki"
};

// The four windows' records and the flags that belong to the windows alone.
// `Windows{}` is every control empty; `initialiseControls()`
// (ui/designed_controls) gives the designed start.
struct Windows {
  Form1Controls form1{};
  Form2Controls form2{};
  Form3Controls form3{};
  Form4Controls form4{};
  bool noticeTimerEnabled = false;  // the check notice's blink timer runs
  int32_t noticeClosesSeen = 0;     // the game's requests to close the notice, applied
  int32_t closeAnswered = 0;        // 1 once the close question has been answered
};
