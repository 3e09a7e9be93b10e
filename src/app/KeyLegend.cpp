#include "app/KeyLegend.h"

#include <algorithm>
#include <string_view>

#include "gfx/Colour.h"
#include "gfx/Rects.h"
#include "platform/DesktopKeys.h"

namespace bt {

namespace {

constexpr const char* kTitle = "Keys";

// The box's places for each art set (176x220, 240x320).
struct LegendLayout {
  int32_t padding;    // inside the frame, around the text
  int32_t columnGap;  // between the keys and what they do
  int32_t titleGap;   // below the title
};
constexpr LegendLayout kLayouts[2] = {
    {4, 6, 2},
    {7, 10, 4},
};

void addName(std::vector<std::string>& names, std::string_view name) {
  if (name.empty()) return;
  if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
}

// The keyboard key of a phone key, then the desktop keys that press it.
void addPhoneKey(std::vector<std::string>& names, GameKey key,
                 const std::vector<uint32_t>& pressing) {
  if (const auto code = virtualKeyOf(key)) addName(names, platform::keyboardName(*code));
  for (uint32_t code : pressing) addName(names, platform::keyboardName(code));
}

std::string keysOf(const LegendLine& line, const Controls& controls, const KeyMap& map) {
  std::vector<std::string> names;
  for (const LegendKey& key : line.keys) {
    switch (key.kind) {
      case LegendKey::Kind::Code:
        if (const auto phoneKey = keyDownTable(key.value)) {
          addPhoneKey(names, *phoneKey, controls.codesPressing(*phoneKey));
        } else {
          addName(names, platform::keyboardName(key.value));
        }
        break;
      case LegendKey::Kind::Entry: {
        // An entry without a key, or waiting for one, names nothing.
        const GameKey held = keyEntry(map, static_cast<int>(key.value));
        if (held >= kFirstDeviceKey && held <= kLastDeviceKey) {
          addPhoneKey(names, held, controls.entryCodesPressing(held));
        }
        break;
      }
      case LegendKey::Kind::Text:
        addName(names, key.text);
        break;
    }
  }
  if (names.empty()) return "-";
  std::string text = names.front();
  for (size_t i = 1; i < names.size(); ++i) text += " " + names[i];
  return text;
}

}  // namespace

std::vector<LegendRow> legendRows(const Controls& controls, const KeyMap& map) {
  std::vector<LegendRow> rows;
  for (const LegendLine& line : controls.legend()) {
    rows.push_back({keysOf(line, controls, map), line.what});
  }
  return rows;
}

std::string legendPageText(const std::vector<LegendRow>& rows) {
  std::string text;
  for (const LegendRow& row : rows) text += row.keys + "\t" + row.what + "\n";
  return text;
}

void drawLegend(FrameBuffer& fb, Font& font, int artSet, const std::vector<LegendRow>& rows) {
  const int32_t pitch = font.linePitch();
  if (pitch == 0) return;
  const LegendLayout& layout = kLayouts[artSet == 0 ? 0 : 1];
  int32_t keysWidth = 0;
  int32_t whatWidth = 0;
  for (const LegendRow& row : rows) {
    keysWidth = std::max(keysWidth, font.measureLine(row.keys));
    whatWidth = std::max(whatWidth, font.measureLine(row.what));
  }
  const int32_t textWidth =
      std::max(keysWidth + layout.columnGap + whatWidth, font.measureLine(kTitle));
  const int32_t width = std::min(textWidth + 2 * layout.padding, fb.width());
  const int32_t height =
      std::min(static_cast<int32_t>(rows.size() + 1) * pitch + layout.titleGap + 2 * layout.padding,
               fb.height());
  const int32_t left = (fb.width() - width) / 2;
  const int32_t top = (fb.height() - height) / 2;
  fillRect(fb, left, top, width, height, kBlack);
  frameRect(fb, left, top, width, height, kTextGrey);

  const uint16_t colour = font.colour();
  const int32_t x = left + layout.padding;
  int32_t y = top + layout.padding;
  font.setColour(kHighlightRed);
  font.drawText(left + (width - font.measureLine(kTitle)) / 2, y, kTitle, fb);
  y += pitch + layout.titleGap;
  for (const LegendRow& row : rows) {
    font.setColour(kWhite);
    font.drawText(x, y, row.keys, fb);
    font.setColour(kTextGrey);
    font.drawText(x + keysWidth + layout.columnGap, y, row.what, fb);
    y += pitch;
  }
  font.setColour(colour);
}

}  // namespace bt
