#include <vector>

#include "pack/Commands.h"
#include "pack/ToolError.h"
#include "pack/ToolFiles.h"
#include "storage/StoredFile.h"

namespace bt::pack {

void packFile(const std::string& in, const std::string& out, std::ostream& report) {
  std::vector<uint8_t> contents = readInputFile(in);
  if (contents.size() > kMaxStoredLength) {
    // The game refuses longer stored files as damaged.
    throw ToolError(
        in, "is " + std::to_string(contents.size()) + " bytes; a stored file holds at most 64 MiB");
  }
  std::vector<uint8_t> stored = encodeStored(contents.data(), contents.size());
  writeOutputFile(out, stored);
  report << out << ": " << contents.size() << " bytes stored in " << stored.size() << '\n';
}

void unpackFile(const std::string& in, const std::string& out, std::ostream& report) {
  ByteReader reader = restoreStored(readInputFile(in), in);
  std::vector<uint8_t> contents(reader.data(), reader.data() + reader.length());
  writeOutputFile(out, contents);
  report << out << ": " << contents.size() << " bytes restored\n";
}

}  // namespace bt::pack
