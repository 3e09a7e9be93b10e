#pragma once
// A scratch folder per test, and helpers to run the pack tool's command line
// in-process.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "pack/PackTool.h"
#include "platform/os/FileSystem.h"
#include "support/TempFolder.h"

namespace bt::pack {

class PackScratch : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return scratch_.file(name); }

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
  std::vector<std::string> entries() const { return scratch_.entries(); }

  test::TempFolder scratch_;
  // The folder with its trailing '/'.
  const std::string folder_ = scratch_.path() + "/";
  std::string out_, err_;
};

}  // namespace bt::pack
