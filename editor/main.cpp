// SPDX-License-Identifier: GPL-2.0-or-later
// Ortavi, the picture editor: one window on the application folder.
#include <QApplication>
#include <iostream>
#include <memory>

#include "artwork/artwork.h"
#include "editor/frm_ortavi.h"
#include "toolkit/app_folder_choice.h"
#include "toolkit/command_line.h"
#include "toolkit/dialogs.h"
#include "toolkit/italian_qt.h"
#include "toolkit/qt_dialogs.h"

namespace {
const toolkit::CommandLineProgram kCommand{
    "ortavi",
    "Uso: ortavi [--help] [--version]\n"
    "L'editor di immagini di Vobrel: aggiunge ed elimina le coppie di immagini, segna con il mouse\n"
    "i cinque rettangoli delle differenze, esporta e importa le coppie in file pacchetto (.ozt).\n"
    "Senza argomenti apre la finestra dell'editor.\n"
    "\n"
    "  -h, --help     mostra questo aiuto ed esce\n"
    "      --version  mostra la versione ed esce\n"
    "\n"
    "Lavora sugli stessi dati del gioco: installato per tutti gli utenti, in $XDG_DATA_HOME/vobrel\n"
    "(di norma ~/.local/share/vobrel): images.mdb, Images/, Import/, Export/.\n"};
}  // namespace

int main(int argc, char** argv) {
  if (const auto status =
          toolkit::answerCommandLine(toolkit::argumentsOf(argc, argv), kCommand, std::cout, std::cerr)) {
    return *status;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(toolkit::applicationTitle());
  QApplication::setDesktopFileName(QStringLiteral("vobrel.project.ortavi"));
  QApplication::setWindowIcon(artwork::icon(QString::fromLatin1(artwork::kEditorIcon)));
  // Without the translation Qt's buttons stay English; the editor still works.
  toolkit::installItalianQtTexts();

  toolkit::QtDialogs dialogs;
  // The metafile renderer stays beside the program; only the data may live elsewhere.
  const auto folders = toolkit::chooseAppFolders(QCoreApplication::applicationDirPath(), dialogs);
  if (!folders) return 1;
  std::unique_ptr<editor::FrmOrtavi> window;
  try {
    window = std::make_unique<editor::FrmOrtavi>(folders->data, dialogs);
  } catch (const toolkit::StartupError& e) {
    dialogs.messageBox(QString::fromUtf8(e.what()), toolkit::box::OkOnly | toolkit::box::Critical);
    return 1;
  }
  dialogs.setParent(window.get());
  window->show();
  return QApplication::exec();
}
