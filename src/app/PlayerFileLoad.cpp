#include "app/PlayerFileLoad.h"

#include <optional>
#include <vector>

#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"

namespace bt {
namespace {

constexpr const char* kLeftAlone =
    ", and the file is left as it is: nothing of this run is kept in it";

PlayerFileLoad setAside(const std::string& path, const PlayerFileFormat& format,
                        const std::string& why) {
  const std::string damage = quote(path) + " is damaged" + (why.empty() ? "" : " (" + why + ")");
  const std::string aside = path + ".damaged";
  std::string whyNot;
  if (os::moveFile(path, aside, &whyNot)) {
    warn(damage + "; " + format.without + " and the file is kept as " + quote(aside));
    return {PlayerFileState::Damaged, false};
  }
  warn(damage + " and cannot be set aside (" + whyNot + "); " + format.without + kLeftAlone);
  return {PlayerFileState::Damaged, true};
}

}  // namespace

PlayerFileLoad loadPlayerFile(const std::string& path, const PlayerFileFormat& format,
                              const PlayerFileDecoder& decode) {
  std::string why;
  std::optional<std::vector<uint8_t>> bytes = os::readFileHead(path, format.maxBytes + 1, &why);
  if (!bytes) {
    if (!os::exists(path)) return {PlayerFileState::Missing, false};
    warn("cannot read " + quote(path) + " (" + why + "); " + format.without + kLeftAlone);
    return {PlayerFileState::Unreadable, true};
  }
  if (bytes->size() > format.maxBytes) {
    if (!format.tailIgnored) {
      return setAside(path, format, "longer than " + std::to_string(format.maxBytes) + " bytes");
    }
    bytes->resize(format.maxBytes);
  }
  if (!decode(*bytes, why)) return setAside(path, format, why);
  return {PlayerFileState::Read, false};
}

}  // namespace bt
