// SPDX-License-Identifier: GPL-2.0-or-later
// Vobrel: the spot-the-difference game.
#include <QApplication>
#include <QTime>

#include "game/form1.h"
#include "toolkit/app_folder_choice.h"
#include "toolkit/italian_qt.h"
#include "toolkit/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vobrel"));
  // Without the translation Qt's buttons stay English; the game still plays.
  toolkit::installItalianQtTexts();

  const auto seed = static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
  toolkit::QtDialogs dialogs;
  const auto folders = toolkit::chooseAppFolders(QCoreApplication::applicationDirPath(), dialogs);
  if (!folders) return 1;
  game::Form1 form(folders->data, folders->program, seed, dialogs);
  if (!form.startedOk()) return form.ending() ? 0 : 1;
  // Closed during start-up (while a message was open, or while it waited for the database).
  if (form.ending()) return 0;
  dialogs.setParent(&form);
  form.show();
  return app.exec();
}
