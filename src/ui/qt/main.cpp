// DEDIVUD: the game's state is set up before any window exists, then the
// windows are created in their start-up order, the settings kept from the
// last run are put back and the event loop runs until the main window
// closes.
#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/command_line.h"
#include "ui/file_commands.h"
#include "ui/program.h"
#include "ui/qt/event_path.h"
#include "ui/qt/kept_settings.h"
#include "ui/qt/main_window_widget.h"
#include "ui/qt/piece_art.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_translation.h"
#include "ui/qt/zoom_view.h"
#include "ui/start_up.h"

namespace {

// The toolkit's messages while the application connects to the display. When
// it cannot connect, the toolkit ends with a fatal message and an abort: one
// line of the game's own is printed instead, and the program ends normally.
std::vector<std::string> connectionMessages;

void holdConnectionMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(kNoDisplayMessage, stderr);
    std::fflush(stderr);
    std::_Exit(kNoDisplayExitStatus);
  }
  connectionMessages.push_back(qFormatLogMessage(type, context, text).toStdString());
}

// Once connected, the held messages are printed as the toolkit would have.
void releaseConnectionMessages() {
  qInstallMessageHandler(nullptr);
  for (const std::string& m : connectionMessages) std::fprintf(stderr, "%s\n", m.c_str());
  connectionMessages.clear();
}

}  // namespace

int main(int argc, char** argv) {
  // A write past the file-size limit fails with EFBIG, which the save tells
  // the player, instead of ending the program with the game unsaved.
  std::signal(SIGXFSZ, SIG_IGN);
  const LaunchRequest request = readArguments(argc, argv);
  if (request.action == kLaunchUsage) {
    std::fputs(request.text.c_str(), stderr);
    return kUsageExitStatus;
  }
  if (request.action == kLaunchPrint) {
    std::fputs(request.text.c_str(), stdout);
    return 0;
  }
  startUp();

  useTurkishDates();
  qInstallMessageHandler(holdConnectionMessage);
  QApplication app(argc, argv);
  releaseConnectionMessages();
  QApplication::setOrganizationName(QStringLiteral("DEDIVUD"));
  QApplication::setApplicationName(QStringLiteral("DEDIVUD"));
  QApplication::setWindowIcon(applicationIcon());
  installQtTurkish(app);

  // An error while the windows are created is shown, and the program ends.
  std::unique_ptr<GameWindows> gameWindows;
  try {
    gameWindows = std::make_unique<GameWindows>([](MainWindow& form1) {
      form1.setZoom(keptZoomStep(&form1, form1.designedMenuBarHeight()));
      restoreSettings(&form1);
    });
  } catch (const std::exception& e) {
    showHandlerError(nullptr, e.what());
    return 1;
  }
  QtDialogs qtDialogs(&gameWindows->form1());
  qtDialogs.setFolder(keptFolder());
  setDialogs(&qtDialogs);
  // The player's choices and the window's place are kept for the next run.
  QObject::connect(&app, &QApplication::aboutToQuit, &app, [&gameWindows, &qtDialogs] {
    keepSettings(&gameWindows->form1(), qtDialogs.folder());
    keepZoomStep(zoomStep());
  });
  // A saved game named on the command line opens once the window is up, as
  // "Dosya › Aç" opens it after its dialog.
  if (request.action == kLaunchOpenFile) {
    MainWindow& form1 = gameWindows->form1();
    QTimer::singleShot(0, &form1,
                       [&form1, &request] { runHandler(&form1, [&request] { openGameNamed(request.file); }); });
  }

  return QApplication::exec();
}
