// The modal dialogs of the game shown with real Qt message boxes and file
// dialogs.
#pragma once

#include <string>

#include "controls/dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  Answer ask(const std::string& text, const std::string& caption, bool withCancel) override;
  void message(const std::string& text) override;
  std::string chooseSaveFile() override;
  std::string chooseOpenFile() override;

 private:
  QWidget* parent_;
};
