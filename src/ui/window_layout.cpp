#include "ui/window_layout.h"

#include "ui/help_pages.h"

std::vector<DesignedRect> designedControls(LaidOutWindow window) {
  std::vector<DesignedRect> controls;
  switch (window) {
    case LaidOutWindow::MainClient:
      controls = {{0, 0, kMainClientWidth, kMainClientHeight},
                  kBoardFrame,
                  kMoveList,
                  kHintButton,
                  kTakeBackButton,
                  kNewGameButton,
                  kTurnMark,
                  kTurnCaption.room(),
                  kLevelCaption.room(),
                  kHintCaption.room()};
      for (int n = 1; n <= 4; ++n) controls.push_back(levelButton(n));
      for (int i = 0; i < 8; ++i) {
        controls.push_back(fileLabel(i).room());
        controls.push_back(rankLabel(i).room());
      }
      break;
    case LaidOutWindow::Board:
      controls = {{0, 0, kBoardFrame.width, kBoardFrame.height}, kThinkingLabel.room(), kMateLabel.room()};
      for (int file = 0; file < 8; ++file)
        for (int rank = 0; rank < 8; ++rank) controls.push_back(boardSquare(file, rank));
      break;
    case LaidOutWindow::CheckNotice:
      controls = {{0, 0, kNoticeWidth, kNoticeHeight}, kNoticeLabel.room(), kNoticeButton};
      break;
    case LaidOutWindow::LostPieces:
      controls = {{0, 0, kLostWidth, kLostHeight}, kWhiteHeading.room(), kBlackHeading.room()};
      for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 8; ++row) controls.push_back(lostPictureCell(column, row));
      break;
    case LaidOutWindow::Help:
      controls = {{0, 0, kHelpWidth, kHelpHeight}, kHelpLine, kHelpPreviousButton, kHelpNextButton};
      for (const HelpPagePlace& p : kHelpPagePlaces)
        controls.push_back({kHelpPageLeft, p.top, kHelpPageControlWidth, p.controlHeight});
      break;
  }
  return controls;
}
