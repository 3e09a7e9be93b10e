#pragma once
// A sprite bank (.spr stored file) with its optional .msk companion.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Sprite.h"
#include "storage/ByteReader.h"

namespace bt {

class SpriteBank {
 public:
  // Loads path (replacing the sprites held) and path's .msk companion.
  // False when the bank cannot be opened or restored. Contents that end
  // before their counts and sizes keep the sprites read whole so far. A bank
  // (or an existing companion) that cannot be read, or ends early, is named
  // in one warning line.
  bool load(const std::string& path);
  // The same from restored contents already in a reader (no mask file);
  // false when they end before the declared count.
  bool loadSprites(ByteReader& reader);
  // Reads mask records from restored contents (replacing the masks held);
  // false when they end before the declared count.
  bool loadMasks(ByteReader& reader);

  const Sprite* sprite(uint32_t index) const;
  void clear();

  size_t count() const { return sprites_.size(); }
  const std::vector<Sprite>& sprites() const { return sprites_; }
  const std::vector<SpriteMask>& masks() const { return masks_; }
  uint16_t headerValue() const { return headerValue_; }

 private:
  std::vector<Sprite> sprites_;
  std::vector<SpriteMask> masks_;
  uint16_t headerValue_ = 0;
};

// The companion mask file of a bank: the path up to and including its last
// '.', then "msk". Empty when the path has no '.'.
std::string maskPathOf(const std::string& bankPath);

}  // namespace bt
