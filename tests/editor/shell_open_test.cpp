// SPDX-License-Identifier: GPL-2.0-or-later
// Opening a file in the desktop's program: failures reach the user by their meaning, and
// a request that is accepted starts the opener without waiting.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "editor/file_panel.h"
#include "editor/shell_open.h"
#include "editor/fake_launcher.h"
#include "editor/file_panel_fixture.h"
#include "toolkit/file_list.h"

using namespace editor;
using Program = DesktopLauncher::Program;

namespace {

void writeText(const QString& path, const QByteArray& text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

class ShellOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    picture = dir.path() + "/pair1.bmp";
    QImage(8, 8, QImage::Format_RGB32).save(picture, "BMP");
    launcher.programFor["image/bmp"] = "viewer.desktop";
  }
  QTemporaryDir dir;
  QString picture;
  FakeLauncher launcher;
};

TEST_F(ShellOpen, AnAcceptedRequestStartsTheOpenerInTheRootFolder) {
  const std::int32_t result = ShellOpenFile(picture, launcher);
  EXPECT_GT(result, 32);
  EXPECT_EQ(launcher.askedTypes, QStringList{"image/bmp"});
  EXPECT_EQ(launcher.checked, QStringList{"viewer.desktop"});
  EXPECT_EQ(launcher.opened, QStringList{picture});
  EXPECT_EQ(launcher.lastWorkingDirectory, "/");
}

TEST_F(ShellOpen, TheTypeComesFromTheContentNotTheName) {
  const QString disguised = dir.path() + "/pair1.jpg";
  QFile::copy(picture, disguised);
  EXPECT_GT(ShellOpenFile(disguised, launcher), 32);
  EXPECT_EQ(launcher.askedTypes.first(), "image/bmp");
}

TEST_F(ShellOpen, FailuresAreMappedByMeaning) {
  EXPECT_EQ(ShellOpenFile(dir.path() + "/gone.jpg", launcher), shell::FileNotFound);
  EXPECT_EQ(ShellOpenFile(dir.path() + "/no_folder/x.jpg", launcher), shell::PathNotFound);

  launcher.programFor.clear();
  EXPECT_EQ(ShellOpenFile(picture, launcher), shell::NoAssociation);
  EXPECT_TRUE(launcher.askedTypes.size() > 1);  // the type's parents are asked too

  launcher.programFor["image/bmp"] = "viewer.desktop";
  launcher.program = Program::EntryMissing;
  EXPECT_EQ(ShellOpenFile(picture, launcher), shell::IncompleteAssociation);
  launcher.program = Program::ProgramMissing;
  EXPECT_EQ(ShellOpenFile(picture, launcher), shell::IncompleteAssociation);
  launcher.program = Program::NotExecutable;
  EXPECT_EQ(ShellOpenFile(picture, launcher), shell::InvalidProgram);

  launcher.program = Program::Ready;
  launcher.opens = false;
  EXPECT_EQ(ShellOpenFile(picture, launcher), shell::Unknown);
  launcher.canAsk = false;
  EXPECT_EQ(ShellOpenFile(picture, launcher), shell::Unknown);
  EXPECT_EQ(launcher.opened.size(), 1);  // only the one that was let through
}

TEST(ShellOpenMessage, EveryFailureHasItsEnglishText) {
  const std::pair<std::int32_t, const char*> table[] = {
      {2, "File not found"},
      {3, "Path not found"},
      {5, "Access denied"},
      {8, "Out of memory"},
      {32, "DLL not found"},
      {26, "A sharing violation occurred"},
      {27, "Incomplete or invalid file association"},
      {28, "DDE Time out"},
      {29, "DDE transaction failed"},
      {30, "DDE busy"},
      {31, "No association for file extension"},
      {11, "Invalid EXE file or error in EXE image"},
      {0, "Unknown error"},
      {1, "Unknown error"},
      {-7, "Unknown error"},
  };
  for (const auto& [code, text] : table) EXPECT_EQ(shellOpenMessage(code), text) << code;
}

