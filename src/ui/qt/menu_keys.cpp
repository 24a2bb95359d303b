#include "ui/qt/menu_keys.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace {

struct MenuKey {
  const char* item;
  QKeySequence key;
  QKeySequence alternative = {};
};

}  // namespace

void addMenuShortcuts(QWidget* window) {
  // Standard keys where Qt has one; the hint has none, so Ctrl+H.
  const MenuKey keys[] = {
      {"Balat1", QKeySequence(QKeySequence::New)},
      {"A1", QKeySequence(QKeySequence::Open)},
      {"Kaydet1", QKeySequence(QKeySequence::Save)},
      {"k1", QKeySequence(QKeySequence::Quit)},
      {"Gerihamle1", QKeySequence(QKeySequence::Undo)},
      {"Yardm1", QKeySequence(QKeySequence::HelpContents)},
      {"Yardmal1", QKeySequence(Qt::CTRL | Qt::Key_H)},
      // Ctrl+= as well, which needs no Shift where "+" does.
      {"Buyut1", QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
      {"Kucult1", QKeySequence(QKeySequence::ZoomOut)},
      {"NormalBoyut1", QKeySequence(Qt::CTRL | Qt::Key_0)},
  };
  for (const MenuKey& k : keys) {
    if (auto* action = window->findChild<QAction*>(QString::fromLatin1(k.item))) {
      if (k.alternative.isEmpty()) {
        action->setShortcut(k.key);
      } else {
        action->setShortcuts({k.key, k.alternative});
      }
      action->setShortcutContext(Qt::WindowShortcut);
    }
  }
}
