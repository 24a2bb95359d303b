// A trace of every window record, written by the soak after each event when
// SOAK_TRACE names a file: two runs of the same seed that draw the same
// windows give byte-identical traces, so a change of the code beneath the
// windows can be checked against the trace made before it.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "ui/windows.h"

inline void tracePicture(std::FILE* f, const PictureControl& p) {
  std::fprintf(f, " %d,%d,%d,%d,%d", p.left, p.top, p.bitmap, p.visible, p.enabled);
}

inline void traceWindows(std::FILE* f, const Windows& w, const std::vector<std::string>& messages) {
  const Form1Controls& a = w.form1;
  std::fprintf(f, "form1");
  for (const PictureControl& p : a.image) tracePicture(f, p);
  std::fprintf(f, "\n labels %d %d timer %d menu %d%d%d%d%d%d radio %d close %d\n", a.label19Visible, a.label20Visible,
               a.timer1Enabled, a.secenek1Checked, a.secenek2Checked, a.baslaChecked, a.seviye1Checked,
               a.seviye2Checked, a.seviye3Checked, a.radioSelected, a.closeRequested);
  std::fprintf(f, " turn %d %d %s last %d %d%d%d%d chosen %d %llx\n", a.turnMark.side, a.turnMark.gameOver,
               a.turnMark.text.c_str(), a.lastMove.shown, a.lastMove.fromX, a.lastMove.fromY, a.lastMove.toX,
               a.lastMove.toY, a.selectedPicture, static_cast<unsigned long long>(a.moveTargets));
  for (const ListLine& line : a.listBox1) std::fprintf(f, " |%s|%d\n", line.text.c_str(), line.selected);
  std::fprintf(f, "form2 %d %d %d %d\nform3 %d %d", w.form2.visible, w.form2.timesShown, w.form2.blinkCount,
               w.form2.label1Visible, w.form3.visible, w.form3.timesShown);
  for (const PictureControl& p : w.form3.image) tracePicture(f, p);
  std::fprintf(f, "\nform4 %d\n", w.form4.visible);
  if (!messages.empty()) std::fprintf(f, " messages %zu %s\n", messages.size(), messages.back().c_str());
}
