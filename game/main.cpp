// SPDX-License-Identifier: GPL-2.0-or-later
// Vobrel: the spot-the-difference game.
#include <QTime>
#include <memory>

#include "artwork/artwork.h"
#include "game/form1.h"
#include "toolkit/app_folder_choice.h"
#include "toolkit/qt_dialogs.h"
#include "toolkit/startup_error.h"
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
  int status = 0;
  const auto app = toolkit::startWindowProgram(argc, argv, kProgram, status);
  if (!app) return status;

  const auto seed = static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
  toolkit::QtDialogs dialogs;
  const auto folders = toolkit::chooseAppFolders(QCoreApplication::applicationDirPath(), dialogs);
  if (!folders) return 1;
  std::unique_ptr<game::Form1> form;
  try {
    form = std::make_unique<game::Form1>(folders->data, folders->delivered, seed, dialogs);
  } catch (const toolkit::StartupError& e) {
    dialogs.messageBox(QString::fromUtf8(e.what()), toolkit::box::Critical);
    return 1;
  }
  // Closed during start-up (while a message was open, or while it waited for the database).
  if (form->ending()) return 0;
  dialogs.setParent(form.get());
  form->show();
  return QApplication::exec();
}
