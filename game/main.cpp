// Vobrel: the spot-the-difference game.
#include <QApplication>
#include <QLibraryInfo>
#include <QTime>
#include <QTranslator>

#include "game/form1.h"
#include "toolkit/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vobrel"));

  // Qt's own buttons speak Italian, like the rest of the game.
  QTranslator qtItalian;
  if (qtItalian.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtItalian);

  const auto seed = static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
  toolkit::QtDialogs dialogs;
  game::Form1 form(QCoreApplication::applicationDirPath(), seed, dialogs);
  if (!form.startedOk()) return 1;
  dialogs.setParent(&form);
  form.show();
  return app.exec();
}
