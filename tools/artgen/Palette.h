#pragma once
// The one palette of the game's art: dark wood and brass around a board of
// olive-brown, bramble leaves and berries for ornament, and four marker
// colours chosen to stay apart for colour-blind eyes (each also has its own
// symbol). Colours that must match the frame buffer exactly have no low bits
// that the RGB565 conversion would drop.
#include "Canvas.h"

namespace bt::art::palette {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBoard{80, 60, 0};  // the game screen's background, kGameBackground
inline constexpr Rgb kInk{24, 14, 8};
inline constexpr Rgb kSlot{56, 38, 14};
inline constexpr Rgb kSlotShadow{30, 20, 6};
inline constexpr Rgb kSlotLight{120, 92, 30};
inline constexpr Rgb kWoodDark{64, 38, 18};
inline constexpr Rgb kWood{116, 72, 36};
inline constexpr Rgb kWoodLight{168, 114, 60};
inline constexpr Rgb kBrassDark{128, 88, 28};
inline constexpr Rgb kBrass{216, 168, 64};
inline constexpr Rgb kBrassLight{252, 226, 144};
inline constexpr Rgb kPanel{40, 28, 16};  // flat panel inside, exact in RGB565
inline constexpr Rgb kPanelEdge{72, 48, 24};
inline constexpr Rgb kCream{246, 232, 196};
inline constexpr Rgb kParchment{232, 212, 164};
inline constexpr Rgb kParchmentDark{178, 150, 98};
inline constexpr Rgb kBerry{104, 34, 92};
inline constexpr Rgb kBerryDark{52, 14, 48};
inline constexpr Rgb kBerryLight{186, 84, 164};
inline constexpr Rgb kLeafDark{34, 74, 26};
inline constexpr Rgb kLeaf{72, 134, 46};
inline constexpr Rgb kLeafLight{138, 192, 82};

// Marker and tile colours 0 to 3: vermilion, sky blue, yellow, bluish green.
inline constexpr Rgb kMarker[4] = {{228, 66, 40}, {52, 138, 232}, {248, 208, 40}, {30, 170, 108}};

}  // namespace bt::art::palette
