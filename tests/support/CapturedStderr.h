#pragma once
// What the code under test wrote to standard error (its warnings) while one
// of these lived.
#include <gtest/gtest.h>

#include <string>

namespace bt::test {

class CapturedStderr {
 public:
  CapturedStderr() { ::testing::internal::CaptureStderr(); }
  ~CapturedStderr() {
    if (!taken_) ::testing::internal::GetCapturedStderr();
  }
  CapturedStderr(const CapturedStderr&) = delete;
  CapturedStderr& operator=(const CapturedStderr&) = delete;

  // Ends the capture and returns what was written.
  std::string take() {
    taken_ = true;
    return ::testing::internal::GetCapturedStderr();
  }

 private:
  bool taken_ = false;
};

}  // namespace bt::test
