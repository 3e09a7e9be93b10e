#include "AnimationWriter.h"

#include <cstring>

#include "storage/StoredFile.h"

namespace bt::art {

ByteWriter writeAnimation(const std::vector<Script>& sequences) {
  ByteWriter out;
  char header[26] = {};
  std::memcpy(header, "brambletop animation", 20);
  out.appendBytes(header, sizeof header);
  out.appendInt32(static_cast<int32_t>(sequences.size()));
  for (const Script& script : sequences) {
    out.appendInt32(static_cast<int32_t>(script.size()));
    for (const ScriptCommand& c : script) {
      out.appendByte(c.type);
      out.appendUInt16(static_cast<uint16_t>(c.x));
      out.appendUInt16(static_cast<uint16_t>(c.y));
      out.appendUInt16(static_cast<uint16_t>(c.argument));
      out.appendUInt16(c.extra);
    }
  }
  return out;
}

bool saveAnimation(const std::vector<Script>& sequences, const std::string& path) {
  return saveStored(writeAnimation(sequences), path);
}

}  // namespace bt::art
