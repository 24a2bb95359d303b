// The help window "YARDIM": a column of topic labels and fifteen page pictures.
// What is shown lives in the core's form4 record; this widget passes clicks
// and mouse moves to the Form4 handlers and then redraws from the record.
#pragma once

#include <QLabel>
#include <QWidget>

#include "ui/windows.h"

class QPushButton;

// A topic label of the help window: reports clicks and mouse moves.
class HelpTopicLabel : public QLabel {
  Q_OBJECT
 public:
  explicit HelpTopicLabel(QWidget* parent);

 signals:
  void clicked();
  void mouseMoved();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
};

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* mainWindow = nullptr);

  // Makes every child, and the window's own visibility, match form4.
  void syncFromRecords();

  // Draws the window at the present zoom step; the pages in view are drawn
  // again at their new size.
  void applyZoom();

  // The window it opens beside.
  void setMainWindow(const QWidget* mainWindow) { mainWindow_ = mainWindow; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void createPages();
  void createTopics();
  void createButtons();
  void syncChildren();
  void syncPages(bool windowShown);

  HelpTopicLabel* labels_[kHelpLabelCount] = {};  // by label number; 0 unused
  QLabel* pages_[kHelpPageCount] = {};            // by page number; 0 unused
  bool pageLoaded_[kHelpPageCount] = {};          // its picture (or why not) is held
  const QWidget* mainWindow_ = nullptr;
  QPushButton* nextButton_ = nullptr;      // "Sonraki"
  QPushButton* previousButton_ = nullptr;  // "Onceki"
};
