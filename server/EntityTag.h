#pragma once
// The validators of a file sent whole. Its entity tag is strong and names
// what is sent: the size and the time of the last change in nanoseconds, in
// hex, and "-gz" for a NAME.gz sent in NAME's place, as "1a2b-17f0c3d2e4a5b6c7-gz"
// in quotes; so a file rewritten, or the other variant, has another tag.
#include <cstdint>
#include <string>
#include <string_view>

namespace bt::scored {

std::string entityTag(uint64_t size, int64_t modified, bool gzip);

// Whether an If-None-Match value names `tag`: "*", or a list of tags one of
// which is `tag` when W/ is ignored on both sides. A value that is not such
// a list names nothing.
bool namesEntityTag(std::string_view ifNoneMatch, std::string_view tag);

}  // namespace bt::scored
