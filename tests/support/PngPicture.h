#pragma once
// A PNG file as the tests look at it, through the program's own reader.
#include <optional>
#include <string>

#include "platform/os/FileSystem.h"
#include "platform/png/PngCodec.h"

namespace bt::test {

inline std::optional<platform::PngPicture> readPng(const std::string& path) {
  const auto bytes = os::readFile(path);
  if (!bytes) return std::nullopt;
  std::string whyNot;
  return platform::decodePng(*bytes, 1u << 14, whyNot);
}

}  // namespace bt::test
