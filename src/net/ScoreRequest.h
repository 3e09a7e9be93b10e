#pragma once
// The two requests of a score exchange, as paths with their query: a fetch
// names only the game; a submit adds the name, the score and its check value.
// Every value is percent-encoded, so a name cannot break the query.
#include <cstdint>
#include <string>
#include <string_view>

namespace bt {

// Letters, digits and "-._~" stay as they are; every other byte becomes %XX.
std::string percentEncode(std::string_view text);

std::string fetchPath(std::string_view gameId);
std::string submitPath(std::string_view gameId, std::string_view name, int32_t score);

}  // namespace bt
