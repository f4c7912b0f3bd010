// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The text of an expected failure, so that tests can match the reason it gives.
#include <gtest/gtest.h>
#include <string>

namespace test_support {

// What `action` throws as E; an empty text, and a failure of the running test naming
// `expectation`, when it throws nothing.
template <class E, class F>
std::string thrownText(F&& action, const std::string& expectation) {
  try {
    action();
  } catch (const E& e) {
    return e.what();
  }
  ADD_FAILURE() << "nothing thrown: " << expectation;
  return {};
}

}  // namespace test_support
