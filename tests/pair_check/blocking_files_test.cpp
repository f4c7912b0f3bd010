// SPDX-License-Identifier: GPL-2.0-or-later
// A picture path that names a FIFO or a device must never hang a program: the loader
// refuses it at once. Each case runs in a child process with a time limit, so a hang
// fails the test instead of stopping the run.
#include <gtest/gtest.h>

#include <QDir>
#include <chrono>
#include <functional>
#include <thread>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_app_folder.h"
#include "toolkit/picture_loader.h"

namespace {
enum class Outcome { Refused, Loaded, Hung };

// Runs load in a child; the child tells by its exit status whether it was refused.
Outcome inChild(const std::function<bool()>& load, std::chrono::seconds limit = std::chrono::seconds(20)) {
  const pid_t child = fork();
  if (child == 0) _exit(load() ? 1 : 0);
  const auto until = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > until) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return Outcome::Hung;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Outcome::Refused : Outcome::Loaded;
}
}  // namespace

TEST(BlockingFiles, AFifoIsRefusedAtOnceWithAReason) {
  test_support::TempAppFolder folder(false);
  const QString fifo = folder.path() + "/attesa.bmp";
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_EQ(inChild([&] { return toolkit::loadPicture(fifo).ok(); }), Outcome::Refused);
  const toolkit::LoadedPicture refused = toolkit::loadPicture(fifo);
  EXPECT_FALSE(refused.ok());
  EXPECT_TRUE(refused.error.contains("non è un file normale")) << refused.error.toStdString();
}

TEST(BlockingFiles, StandardInputThatNeverEndsIsRefused) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  // The child reads a pipe whose writer stays open here and never writes.
  EXPECT_EQ(inChild([&] {
              dup2(fds[0], STDIN_FILENO);
              return toolkit::loadPicture(QStringLiteral("/dev/stdin")).ok();
            }),
            Outcome::Refused);
  close(fds[0]);
  close(fds[1]);
}

TEST(BlockingFiles, ARegularFileStillLoads) {
  test_support::TempAppFolder folder(false);
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QString path = folder.writePicture("rosso.bmp", image);
  EXPECT_EQ(inChild([&] { return toolkit::loadPicture(path).ok(); }), Outcome::Loaded);
}
