#include "ui/qt/kept_settings.h"

#include <QDir>
#include <QPoint>
#include <QSettings>
#include <QVariant>
#include <QWidget>

#include "game/board.h"
#include "game/game.h"
#include "ui/handlers.h"
#include "ui/program.h"
#include "ui/qt/event_path.h"
#include "ui/qt/window_place.h"

namespace {

const QString kLevelKey = QStringLiteral("level");
const QString kPlayModeKey = QStringLiteral("playMode");
const QString kFolderKey = QStringLiteral("folder");
const QString kPlaceKey = QStringLiteral("windowPlace");

// A kept number; 0 (no handler stands for it) when missing or not a number.
int32_t keptNumber(const QSettings& settings, const QString& key) {
  bool ok = false;
  const int value = settings.value(key).toInt(&ok);
  return ok ? value : 0;
}

}  // namespace

void restoreSettings(QWidget* mainWindow) {
  const QSettings settings;
  if (settings.status() != QSettings::NoError) return;
  const int32_t keptLevel = keptNumber(settings, kLevelKey);
  const int32_t keptPlayMode = keptNumber(settings, kPlayModeKey);
  runHandler(mainWindow, [=] { restoreChoices(keptLevel, keptPlayMode); });
  const QVariant place = settings.value(kPlaceKey);
  if (place.typeId() == QMetaType::QPoint) {
    mainWindow->move(place.toPoint());
    keepOnScreen(mainWindow);
  }
}

QString keptFolder() {
  const QSettings settings;
  if (settings.status() != QSettings::NoError) return {};
  const QString folder = settings.value(kFolderKey).toString();
  return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void keepSettings(const QWidget* mainWindow, const QString& folder) {
  QSettings settings;
  settings.setValue(kLevelKey, game.level);
  settings.setValue(kPlayModeKey, game.playMode);
  // The inside's corner: a window not yet shown is placed by it (its frame is
  // not known then).
  settings.setValue(kPlaceKey, mainWindow->geometry().topLeft());
  if (!folder.isEmpty()) settings.setValue(kFolderKey, folder);
}
