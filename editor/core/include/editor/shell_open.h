// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Opening a file in the desktop's default program for its type, without waiting for that
// program. The result follows the old shell's convention: a number greater than 32 means the
// request was accepted; otherwise it names the failure (see shellOpenMessage).
#include <QString>
#include <QStringList>
#include <cstdint>

namespace editor {

namespace shell {
// The old shell's open-request results: 32 and below name a failure, above it success.
enum Result : std::int32_t {
  Unknown = 0,
  FileNotFound = 2,
  PathNotFound = 3,
  AccessDenied = 5,
  OutOfMemory = 8,
  InvalidProgram = 11,
  SharingViolation = 26,
  IncompleteAssociation = 27,
  DdeTimeout = 28,
  DdeFailed = 29,
  DdeBusy = 30,
  NoAssociation = 31,
  LibraryNotFound = 32,
  Started = 33,
};
}  // namespace shell

// What the desktop is asked on the way; tests answer it without starting programs.
class DesktopLauncher {
 public:
  virtual ~DesktopLauncher() = default;

  struct DefaultApplication {
    bool asked = false;  // false: the desktop could not be asked at all
    QString desktopId;   // empty: no program for the type
  };
  virtual DefaultApplication defaultApplication(const QString& mimeType) = 0;

  enum class Program { Ready, EntryMissing, ProgramMissing, NotExecutable };
  // Whether the program a desktop entry names can be started.
  virtual Program checkApplication(const QString& desktopId) = 0;

  // Starts the desktop's opener for the path and returns at once.
  virtual bool startOpener(const QString& path, const QString& workingDirectory) = 0;
};

// The real desktop: xdg-mime for the default program, the XDG data folders for its entry,
// xdg-open to open the file.
class XdgLauncher : public DesktopLauncher {
 public:
  DefaultApplication defaultApplication(const QString& mimeType) override;
  Program checkApplication(const QString& desktopId) override;
  bool startOpener(const QString& path, const QString& workingDirectory) override;
};

// The folders that hold desktop entries (under "applications"), in the desktop's order.
QStringList xdgDataFolders();

// Finds a desktop entry in the data folders and checks the program its Exec line names,
// searching pathFolders for a bare program name.
DesktopLauncher::Program checkDesktopEntry(const QString& desktopId, const QStringList& dataFolders,
                                           const QStringList& pathFolders);

// Asks the desktop to open the file; returns shell::Started or the failure.
std::int32_t ShellOpenFile(const QString& path, DesktopLauncher& launcher);

// The message for a failed request ("File not found", ...; "Unknown error" for anything else).
QString shellOpenMessage(std::int32_t result);

}  // namespace editor
