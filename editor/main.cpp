// Ortavi, the picture editor: one window on the application folder.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "editor/frm_ortavi.h"
#include "toolkit/dialogs.h"
#include "toolkit/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(toolkit::applicationTitle());
  // Qt's own buttons in Italian ("Sì", "No").
  QTranslator qtItalian;
  if (qtItalian.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtItalian);
  }

  toolkit::QtDialogs dialogs;
  std::unique_ptr<editor::FrmOrtavi> window;
  try {
    window = std::make_unique<editor::FrmOrtavi>(QCoreApplication::applicationDirPath(), dialogs);
  } catch (const editor::StartupError& e) {
    dialogs.messageBox(QString::fromUtf8(e.what()), toolkit::box::OkOnly | toolkit::box::Critical);
    return 1;
  }
  dialogs.setParent(window.get());
  window->show();
  return QApplication::exec();
}
