#include <array>

#include "game/LevelData.h"

namespace bt {

namespace {

constexpr std::array<std::string_view, 3> kSolutions = {
    "UU<L>L<L>",
    "UUL<RR>DDDD<<LL>>",
    "DDRRR<U<U<U<U<",
};

}  // namespace

std::span<const std::string_view> levelSolutions() {
  return kSolutions;
}

}  // namespace bt
