// SPDX-License-Identifier: GPL-2.0-or-later
#include "toolkit/italian_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace toolkit {

bool installItalianQtTexts() {
  // Descriptions that Qt takes from the locale's language (the file types of the file
  // dialog) follow as well. Neither program reads or writes numbers through the locale.
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  // Owned by the application, so it goes with it.
  static QPointer<QTranslator> installed;
  if (installed) return true;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  installed = translator;
  return true;
}

}  // namespace toolkit
