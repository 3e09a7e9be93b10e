#pragma once
// Whole-file reads and atomic whole-file writes, and the running program's
// own location. The only file access below the game code.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bt::os {

// Reads the whole regular file; nullopt when it cannot be opened, is not a
// regular file or is larger than maxBytes (whyNot, when given, says which).
std::optional<std::vector<uint8_t>> readFile(const std::string& path, size_t maxBytes = 256u << 20,
                                             std::string* whyNot = nullptr);

// Reads the first maxBytes bytes of the regular file (all of it when it is
// shorter), never more, however long it is: a caller that asks for one byte
// more than its format holds tells a file too long from one that fits.
// nullopt when it cannot be opened or is not a regular file (whyNot, when
// given, says which).
std::optional<std::vector<uint8_t>> readFileHead(const std::string& path, size_t maxBytes,
                                                 std::string* whyNot = nullptr);

// Reads any readable stream whole, waiting for its end: a regular file, a
// pipe, a FIFO, /dev/stdin; "-" is standard input. nullopt and the reason in
// whyNot when it cannot be opened or read, is a folder, or holds more than
// maxBytes.
std::optional<std::vector<uint8_t>> readStream(const std::string& path, size_t maxBytes,
                                               std::string& whyNot);

// What writeFileAtomically may replace at the path (or where its links end).
enum class Replace {
  // Any file; a device, a FIFO or a terminal is written as it stands and
  // never replaced (a tool's /dev/stdout).
  Anything,
  // Only a file that can be read; anything else is a failure and stays as it
  // is. For what the program keeps for the next run: an unreadable file may
  // still hold what the player values, and a device or a FIFO keeps nothing.
  ReadableFile,
};

// Writes bytes to a temporary file in the same folder, flushes it to disk and
// renames it over path, so that readers see either the old file or the new
// one, never a truncated one. A symbolic link at path is followed and its
// target replaced; a folder is refused, and anything else that is not a
// regular file is treated as replace says. False when any step fails
// (nothing is left behind then, and a file at path keeps what it held), with
// the reason in whyNot when given.
bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t n,
                         std::string* whyNot = nullptr, Replace replace = Replace::Anything);
inline bool writeFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                                std::string* whyNot = nullptr,
                                Replace replace = Replace::Anything) {
  return writeFileAtomically(path, bytes.data(), bytes.size(), whyNot, replace);
}

// Renames the file at from to to, replacing what stands there (a file, or an
// empty folder), and makes the rename durable. False, with the reason in
// whyNot when given, when it cannot be done; from is then as it was.
bool moveFile(const std::string& from, const std::string& to, std::string* whyNot = nullptr);

// Called after every file that writeFileAtomically replaced or moveFile
// moved, with its (new) path:
// where the folder is only a copy in memory (a browser's), the backend then
// keeps the files in lasting storage. One listener for the process; nullptr
// removes it.
using FileWrittenListener = void (*)(const std::string& path);
void setFileWrittenListener(FileWrittenListener listener);

// True when anything stands at path (a dangling link counts).
bool exists(const std::string& path);

// The folder part of a path with its trailing '/' ("" for a bare name).
std::string folderOf(const std::string& path);

// Size of the file, creating it empty when it does not exist; 0 on failure.
uint32_t probeFileSize(const std::string& path);

// Full path of the running executable ("" if unknown).
std::string executablePath();

// True when the folder exists and a file can be created in it.
bool isWritableFolder(const std::string& folder);

// Creates the folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& folder);

}  // namespace bt::os
