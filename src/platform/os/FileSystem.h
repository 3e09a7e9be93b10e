#pragma once
// Whole-file reads and atomic whole-file writes, and the running program's
// own location. The only file access below the game code.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bt::os {

// Reads the whole file; nullopt when it cannot be opened or is larger than
// maxBytes.
std::optional<std::vector<uint8_t>> readFile(const std::string& path, size_t maxBytes = 256u << 20);

// Writes bytes to a temporary file in the same folder, flushes it to disk and
// renames it over path, so that readers see either the old file or the new
// one, never a truncated one. False when any step fails (nothing is left
// behind then).
bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t n);
inline bool writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  return writeFileAtomically(path, bytes.data(), bytes.size());
}

// Size of the file, creating it empty when it does not exist; 0 on failure.
uint32_t probeFileSize(const std::string& path);

// Full path of the running executable ("" if unknown).
std::string executablePath();

// True when the folder exists and a file can be created in it.
bool isWritableFolder(const std::string& folder);

// Creates the folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& folder);

}  // namespace bt::os
