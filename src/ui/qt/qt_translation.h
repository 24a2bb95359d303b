// Qt's own texts (standard buttons, the file dialog's columns and menus) in
// Turkish, whatever the system's language.
#pragma once

class QCoreApplication;

// Dates in Qt's dialogs in Turkish: only the time category of the locale is
// set, so that nothing else of the C library changes. Called before the
// application object exists.
void useTurkishDates();

// Loads Qt's Turkish translation from Qt's translations folder and installs
// it; false when it is not installed (Qt's texts then stay English).
bool installQtTurkish(QCoreApplication& app);
