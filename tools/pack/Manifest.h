#pragma once
// The text manifest from which `bank` builds a sprite bank: one sprite a
// line, in index order.
//
//   FILE.png [offsetX offsetY anchorX anchorY transparent]
//   blank WIDTH HEIGHT [offsetX offsetY anchorX anchorY transparent]
//
// The five numbers come all together or not at all (then all 0). offsetX and
// offsetY are -128..127, the anchors, WIDTH and HEIGHT 0..255, transparent
// 0..255 (0 opaque, normally 1 when black is left out). A blank sprite is
// all black; "blank 0 0" is an empty record. Paths are relative to the
// manifest's folder; a path with spaces (or a file called blank) is written
// in double quotes. '#' at the start of a word begins a comment; empty lines
// are skipped.
#include <cstdint>
#include <string>
#include <vector>

namespace bt::pack {

struct ManifestEntry {
  int line = 0;
  std::string file;  // resolved path; "" for a blank sprite
  int blankWidth = 0, blankHeight = 0;
  int8_t offsetX = 0, offsetY = 0;
  uint8_t anchorX = 0, anchorY = 0;
  uint8_t transparent = 0;
};

// Parses the manifest's text; throws ToolError "MANIFEST:LINE: fault" on the
// first bad line.
std::vector<ManifestEntry> parseManifest(const std::string& text, const std::string& manifestPath);

// The manifest line for an entry, its file name written as it stands (quoted
// when needed) and all five placement numbers given.
std::string manifestLine(const ManifestEntry& entry);

}  // namespace bt::pack
