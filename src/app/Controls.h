#pragma once
// What a desktop's keyboard and mouse do on a screen beyond the phone's keys.
// The desktop's own keys (Escape, Enter, the letters, undo and redo: codes
// no phone key has, platform/VirtualKeys.h) become one of the phone's keys,
// a command of the screen (as a tap on one of its buttons) or an action of
// the desktop's own, so that the phone's keys keep their meanings on every
// screen. A tap on the caption band at the bottom presses the soft key under
// that half of it. The legend lines say what each key does. Each screen
// describes its own controls; the application resolves keys and taps
// through them and shows the legend.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/GameKey.h"

namespace bt {

struct DesktopAction {
  enum class Kind : uint8_t { None, PressKey, Command, Undo, Redo, TypeLetter };
  Kind kind = Kind::None;
  uint8_t value = 0;  // PressKey: the key; Command: the id; TypeLetter: 'A' to 'Z'

  friend bool operator==(const DesktopAction&, const DesktopAction&) = default;
};

constexpr DesktopAction pressKey(GameKey key) {
  return {DesktopAction::Kind::PressKey, key};
}
constexpr DesktopAction runCommand(uint8_t id) {
  return {DesktopAction::Kind::Command, id};
}
inline constexpr DesktopAction kUndoStep{DesktopAction::Kind::Undo, 0};
inline constexpr DesktopAction kRedoStep{DesktopAction::Kind::Redo, 0};

struct DesktopBinding {
  uint32_t code;  // a desktop key's code
  DesktopAction action;
};

// A key as the legend names it: the key that sends a code (a phone key's or
// a desktop key's), the key a key-map entry holds now, or a fixed text.
struct LegendKey {
  enum class Kind : uint8_t { Code, Entry, Text };
  Kind kind = Kind::Code;
  uint32_t value = 0;     // Code: the virtual-key code; Entry: the entry
  const char* text = "";  // Text
};

LegendKey legendCode(uint32_t virtualKey);
// The keyboard key that gives a phone key, and the desktop keys that press it.
LegendKey legendPhoneKey(GameKey key);
LegendKey legendEntry(int entry);
LegendKey legendText(const char* text);

struct LegendLine {
  std::vector<LegendKey> keys;
  std::string what;
};

class Controls {
 public:
  Controls& bind(uint32_t code, DesktopAction action);
  // Every letter, with Shift or not, types itself (a name is being typed):
  // no letter does anything else.
  Controls& typeLetters();
  // Taps from y = top to the bottom edge press the left soft key on the left
  // half of the display and the right one on the right half.
  Controls& captionBand(int32_t top);
  // The desktop keys that stand for phone keys where the key map's actions
  // are performed (the game), for the legend's key-map entries.
  Controls& entryBindings(std::vector<DesktopBinding> bindings);
  // The game screen: the key legend shows itself the first time it opens.
  Controls& introduceLegend();
  Controls& line(std::string what, std::initializer_list<LegendKey> keys);

  // What a desktop key's code does here. A letter with Shift that is not
  // bound does what the letter alone does.
  DesktopAction resolve(uint32_t code) const;
  // The soft key a tap at (x, y) presses on a display width pixels wide.
  std::optional<GameKey> softKeyAt(int32_t width, int32_t x, int32_t y) const;
  // The desktop keys that press key: on this screen, or where the key map's
  // actions are performed.
  std::vector<uint32_t> codesPressing(GameKey key) const;
  std::vector<uint32_t> entryCodesPressing(GameKey key) const;

  const std::vector<LegendLine>& legend() const { return legend_; }
  bool introducesLegend() const { return introducesLegend_; }

 private:
  std::vector<DesktopBinding> bindings_;
  std::vector<DesktopBinding> entryBindings_;
  std::vector<LegendLine> legend_;
  int32_t captionBandTop_ = -1;  // -1: no caption band
  bool typesLetters_ = false;
  bool introducesLegend_ = false;
};

}  // namespace bt
