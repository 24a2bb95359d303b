// The modal dialogs of the game shown with real Qt message boxes and file
// dialogs.
#pragma once

#include <QString>
#include <string>

#include "ui/dialogs.h"

class QFileDialog;
class QWidget;

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  Answer ask(const std::string& text, const std::string& caption, bool withCancel) override;
  void message(const std::string& text) override;
  std::string chooseSaveFile() override;
  std::string chooseOpenFile() override;

  // The folder the file dialogs start in: the one last saved to or opened
  // from.
  const QString& folder() const { return folder_; }
  void setFolder(const QString& folder) { folder_ = folder; }

 private:
  std::string runFileDialog(QFileDialog& dialog, const QString& acceptText);

  QWidget* parent_;
  QString folder_;
};
