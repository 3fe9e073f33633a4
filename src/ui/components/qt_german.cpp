#include "qt_german.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace zak::ui {

QString QtTranslationFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool LoadQtGermanTexts(QCoreApplication& application, const QString& folder) {
  // Owned by the application, so the texts stay for as long as it runs.
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral("qtbase_de"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace zak::ui
