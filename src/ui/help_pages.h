// The fifteen pages of the help window: the size of each page picture and its
// place in the window, and the topics whose pages are turned with "Sonraki"
// and "Onceki". The page tool draws the pictures to fit these places, and the
// help window shows them there.
#pragma once

constexpr int kHelpPictureWidth = 240;  // designed width of every page picture
// Pictures are stored at six times their designed size, so that they stay
// sharp at the largest zoom step (3) on screens of twice the usual pixel
// density; they are decoded at the size they are shown.
constexpr int kHelpPictureScale = 6;
constexpr int kHelpPageLeft = 80;           // the page controls' Left
constexpr int kHelpPageControlWidth = 241;  // and Width

// One page: the picture's designed height; the window row of the picture's
// top edge (the control's Top), and the control's height, which cuts the
// picture off.
struct HelpPagePlace {
  int pictureHeight;
  int top;
  int controlHeight;
};
constexpr int kHelpPages = 15;
constexpr HelpPagePlace kHelpPagePlaces[kHelpPages] = {
    {380, 0, 369}, {426, -14, 409}, {426, -5, 409}, {426, -14, 425}, {426, -5, 417},
    {426, 3, 417}, {426, -5, 417},  {426, 0, 417},  {426, 0, 409},   {426, 0, 417},
    {426, 0, 417}, {426, 0, 417},   {426, 0, 417},  {426, 0, 417},   {426, 0, 417},
};

// A topic of several pages, turned with "Sonraki" and "Onceki": its name, as
// its topic label and the pages' footer read, its first page (1-based) and
// its number of pages. Pages 12 to 15 come after the first eleven, so that
// those keep their numbers and places.
struct HelpPagedTopic {
  const char* name;
  int firstPage;
  int pageCount;
};
constexpr HelpPagedTopic kHelpPagedTopics[] = {{"2- OYUN", 3, 6}, {"6- EKLER", 12, 4}};

constexpr int helpTopicLastPage(const HelpPagedTopic& t) { return t.firstPage + t.pageCount - 1; }

// The window row where a page's control cuts its picture off.
constexpr int helpPageBottom(const HelpPagePlace& p) { return p.top + p.controlHeight; }
