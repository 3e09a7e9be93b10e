#pragma once
// File access of the pack tool: whole-file reads, atomic whole-file writes
// and stored files restored strictly (a file whose contents end early is an
// error here, while the game quietly zero-fills).
#include <cstdint>
#include <string>
#include <vector>

#include "storage/ByteReader.h"

namespace bt::pack {

// The whole file; throws ToolError when it cannot be read.
std::vector<uint8_t> readInputFile(const std::string& path);
// Replaces path atomically; throws ToolError when it cannot be written.
void writeOutputFile(const std::string& path, const std::vector<uint8_t>& bytes);

// The contents of a stored file held in `file`; throws ToolError naming
// `name` when the length field is missing or too large, or the contents end
// before that length.
ByteReader restoreStored(const std::vector<uint8_t>& file, const std::string& name);

}  // namespace bt::pack
