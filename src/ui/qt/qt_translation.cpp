#include "ui/qt/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtGlobal>

void useTurkishDates() { qputenv("LC_TIME", "tr_TR.UTF-8"); }

bool installQtTurkish(QCoreApplication& app) {
  static QTranslator translator;
  if (!translator.load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
  // Dates and sizes in the file dialog follow the same language.
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  return app.installTranslator(&translator);
}
