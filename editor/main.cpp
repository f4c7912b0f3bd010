// SPDX-License-Identifier: GPL-2.0-or-later
// Ortavi, the picture editor: one window on the application folder.
#include <memory>

#include "artwork/artwork.h"
#include "editor/frm_ortavi.h"
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
  return toolkit::runWindowProgram(argc, argv, kProgram,
                                   [](const toolkit::ChosenFolders& folders, toolkit::Dialogs& dialogs) {
                                     return std::make_unique<editor::FrmOrtavi>(folders.data, dialogs);
                                   });
}
