// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <stdexcept>

namespace toolkit {

// A window cannot start: its database or folders are missing or unusable.
// what() is the Italian message for the user, naming the file and the reason.
class StartupError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace toolkit
