#include "controls/controls.h"

void appendListLine(const std::string& text) { windows.form1.listBox1.push_back(ListLine{text, false}); }

void selectListLine(int32_t line, bool selected) {
  if (line >= 0 && line < listLineCount()) windows.form1.listBox1[static_cast<size_t>(line)].selected = selected;
}

int32_t listLineCount() { return static_cast<int32_t>(windows.form1.listBox1.size()); }
