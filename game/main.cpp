// SPDX-License-Identifier: GPL-2.0-or-later
// Vobrel: the spot-the-difference game.
#include <QTime>
#include <memory>

#include "artwork/artwork.h"
#include "game/form1.h"
#include "toolkit/window_program.h"

namespace {
const toolkit::WindowProgram kProgram{
    "vobrel",
    "Il gioco delle differenze: a sinistra l'immagine originale, a destra una copia ritoccata.\n"
    "Fai clic sulla copia dove le due differiscono prima che finisca il tempo.\n"
    "Senza argomenti apre la finestra del gioco.\n",
    "Installato per tutti gli utenti, gioca sui dati di ciascun utente, in $XDG_DATA_HOME/vobrel\n"
    "(di norma ~/.local/share/vobrel): images.mdb, Images/, Import/, Export/.\n"
    "Le coppie di immagini si preparano con ortavi e si controllano con vobrel-check.\n",
    QStringLiteral("Vobrel"),
    QStringLiteral("vobrel.project.vobrel"),
    artwork::kGameIcon};
}  // namespace

int main(int argc, char** argv) {
  return toolkit::runWindowProgram(
      argc, argv, kProgram,
      [](const toolkit::ChosenFolders& folders, toolkit::Dialogs& dialogs) -> std::unique_ptr<QWidget> {
        const auto seed = static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
        auto form = std::make_unique<game::Form1>(folders.data, folders.delivered, seed, dialogs);
        // Closed during start-up (while a message was open, or while it waited for the database).
        if (form->ending()) return nullptr;
        return form;
      });
}