TEST(DesktopEntry, TheProgramOfTheEntryMustBeThereAndRunnable) {
  QTemporaryDir data, bin;
  QDir(data.path()).mkpath("applications/vendor");
  writeText(data.path() + "/applications/viewer.desktop", "[Desktop Entry]\nType=Application\nExec=viewer %f\n");
  writeText(data.path() + "/applications/vendor/paint.desktop",
            "[Desktop Entry]\nExec=\"" + bin.path().toUtf8() + "/paint\" %U\n[Desktop Action New]\nExec=other\n");
  writeText(data.path() + "/applications/broken.desktop", "[Desktop Entry]\nName=No program\n");
  writeText(bin.path() + "/viewer", "#!/bin/sh\n");
  writeText(bin.path() + "/paint", "#!/bin/sh\n");
  const QStringList dataDirs{data.path()}, path{bin.path()};

  EXPECT_EQ(checkDesktopEntry("viewer.desktop", dataDirs, path), Program::NotExecutable);
  QFile::setPermissions(bin.path() + "/viewer", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(checkDesktopEntry("viewer.desktop", dataDirs, path), Program::Ready);
  EXPECT_EQ(checkDesktopEntry("viewer.desktop", dataDirs, {}), Program::ProgramMissing);

  QFile::setPermissions(bin.path() + "/paint", QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_EQ(checkDesktopEntry("vendor-paint.desktop", dataDirs, {}), Program::Ready);
  QFile::remove(bin.path() + "/paint");
  EXPECT_EQ(checkDesktopEntry("vendor-paint.desktop", dataDirs, {}), Program::ProgramMissing);

  EXPECT_EQ(checkDesktopEntry("broken.desktop", dataDirs, path), Program::EntryMissing);
  EXPECT_EQ(checkDesktopEntry("absent.desktop", dataDirs, path), Program::EntryMissing);
}

TEST(XdgLauncher, AsksTheDesktopForTheDefaultProgramOfAType) {
  QTemporaryDir home;
  QDir(home.path()).mkpath("config");
  QDir(home.path()).mkpath("data/applications");
  writeText(home.path() + "/config/mimeapps.list", "[Default Applications]\nimage/bmp=viewer.desktop\n");
  writeText(home.path() + "/data/applications/viewer.desktop", "[Desktop Entry]\nType=Application\nExec=sh\n");
  const QByteArray saved[] = {qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_DATA_HOME"), qgetenv("XDG_DATA_DIRS"),
                              qgetenv("XDG_CURRENT_DESKTOP")};
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
  qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
  qputenv("XDG_DATA_DIRS", (home.path() + "/none").toUtf8());
  qunsetenv("XDG_CURRENT_DESKTOP");

  XdgLauncher desktop;
  const auto bmp = desktop.defaultApplication("image/bmp");
  const auto gif = desktop.defaultApplication("image/gif");
  const Program program = desktop.checkApplication("viewer.desktop");

  const char* names[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"};
  for (int i = 0; i < 4; ++i) {
    if (saved[i].isNull())
      qunsetenv(names[i]);
    else
      qputenv(names[i], saved[i]);
  }
  EXPECT_TRUE(bmp.asked);
  EXPECT_EQ(bmp.desktopId, "viewer.desktop");
  EXPECT_TRUE(gif.asked);
  EXPECT_EQ(gif.desktopId, "");
  EXPECT_EQ(program, Program::Ready);
}

TEST(CmdEdit, OpensTheChosenCopyOrNamesTheFailure) {
  file_panel_fixture::FakeHost host;
  host.writePicture("pair1_C.bmp", 20, 20, "BMP");
  host.writePicture("strange.jpg", 20, 20, "JPG");
  host.addPair(1, "(none)", "pair1_C.bmp");
  auto fake = std::make_unique<FakeLauncher>();
  FakeLauncher& launcher = *fake;
  launcher.programFor["image/bmp"] = "viewer.desktop";
  host.panel->setDesktopLauncher(std::move(fake));
  host.panel->open();

  host.panel->CmdEdit_Click();
  EXPECT_EQ(launcher.opened, QStringList{host.imagePath("pair1_C.bmp")});
  EXPECT_TRUE(host.boxes.messages().empty());

  host.panel->File2()->selectName("strange.jpg");
  host.panel->CmdEdit_Click();
  ASSERT_EQ(host.boxes.messages().size(), 1u);
  EXPECT_EQ(host.boxes.messages()[0].text, "No association for file extension");
  EXPECT_EQ(host.boxes.messages()[0].flags, toolkit::box::Critical);

  // A file gone since the lists were read.
  host.panel->File2()->selectName("pair1_C.bmp");
  QFile::remove(host.imagePath("pair1_C.bmp"));
  host.panel->CmdEdit_Click();
  ASSERT_EQ(host.boxes.messages().size(), 2u);
  EXPECT_EQ(host.boxes.messages()[1].text, "File not found");

  // Nothing chosen: the request names the folder itself.
  host.panel->File2()->selectIndex(-1);
  launcher.programFor["inode/directory"] = "files.desktop";
  host.panel->CmdEdit_Click();
  EXPECT_EQ(launcher.opened.last(), host.images() + "/");
}

}  // namespace
