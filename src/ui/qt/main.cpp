// DEDIVUD: the game's state is set up before any window exists, then the
// windows are created in their start-up order and the event loop runs until
// the main window closes.
#include <QApplication>
#include <exception>
#include <memory>

#include "ui/qt/main_window_widget.h"
#include "ui/qt/piece_art.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_translation.h"
#include "ui/start_up.h"

int main(int argc, char** argv) {
  startUp();

  useTurkishDates();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("DEDIVUD"));
  QApplication::setWindowIcon(applicationIcon());
  installQtTurkish(app);

  // An error while the windows are created is shown, and the program ends.
  std::unique_ptr<GameWindows> windows;
  try {
    windows = std::make_unique<GameWindows>();
  } catch (const std::exception& e) {
    showHandlerError(nullptr, e.what());
    return 1;
  }
  QtDialogs qtDialogs(&windows->form1());
  setDialogs(&qtDialogs);

  return QApplication::exec();
}
