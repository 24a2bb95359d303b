#include "ui/dialogs.h"

namespace {

// Used until the windows install real dialogs: answers No and cancels.
class SilentDialogs : public Dialogs {
 public:
  Answer ask(const std::string&, const std::string&, bool) override { return Answer::No; }
  void message(const std::string&) override {}
  std::string chooseSaveFile() override { return {}; }
  std::string chooseOpenFile() override { return {}; }
};

SilentDialogs silentDialogs;
Dialogs* current = &silentDialogs;

}  // namespace

Dialogs& dialogs() { return *current; }

void setDialogs(Dialogs* d) { current = d != nullptr ? d : &silentDialogs; }
