// Take back of full moves from the history.
#pragma once

#include <cstdint>

void Button2Click();                // "Geri Hamle": the last full move
void Gerihamle1Click();             // menu "Geri hamle"
void ListBox1Click(int32_t line);   // take back from the clicked line on
inline int32_t listClickIndex = 0;  // the list line a click takes back from
inline void resetTakeBack() { listClickIndex = 0; }
