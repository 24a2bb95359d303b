// The main window (Form1): the board, the move list, level buttons, command
// buttons and the menus. Every event goes to one core handler, after which a
// single syncFromRecords() makes all the game's windows match the records.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/controls.h"

class BoardWidget;
class CheckNoticeWindow;
class HandlerTimer;
class HelpWindow;
class LostPiecesWindow;
class QAction;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;
class TurnMarkWidget;

class MainWindow : public QMainWindow {
 public:
  // Builds the window and runs its creation handler (FormCreate).
  MainWindow();

  // The windows created after this one, which the sync also keeps in step.
  void setCompanions(HelpWindow* form4, LostPiecesWindow* form3, CheckNoticeWindow* form2);

  // Called when the other windows are needed before they exist.
  void setCompanionMaker(std::function<void()> make) { needCompanions_ = std::move(make); }

  void syncFromRecords();

  BoardWidget* board() const { return board_; }

  // Draws every window at a zoom step (ui/zoom), the main window at that
  // step's exact size, and redraws at once; the game is left as it is.
  void setZoom(int step);
  // The menu bar's height at factor 1, which the window's size at a step
  // counts.
  int designedMenuBarHeight() const { return menuBarHeight_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape, wherever the focus is in this window, lets the chosen piece go.
  // (A shortcut would also take Escape from the check notice, a tool window
  // of this one, whose OK it presses.)
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildControls(QWidget* client);
  void buildMenus();
  void syncList();
  void applyZoom();
  void placeLevelButtons();
  void fitZoomToSize();
  QSize windowSizeNow() const;
  int largestStepOnScreen() const;

  QWidget* client_ = nullptr;
  QFont designedMenuFont_;
  int menuBarHeight_ = 0;
  int indicatorSize_ = 0;  // the level buttons' circle at factor 1
  QTimer* fitTimer_ = nullptr;
  int pendingStep_ = -1;  // chosen for a maximized window, applied once it is not

  BoardWidget* board_ = nullptr;
  QListWidget* listBox1_ = nullptr;
  TurnMarkWidget* turnMark_ = nullptr;
  std::array<QRadioButton*, 5> radio_{};  // RadioButton1..RadioButton4
  QAction* secenek1_ = nullptr;
  QAction* secenek2_ = nullptr;
  QAction* basla_ = nullptr;
  QAction* seviye1_ = nullptr;
  QAction* seviye2_ = nullptr;
  QAction* seviye3_ = nullptr;
  HandlerTimer* timer1_ = nullptr;       // the computer's turn, while a reply is due
  std::vector<std::string> shownLines_;  // texts now in ListBox1

  HelpWindow* form4_ = nullptr;
  LostPiecesWindow* form3_ = nullptr;
  CheckNoticeWindow* form2_ = nullptr;
  std::function<void()> needCompanions_;
};

// The game's four windows, created in the start-up order Form1, Form4, Form3,
// Form2 with the creation handlers of the core; only Form1 is shown. The
// three hidden windows are made right after the main window has been shown
// (or at once when something needs them), so they do not delay it.
class GameWindows {
 public:
  // `beforeShow` runs on the main window just before it is first shown.
  explicit GameWindows(const std::function<void(MainWindow&)>& beforeShow = {});
  ~GameWindows();

  MainWindow& form1() { return *form1_; }
  HelpWindow& form4() {
    makeCompanions();
    return *form4_;
  }
  LostPiecesWindow& form3() {
    makeCompanions();
    return *form3_;
  }
  CheckNoticeWindow& form2() {
    makeCompanions();
    return *form2_;
  }

 private:
  void makeCompanions();

  std::unique_ptr<MainWindow> form1_;
  std::unique_ptr<HelpWindow> form4_;
  std::unique_ptr<LostPiecesWindow> form3_;
  std::unique_ptr<CheckNoticeWindow> form2_;
};
