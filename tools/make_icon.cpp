// Writes the game's icon as PNG files for the desktop's icon theme.
//
//   make_icon <output dir>
//
// writes <output dir>/<size>x<size>/dedivud.png for the usual sizes.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

#include "ui/qt/piece_art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon <output dir>\n");
    return 2;
  }
  // Drawing needs no screen.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  const QIcon icon = applicationIcon(256);
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString dir = QString("%1/%2x%2").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    QDir().mkpath(dir);
    if (!icon.pixmap(size, size).save(dir + "/dedivud.png")) {
      std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(dir));
      return 1;
    }
  }
  return 0;
}
