// The designed layout of the four windows at factor 1: every fixed control's
// rectangle and every caption's place and font height, in the pixels of the
// window (or of the board frame) that holds it. The Qt layer places the
// controls from here, multiplied by the zoom factor (ui/zoom).
#pragma once

#include <vector>

#include "game/types.h"

// A designed rectangle, in the windows' own pixels at factor 1.
struct DesignedRect {
  int left;
  int top;
  int width;
  int height;
  bool operator==(const DesignedRect&) const = default;
};

// Main window (Form1): the client area under the menu bar.
inline constexpr int kMainClientWidth = 513;
inline constexpr int kMainClientHeight = 383;
inline constexpr DesignedRect kBoardFrame{40, 31, 321, 321};  // GroupBox1
inline constexpr DesignedRect kMoveList{376, 48, 129, 305};   // ListBox1
inline constexpr int kMoveListLineHeight = 13;
inline constexpr int kMoveListFontPixels = 11;
inline constexpr DesignedRect kHintButton{312, 8, 27, 17};                     // Button1
inline constexpr DesignedRect kTakeBackButton{376, 360, 65, 17};               // Button2 "Geri Hamle"
inline constexpr DesignedRect kNewGameButton{448, 360, 57, 17};                // Button3 "Başlat"
inline constexpr DesignedRect kTurnMark{363, 24, kMainClientWidth - 363, 24};  // from the board over "oyun sırası"
inline constexpr int kMainFontPixels = 11;
// Level buttons RadioButton1..RadioButton4: the first one's rectangle and the
// distance from one to the next.
inline constexpr DesignedRect kFirstLevelButton{416, 8, 25, 17};
inline constexpr int kLevelButtonPitch = 32;
constexpr DesignedRect levelButton(int n) {
  return {kFirstLevelButton.left + kLevelButtonPitch * (n - 1), kFirstLevelButton.top, kFirstLevelButton.width,
          kFirstLevelButton.height};
}

// A caption sized to its text at (left, top), its font made smaller when the
// text would be wider than maxWidth.
struct DesignedLabel {
  int left;
  int top;
  int maxWidth;
  int pixelSize;
  // The room it may take: maxWidth wide, one font height high.
  constexpr DesignedRect room() const { return {left, top, maxWidth, pixelSize}; }
};
// File letters under the board and rank numbers beside it (i 0..7).
constexpr DesignedLabel fileLabel(int i) { return {56 + 40 * i, 352, 40, 16}; }
constexpr DesignedLabel rankLabel(int i) { return {24, 320 - 40 * i, 16, 16}; }
inline constexpr DesignedLabel kTurnCaption{400, 24, kMainClientWidth - 400, 16};  // "oyun sırası "
inline constexpr DesignedLabel kLevelCaption{352, 8, 416 - 352, 13};               // "DÜZEY"
inline constexpr DesignedLabel kHintCaption{248, 8, 312 - 248, 13};                // "Yardım :"

// The board frame: squares and pictures kSquarePixels wide (game/types.h),
// a8 at the frame's origin; a piece bitmap is 38 pixels, centred in its
// picture.
inline constexpr int kPieceBitmapPixels = 38;
constexpr DesignedRect boardSquare(int file, int rank) {
  return {squareLeft(file), squareTop(rank), kSquarePixels, kSquarePixels};
}
inline constexpr DesignedLabel kThinkingLabel{72, 144, kBoardFrame.width - 72, 33};  // "Düşünüyorum..."
inline constexpr DesignedLabel kMateLabel{80, 128, kBoardFrame.width - 80, 64};      // "MAT!!!"
// The last move's and the chosen piece's frames, and the dots.
inline constexpr int kSquareFramePen = 2;
inline constexpr int kTargetDotRadius = 5;

// Check notice (Form2), without a window frame.
inline constexpr int kNoticeWidth = 201;
inline constexpr int kNoticeHeight = 89;
inline constexpr int kNoticeFrame = 4;                                                      // the white border
inline constexpr DesignedLabel kNoticeLabel{56, 16, kNoticeWidth - 56 - kNoticeFrame, 32};  // "ŞAH!!!"
inline constexpr DesignedRect kNoticeButton{72, 56, 49, 22};                                // BitBtn1 "OK"
inline constexpr int kNoticeButtonIcon = 14;

// Captured pieces (Form3): the outer size, frame included, the headings and
// the line between the white and the black columns. The pictures' places are
// in its record (designed in ui/designed_controls).
inline constexpr int kLostWidth = 170;
inline constexpr int kLostHeight = 300;
inline constexpr int kLostPicturePixels = 30;
// The pictures stand in four columns of eight: white pawns, white pieces,
// black pawns, black pieces.
constexpr DesignedRect lostPictureCell(int column, int row) {
  constexpr int columnLeft[4] = {10, 50, 90, 130};
  return {columnLeft[column], 32 * (row + 1), kLostPicturePixels, kLostPicturePixels};
}
inline constexpr int kLostDividerX = 85;
inline constexpr DesignedLabel kWhiteHeading{16, 8, kLostDividerX - 16, 13};  // "BEYAZ"
inline constexpr DesignedLabel kBlackHeading{96, 8, kLostWidth - 96, 13};     // "SİYAH"

// Help window (Form4): the outer size, frame included, the line between the
// topics and the pages, the paging buttons and the fold label ("+"/"-").
// The pages' places are in ui/help_pages.h, the topics' in its record.
inline constexpr int kHelpWidth = 330;
inline constexpr int kHelpHeight = 447;
inline constexpr int kHelpFontPixels = 11;
inline constexpr int kHelpFoldFontPixels = 12;
inline constexpr DesignedRect kHelpLine{79, 0, 1, 420};
inline constexpr DesignedRect kHelpPreviousButton{8, 368, 57, 17};  // "Onceki"
inline constexpr DesignedRect kHelpNextButton{8, 392, 57, 17};      // "Sonraki"
inline constexpr int kHelpFoldWidth = 9;
inline constexpr int kHelpFoldHeight = 20;

// The windows (and the board frame, whose controls lie in its own pixels)
// whose controls are listed below.
enum class LaidOutWindow { MainClient, Board, CheckNotice, LostPieces, Help };
inline constexpr LaidOutWindow kLaidOutWindows[] = {LaidOutWindow::MainClient, LaidOutWindow::Board,
                                                    LaidOutWindow::CheckNotice, LaidOutWindow::LostPieces,
                                                    LaidOutWindow::Help};

// The room of every control of one window at factor 1, the window's own
// rectangle first.
std::vector<DesignedRect> designedControls(LaidOutWindow window);
