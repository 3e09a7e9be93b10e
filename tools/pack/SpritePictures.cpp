#include "pack/SpritePictures.h"

namespace bt::pack {

RgbImage spritePicture(const Sprite& sprite) {
  RgbImage image(sprite.width, sprite.height);
  size_t count = static_cast<size_t>(sprite.width) * sprite.height;
  for (size_t i = 0; i < count && i < sprite.pixels.size(); ++i) {
    widenColour(sprite.pixels[i], &image.rgb[i * 3]);
  }
  return image;
}

}  // namespace bt::pack
