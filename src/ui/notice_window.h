// Check notice (Form2): blinking "ŞAH!!!" with an OK button.
#pragma once

void Form2FormCreate();    // enables the blink timer
void Form2Timer1Timer();   // one blink step (100 ms)
void Form2BitBtn1Click();  // OK: hides the notice
