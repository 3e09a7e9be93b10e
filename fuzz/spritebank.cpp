// Sprite banks and mask files from arbitrary stored files, then every blit of
// a few loaded sprites at positions on, across and beyond the buffer's edges.
//
// Input: one flag byte. Without bit 0 the rest is a bank file. With it, two
// bytes (least significant first) give the bank file's length, and what
// follows the bank file is a mask file.
#include "gfx/SpriteBank.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "gfx/Blit.h"
#include "gfx/FrameBuffer.h"
#include "storage/LittleEndian.h"
#include "storage/StoredFile.h"

namespace {

// A loaded sprite or mask must always hold exactly the storage its size
// implies, whatever the file said.
void checkBank(const bt::SpriteBank& bank) {
  for (const bt::Sprite& s : bank.sprites()) {
    if (s.pixels.size() != size_t{s.width} * s.height) std::abort();
  }
  for (const bt::SpriteMask& m : bank.masks()) {
    if (m.bits.size() != size_t((m.width - 1) / 32 + 1) * m.height) std::abort();
  }
}

// Stored lengths up to 64 MiB are valid, but zero-filling that much on every
// run would slow the fuzzer to a crawl without reaching any new code.
bool smallEnough(const uint8_t* file, size_t size) {
  if (size < 4) return true;
  return bt::loadLe32(file) <= (1u << 20);
}

void drawSome(const bt::SpriteBank& bank) {
  struct Position {
    int32_t x, y;
  };
  constexpr Position kPositions[] = {{0, 0},    {-7, -3},       {20, 15},      {40, 35},
                                     {-300, 9}, {INT32_MAX, 1}, {1, INT32_MIN}};
  bt::FrameBuffer fb(48, 40);
  for (uint32_t i = 0; i < 4; ++i) {
    const bt::Sprite* sprite = bank.sprite(i);
    for (const Position& p : kPositions) {
      for (bool anchored : {false, true}) {
        bt::blitOpaque(sprite, fb, p.x, p.y, anchored);
        bt::blitOpaqueClipped(sprite, fb, p.x, p.y, anchored);
        bt::blitKeyed(sprite, fb, p.x, p.y, anchored);
        bt::blitKeyedClipped(sprite, fb, p.x, p.y, anchored);
        bt::blitSilhouette(sprite, fb, p.x, p.y, anchored, 0xF800);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const bool withMasks = (data[0] & 1) != 0;
  const uint8_t* bank = data + 1;
  size_t bankSize = size - 1;
  const uint8_t* masks = nullptr;
  size_t maskSize = 0;
  if (withMasks && bankSize >= 2) {
    const size_t declared = bt::loadLe16(bank);
    bank += 2;
    bankSize -= 2;
    if (declared < bankSize) {
      masks = bank + declared;
      maskSize = bankSize - declared;
      bankSize = declared;
    }
  }

  bt::SpriteBank spriteBank;
  bt::ByteReader reader;
  if (smallEnough(bank, bankSize) && bt::decodeStored(bank, bankSize, reader)) {
    spriteBank.loadSprites(reader);
  }
  if (masks != nullptr && smallEnough(masks, maskSize)) {
    bt::ByteReader maskReader;
    if (bt::decodeStored(masks, maskSize, maskReader)) spriteBank.loadMasks(maskReader);
  }
  checkBank(spriteBank);
  drawSome(spriteBank);
  return 0;
}
