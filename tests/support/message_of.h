// What a failing call says: the exception a callable throws, for tests that check the failure
// itself. A call that returns normally fails the calling test at the caller's line.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <source_location>
#include <string>
#include <utility>

#include "base/exceptions.h"

namespace cd::test {

// The exception of class E that action throws, or nothing (and a test failure) when it throws
// none. An exception of another class passes through, so the test reports it as unexpected.
template <class E = Exception, class F>
std::optional<E> ThrownBy(F&& action,
                          const std::source_location where = std::source_location::current()) {
  try {
    std::forward<F>(action)();
  } catch (const E& e) {
    return e;
  }
  ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << "no exception was thrown";
  return std::nullopt;
}

// The message of the exception of class E that action throws; "<no exception>" and a test
// failure when it throws none.
template <class E = Exception, class F>
std::string MessageOf(F&& action,
                      const std::source_location where = std::source_location::current()) {
  const std::optional<E> thrown = ThrownBy<E>(std::forward<F>(action), where);
  return thrown ? thrown->Message() : "<no exception>";
}

}  // namespace cd::test
