#pragma once
// The five sprite blits. Anchored drawing puts the top-left pixel at
// (x + offsetX - anchorX, y + offsetY - anchorY). Black (0x0000) is the key
// colour of the keyed and silhouette blits. A null sprite draws nothing; an
// unclipped blit whose sprite reaches outside the buffer is clipped rather
// than writing outside it.
#include <cstdint>

#include "gfx/FrameBuffer.h"
#include "gfx/Sprite.h"

namespace bt {

void blitOpaque(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored);
void blitOpaqueClipped(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored);
void blitKeyed(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored);
void blitKeyedClipped(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored);
void blitSilhouette(const Sprite* sprite, FrameBuffer& fb, int32_t x, int32_t y, bool anchored,
                    uint16_t colour);

}  // namespace bt
