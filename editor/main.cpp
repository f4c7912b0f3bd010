// SPDX-License-Identifier: GPL-2.0-or-later
// Ortavi, the picture editor: one window on the application folder.
#include <memory>

#include "artwork/artwork.h"
#include "editor/frm_ortavi.h"
#include "toolkit/app_folder_choice.h"
#include "toolkit/dialogs.h"
#include "toolkit/qt_dialogs.h"
#include "toolkit/window_program.h"

namespace {
const toolkit::WindowProgram kProgram{
    "ortavi",
    "L'editor di immagini di Vobrel: aggiunge ed elimina le coppie di immagini, segna con il mouse\n"
    "i cinque rettangoli delle differenze, esporta e importa le coppie in file pacchetto (.ozt).\n"
    "Senza argomenti apre la finestra dell'editor.\n",
    "Lavora sugli stessi dati del gioco: installato per tutti gli utenti, in $XDG_DATA_HOME/vobrel\n"
    "(di norma ~/.local/share/vobrel): images.mdb, Images/, Import/, Export/.\n",
    toolkit::applicationTitle(),
    QStringLiteral("vobrel.project.ortavi"),
    artwork::kEditorIcon};
}  // namespace

int main(int argc, char** argv) {
  int status = 0;
  const auto app = toolkit::startWindowProgram(argc, argv, kProgram, status);
  if (!app) return status;

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
