// The modal dialogs of the game shown with real Qt message boxes and file
// dialogs, and the error box for exceptions that escape an event handler.
#pragma once

#include <exception>
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

// Shows an error raised inside an event handler; the program goes on.
void showHandlerError(QWidget* parent, const char* what);

// Runs one event handler of the core. An exception does not cross the Qt
// event loop: it is shown in an error box instead.
template <typename Handler>
void runHandler(QWidget* parent, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    showHandlerError(parent, e.what());
  } catch (...) {
    showHandlerError(parent, "Bilinmeyen hata");
  }
}
