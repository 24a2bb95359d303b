#include "ui/qt/kept_settings.h"

#include <sys/stat.h>

#include <cerrno>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <QWidget>

#include "game/board.h"
#include "game/game.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/qt/event_path.h"
#include "ui/qt/window_place.h"
#include "ui/zoom.h"

namespace {

const QString kLevelKey = QStringLiteral("level");
const QString kPlayModeKey = QStringLiteral("playMode");
const QString kFolderKey = QStringLiteral("folder");
const QString kPlaceKey = QStringLiteral("windowPlace");
const QString kZoomKey = QStringLiteral("zoom");

// A kept number; 0 (no handler stands for it) when missing or not a number.
int32_t keptNumber(const QSettings& settings, const QString& key) {
  bool ok = false;
  const int value = settings.value(key).toInt(&ok);
  return ok ? value : 0;
}

// QSettings opens its file by name and would wait for ever on a FIFO put in
// its place: the settings are read and written only while the file is absent
// or a regular file. Otherwise the game starts with its defaults and keeps
// nothing.
bool settingsFileUsable() {
  const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
                       QCoreApplication::organizationName() + u'/' + QCoreApplication::applicationName() +
                       QStringLiteral(".conf");
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode);
}

}  // namespace

void restoreSettings(QWidget* mainWindow) {
  if (!settingsFileUsable()) return;
  const QSettings settings;
  if (settings.status() != QSettings::NoError) return;
  const int32_t keptLevel = keptNumber(settings, kLevelKey);
  const int32_t keptPlayMode = keptNumber(settings, kPlayModeKey);
  runHandler(mainWindow, [=] { restoreChoices(keptLevel, keptPlayMode); });
  // Exactly where it was left: the window is fitted onto the screen once it
  // is shown, by its real size and frame (before, it has neither).
  const QVariant place = settings.value(kPlaceKey);
  if (place.typeId() == QMetaType::QPoint) mainWindow->move(place.toPoint());
}

QString keptFolder() {
  if (!settingsFileUsable()) return {};
  const QSettings settings;
  if (settings.status() != QSettings::NoError) return {};
  const QString folder = settings.value(kFolderKey).toString();
  return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void keepSettings(const QWidget* mainWindow, const QString& folder) {
  if (!settingsFileUsable()) return;
  QSettings settings;
  settings.setValue(kLevelKey, game.level);
  settings.setValue(kPlayModeKey, game.playMode);
  // The inside's corner: a window not yet shown is placed by it (its frame is
  // not known then).
  settings.setValue(kPlaceKey, mainWindow->geometry().topLeft());
  if (!folder.isEmpty()) settings.setValue(kFolderKey, folder);
}

int keptZoomStep(const QWidget* mainWindow, int menuBarHeight) {
  if (settingsFileUsable()) {
    const QSettings settings;
    bool ok = false;
    const double factor = settings.value(kZoomKey).toDouble(&ok);
    const int step = ok && settings.status() == QSettings::NoError ? zoomStepOfFactor(factor) : -1;
    if (step >= 0) return step;
  }
  const QScreen* screen = mainWindow->screen();
  return screen ? firstStartZoomStep(screen->availableGeometry().height(), menuBarHeight) : 0;
}

void keepZoomStep(int step) {
  if (!settingsFileUsable()) return;
  QSettings settings;
  settings.setValue(kZoomKey, kZoomFactors[step]);
}
