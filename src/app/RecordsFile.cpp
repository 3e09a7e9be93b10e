#include "app/RecordsFile.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/os/Warning.h"

namespace bt {

RecordsFileLoad loadRecordsFile(const std::string& path, size_t maxBytes, const std::string& what,
                                const std::function<bool(std::span<const uint8_t>)>& decode) {
  std::string whyNot;
  const std::optional<std::vector<uint8_t>> bytes = os::readFile(path, maxBytes, &whyNot);
  if (!bytes) {
    if (!os::exists(path)) return {RecordsFile::Missing, true};
    warn("cannot read " + quote(path) + " (" + whyNot + "); no " + what +
         " are kept this time and the file is left as it is");
    return {RecordsFile::Unreadable, false};
  }
  if (decode(*bytes)) return {RecordsFile::Read, true};
  const std::string aside = path + ".damaged";
  if (std::rename(path.c_str(), aside.c_str()) == 0) {
    warn(quote(path) + " is damaged; the " + what + " start afresh and the file is kept as " +
         quote(aside));
    return {RecordsFile::Damaged, true};
  }
  warn(quote(path) + " is damaged and cannot be set aside; no " + what + " are kept this time");
  return {RecordsFile::Damaged, false};
}

}  // namespace bt
