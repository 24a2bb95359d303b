#include "ui/notice_window.h"

#include "controls/controls.h"
#include "ui/program.h"

// The blink timer is enabled from the notice's creation on; the window runs
// it while the notice is on the screen, the only time a blink shows.
void Form2FormCreate() { windows.noticeTimerEnabled = true; }

// "ŞAH!!!" is visible on odd counts and hidden on even ones.
void Form2Timer1Timer() {
  windows.form2.blinkCount += 1;
  windows.form2.label1Visible = windows.form2.blinkCount % 2 == 1;
}

void Form2BitBtn1Click() { windows.form2.visible = false; }
