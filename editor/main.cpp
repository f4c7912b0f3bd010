// SPDX-License-Identifier: GPL-2.0-or-later
// Ortavi, the picture editor: one window on the application folder.
#include <QApplication>
#include <memory>

#include "editor/frm_ortavi.h"
#include "toolkit/app_folder_choice.h"
#include "toolkit/dialogs.h"
#include "toolkit/italian_qt.h"
#include "toolkit/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(toolkit::applicationTitle());
  // Without the translation Qt's buttons stay English; the editor still works.
  toolkit::installItalianQtTexts();

  toolkit::QtDialogs dialogs;
  // The metafile renderer stays beside the program; only the data may live elsewhere.
  const auto folders = toolkit::chooseAppFolders(QCoreApplication::applicationDirPath(), dialogs);
  if (!folders) return 1;
  std::unique_ptr<editor::FrmOrtavi> window;
  try {
    window = std::make_unique<editor::FrmOrtavi>(folders->data, dialogs);
  } catch (const editor::StartupError& e) {
    dialogs.messageBox(QString::fromUtf8(e.what()), toolkit::box::OkOnly | toolkit::box::Critical);
    return 1;
  }
  dialogs.setParent(window.get());
  window->show();
  return QApplication::exec();
}
