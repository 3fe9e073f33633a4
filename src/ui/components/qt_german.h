// Qt's own texts in German: the buttons, labels and menus that Qt draws for the program (print,
// page set-up, open and save dialogs, a text box's context menu, message-box buttons). The
// program is German whatever the user's locale, so it loads the translation itself.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace zak::ui {

// The folder where the system keeps Qt's translations.
QString QtTranslationFolder();

// Installs Qt's German translation from `folder` for the whole application. False when the file
// is missing or unreadable: Qt's texts then stay English and the program runs on.
bool LoadQtGermanTexts(QCoreApplication& application,
                       const QString& folder = QtTranslationFolder());

}  // namespace zak::ui
