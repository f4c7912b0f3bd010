// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A FIFO where a picture is expected, with a guard: a program that blocks opening it
// for reading is let go after a time limit (a writer opens and closes it), so that a
// test fails instead of hanging. released() then says the limit was needed.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace test_support {

class FifoGuard {
 public:
  FifoGuard(const std::string& path, std::chrono::milliseconds limit) : path_(path) {
    made_ = ::mkfifo(path.c_str(), 0644) == 0;
    watcher_ = std::thread([this, limit] {
      const auto deadline = std::chrono::steady_clock::now() + limit;
      while (!stop_) {
        if (std::chrono::steady_clock::now() >= deadline) {
          // Succeeds only while a reader waits in open(): that reader is let go.
          const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
          if (fd >= 0) {
            released_ = true;
            ::close(fd);
          }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
    });
  }
  ~FifoGuard() {
    stop_ = true;
    watcher_.join();
  }
  FifoGuard(const FifoGuard&) = delete;
  FifoGuard& operator=(const FifoGuard&) = delete;

  bool made() const { return made_; }
  bool released() const { return released_; }

 private:
  std::string path_;
  bool made_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<bool> released_{false};
  std::thread watcher_;
};

}  // namespace test_support
