// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/shell_open.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include "editor/file_names.h"

namespace editor {

namespace {

// The first word of an Exec line: a quoted program path or a plain word.
QString programOfExecLine(const QString& exec) {
  const QString line = exec.trimmed();
  if (line.startsWith('"')) {
    const int end = line.indexOf('"', 1);
    return end < 0 ? line.mid(1) : line.mid(1, end - 1);
  }
  return line.section(' ', 0, 0);
}

QString findDesktopFile(const QString& desktopId, const QStringList& dataFolders) {
  QStringList candidates{desktopId};
  // An id "vendor-app.desktop" may live as vendor/app.desktop.
  for (int dash = desktopId.indexOf('-'); dash > 0; dash = desktopId.indexOf('-', dash + 1)) {
    QString nested = desktopId;
    nested[dash] = '/';
    candidates << nested;
  }
  for (const QString& folder : dataFolders) {
    for (const QString& name : candidates) {
      const QString file = folder + "/applications/" + name;
      if (QFileInfo(file).isFile()) return file;
    }
  }
  return QString();
}

}  // namespace

QStringList xdgDataFolders() {
  QStringList folders;
  QString home = qEnvironmentVariable("XDG_DATA_HOME");
  if (home.isEmpty()) home = QDir::homePath() + "/.local/share";
  folders << home;
  QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
  if (dirs.isEmpty()) dirs = "/usr/local/share:/usr/share";
  for (const QString& d : dirs.split(':', Qt::SkipEmptyParts)) folders << d;
  return folders;
}

DesktopLauncher::Program checkDesktopEntry(const QString& desktopId, const QStringList& dataFolders,
                                           const QStringList& pathFolders) {
  using Program = DesktopLauncher::Program;
  const QString file = findDesktopFile(desktopId, dataFolders);
  if (file.isEmpty()) return Program::EntryMissing;
  QFile entry(file);
  if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) return Program::EntryMissing;

  QString exec;
  bool inMainGroup = false;
  QTextStream in(&entry);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith('[')) {
      inMainGroup = line == "[Desktop Entry]";
    } else if (inMainGroup && line.startsWith("Exec") && line.section('=', 0, 0).trimmed() == "Exec") {
      exec = line.section('=', 1);
    }
  }
  const QString program = programOfExecLine(exec);
  if (program.isEmpty()) return Program::EntryMissing;

  QString found;
  if (program.contains('/')) {
    found = QFileInfo(program).exists() ? program : QString();
  } else {
    found = QStandardPaths::findExecutable(program, pathFolders);
    if (found.isEmpty()) {
      // Present but not executable still counts as found, to tell the two apart.
      for (const QString& folder : pathFolders) {
        if (QFileInfo(folder + "/" + program).isFile()) found = folder + "/" + program;
      }
    }
  }
  if (found.isEmpty()) return Program::ProgramMissing;
  const QFileInfo info(found);
  return info.isFile() && info.isExecutable() ? Program::Ready : Program::NotExecutable;
}

DesktopLauncher::DefaultApplication XdgLauncher::defaultApplication(const QString& mimeType) {
  QProcess query;
  query.start("xdg-mime", {"query", "default", mimeType});
  if (!query.waitForStarted(5000) || !query.waitForFinished(10000)) {
    query.kill();
    query.waitForFinished(1000);
    return {false, QString()};
  }
  if (query.exitStatus() != QProcess::NormalExit) return {false, QString()};
  return {true, QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed()};
}

DesktopLauncher::Program XdgLauncher::checkApplication(const QString& desktopId) {
  return checkDesktopEntry(desktopId, xdgDataFolders(), qEnvironmentVariable("PATH").split(':', Qt::SkipEmptyParts));
}

bool XdgLauncher::startOpener(const QString& path, const QString& workingDirectory) {
  return QProcess::startDetached("xdg-open", {path}, workingDirectory);
}

std::int32_t ShellOpenFile(const QString& path, DesktopLauncher& launcher) {
  const QFileInfo file(path);
  if (!file.exists()) {
    const QString folder = Path(path);
    return folder.isEmpty() || QFileInfo(folder).isDir() ? shell::FileNotFound : shell::PathNotFound;
  }
  if (!file.isReadable()) return shell::AccessDenied;

  const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent);
  QStringList types{type.name()};
  types << type.aliases() << type.parentMimeTypes();
  DesktopLauncher::DefaultApplication app;
  for (const QString& t : types) {
    app = launcher.defaultApplication(t);
    if (!app.asked) return shell::Unknown;
    if (!app.desktopId.isEmpty()) break;
  }
  if (app.desktopId.isEmpty()) return shell::NoAssociation;

  switch (launcher.checkApplication(app.desktopId)) {
    case DesktopLauncher::Program::Ready: break;
    case DesktopLauncher::Program::EntryMissing:
    case DesktopLauncher::Program::ProgramMissing: return shell::IncompleteAssociation;
    case DesktopLauncher::Program::NotExecutable: return shell::InvalidProgram;
  }
  // The file system's root stands for the old fixed working folder.
  return launcher.startOpener(path, "/") ? shell::Started : shell::Unknown;
}

QString shellOpenMessage(std::int32_t result) {
  switch (result) {
    case shell::FileNotFound: return "File not found";
    case shell::PathNotFound: return "Path not found";
    case shell::AccessDenied: return "Access denied";
    case shell::OutOfMemory: return "Out of memory";
    case shell::LibraryNotFound: return "DLL not found";
    case shell::SharingViolation: return "A sharing violation occurred";
    case shell::IncompleteAssociation: return "Incomplete or invalid file association";
    case shell::DdeTimeout: return "DDE Time out";
    case shell::DdeFailed: return "DDE transaction failed";
    case shell::DdeBusy: return "DDE busy";
    case shell::NoAssociation: return "No association for file extension";
    case shell::InvalidProgram: return "Invalid EXE file or error in EXE image";
    default: return "Unknown error";
  }
}

}  // namespace editor
