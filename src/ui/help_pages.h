// The eleven pages of the help window: the size of each page picture and its
// place in the window. The page tool draws the pictures to fit these places,
// and the help window shows them there.
#pragma once

constexpr int kHelpPictureWidth = 240;  // designed width of every page picture
// Pictures are stored at twice their designed size, so that they stay sharp
// on screens of up to twice the usual pixel density.
constexpr int kHelpPictureScale = 2;
constexpr int kHelpPageLeft = 80;           // the page controls' Left
constexpr int kHelpPageControlWidth = 241;  // and Width

// One page: the picture's designed height; the window row of the picture's
// top edge (the control's Top), and the control's height, which cuts the
// picture off; which of the six pages of "2- OYUN" it is (0 for none).
struct HelpPagePlace {
  int pictureHeight;
  int top;
  int controlHeight;
  int gamePage;
};
constexpr int kHelpPages = 11;
constexpr int kHelpGamePages = 6;
constexpr HelpPagePlace kHelpPagePlaces[kHelpPages] = {
    {380, 0, 369, 0},  {426, -14, 409, 0}, {426, -5, 409, 1}, {426, -14, 425, 2}, {426, -5, 417, 3}, {426, 3, 417, 4},
    {426, -5, 417, 5}, {426, 0, 417, 6},   {426, 0, 409, 0},  {426, 0, 417, 0},   {426, 0, 417, 0},
};

// The window row where a page's control cuts its picture off.
constexpr int helpPageBottom(const HelpPagePlace& p) { return p.top + p.controlHeight; }
