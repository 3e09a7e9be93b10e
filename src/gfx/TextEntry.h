#pragma once
// Multi-tap typing of a short name on a phone keypad. Keys 2 to 9 carry
// letters; pressing the same key again cycles through them, and a letter is
// accepted when another key comes or after 32 ticks without a key. The star
// key switches between letters and digits, left and right move the cursor,
// back deletes the character before it. The text holds at most capacity - 1
// characters and the cursor never passes capacity - 2, where each new
// character replaces the last one. Keys and ticks count only while enabled.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"

namespace bt {

class TextEntry {
 public:
  static constexpr int kLetterKeys = 8;
  // Ticks without a key after which a composed character is accepted.
  static constexpr uint32_t kAcceptAfter = 30;

  explicit TextEntry(int32_t capacity);

  // Copies the first capacity - 1 characters of text to the start of the
  // (empty) buffer; the cursor stays where it is.
  void setText(std::string_view text);
  void setEnabled(bool enabled);
  void press(uint8_t key);
  // A character typed on a keyboard: a composed character is accepted first,
  // then c is written at the cursor and the cursor moves on, as after an
  // accepted multi-tap character.
  void typeCharacter(char c);
  // True when a composed character was accepted by the time-out now.
  bool tick();
  // The text and the cursor mark "_" in the font's current colour.
  void draw(int32_t x, int32_t y, FrameBuffer& fb, const Font& font) const;

  const char* text() const { return text_.data(); }
  size_t length() const;
  int32_t cursor() const { return cursor_; }
  bool pending() const { return pending_; }
  bool letterMode() const { return letterMode_; }

 private:
  void advance();
  void typeLetter(int index);
  void typeDigit(int index);
  void erase();

  std::vector<char> text_;  // capacity bytes, zero-terminated
  int32_t capacity_;
  int8_t cursor_ = 0;
  std::array<int8_t, kLetterKeys> tapCounts_{};
  bool letterMode_ = true;
  int32_t lastKey_ = -1;  // a bare index in the mode it was typed in
  uint32_t idleFrames_ = 0;
  bool pending_ = false;
  bool enabled_ = true;
};

}  // namespace bt
