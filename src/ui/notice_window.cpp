#include "ui/notice_window.h"

#include "controls/controls.h"
#include "ui/program.h"

// The blink timer runs from the notice's creation to the end of the program,
// whether or not the notice is on screen.
void Form2FormCreate() { windows.noticeTimerEnabled = true; }

// "ŞAH!!!" is visible on odd counts and hidden on even ones.
void Form2Timer1Timer() {
  windows.form2.blinkCount += 1;
  windows.form2.label1Visible = windows.form2.blinkCount % 2 == 1;
}

void Form2BitBtn1Click() { windows.form2.visible = false; }
