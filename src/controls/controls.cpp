#include "controls/controls.h"

void appendListLine(Windows& windows, const std::string& text) {
  windows.form1.listBox1.push_back(ListLine{text, false});
}

void selectListLine(Windows& windows, int32_t line, bool selected) {
  if (line >= 0 && line < listLineCount(windows)) windows.form1.listBox1[static_cast<size_t>(line)].selected = selected;
}

int32_t listLineCount(Windows& windows) { return static_cast<int32_t>(windows.form1.listBox1.size()); }
