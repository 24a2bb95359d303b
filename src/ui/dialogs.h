// Modal interaction behind one small interface: the Qt layer shows real
// message boxes and file dialogs, tests give scripted answers. Only the
// windows' layer asks and tells; the commands below it return what happened.
#pragma once

#include <string>

enum class Answer { Yes, No, Cancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A question with Yes/No (withCancel false) or Yes/No/Cancel buttons.
  virtual Answer ask(const std::string& text, const std::string& caption, bool withCancel) = 0;
  // A message with one OK button.
  virtual void message(const std::string& text) = 0;
  // File names; empty when the player cancelled.
  virtual std::string chooseSaveFile() = 0;
  virtual std::string chooseOpenFile() = 0;
};

// The dialogs in use; a silent default (answers No, cancels) until set.
Dialogs& dialogs();
void setDialogs(Dialogs* d);
