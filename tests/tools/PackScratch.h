#pragma once
// A scratch folder per test under the build tree, and helpers to run the pack
// tool's command line in-process.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "pack/PackTool.h"
#include "platform/os/FileSystem.h"

namespace bt::pack {

class PackScratch : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    name += std::string("_") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    folder_ = std::string(BT_BINARY_DIR) + "/test-scratch/pack/" + name + "/";
    std::filesystem::remove_all(folder_);
    ASSERT_TRUE(os::makeFolders(folder_));
  }
  void TearDown() override {
    if (!HasFailure()) std::filesystem::remove_all(folder_);
  }

  std::string path(const std::string& name) const { return folder_ + name; }

  void write(const std::string& name, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(os::writeFileAtomically(path(name), bytes));
  }
  void writeText(const std::string& name, const std::string& text) {
    write(name, std::vector<uint8_t>(text.begin(), text.end()));
  }
  std::vector<uint8_t> read(const std::string& name) {
    return os::readFile(path(name)).value_or(std::vector<uint8_t>{});
  }

  // Runs the command line; keeps what it printed in out_ and err_.
  int run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = runPackTool(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  // Names in the scratch folder, sorted.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string folder_;
  std::string out_, err_;
};

}  // namespace bt::pack
