// Help window (Form4): topic column with a folding entry, fifteen pages and
// "Sonraki"/"Onceki" paging through the six pages of "2- OYUN" and the four
// of "6- EKLER".
#pragma once

void Form4Initialise();  // designed state: page 1, menu folded, no buttons
void Yardm1Show();       // shows the window
void Form4Label2MouseMove();
void Form4Label8Click();
void Form4Label1Click();
void Form4Label7Click();
void Form4Label3Click();
void Form4Label4Click();
void Form4Label5Click();
void Form4Label6Click();
void Form4Label9Click();   // "6- EKLER"
void Form4Button1Click();  // "Sonraki"
void Form4Button2Click();  // "Onceki"
