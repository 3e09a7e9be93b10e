#include "gfx/TextEntry.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace bt {

namespace {

constexpr uint8_t kLeftKey = 1;
constexpr uint8_t kRightKey = 2;
constexpr uint8_t kBackKey = 18;
constexpr uint8_t kModeKey = 19;
constexpr int kFirstLetterKey = 6;  // keypad 2
constexpr int kFirstDigitKey = 5;   // keypad 1; keypad 0 comes after 9
constexpr int kDigitKeys = 10;

constexpr std::array<std::string_view, TextEntry::kLetterKeys> kLetters = {
    "ABC", "DEF", "GHI", "JKL", "MNO", "PQRS", "TUV", "WXYZ"};

}  // namespace

// A capacity below 2 leaves no room for a character; it is raised to 2 so
// that the cursor's range 0 .. capacity - 2 is never empty.
TextEntry::TextEntry(int32_t capacity)
    : text_(static_cast<size_t>(std::clamp(capacity, 2, 127)), 0),
      capacity_(static_cast<int32_t>(text_.size())) {}

size_t TextEntry::length() const {
  return std::strlen(text_.data());
}

void TextEntry::setText(std::string_view text) {
  const size_t count = std::min(text.size(), static_cast<size_t>(capacity_ - 1));
  std::fill(text_.begin(), text_.end(), 0);
  std::copy_n(text.begin(), count, text_.begin());
  // A text with a zero inside ends there; the cursor must stay within it.
  cursor_ = static_cast<int8_t>(std::min<size_t>(cursor_, length()));
}

void TextEntry::setEnabled(bool enabled) {
  enabled_ = enabled;
  idleFrames_ = 0;
}

void TextEntry::advance() {
  tapCounts_.fill(0);
  if (cursor_ < capacity_ - 2) ++cursor_;
}

void TextEntry::press(uint8_t key) {
  if (!enabled_) return;
  switch (key) {
    case kLeftKey:
      cursor_ = static_cast<int8_t>(std::max(cursor_ - 1, 0));
      tapCounts_.fill(0);
      pending_ = false;
      return;
    case kRightKey: {
      const int32_t limit = std::min(static_cast<int32_t>(length()), capacity_ - 2);
      cursor_ = static_cast<int8_t>(std::min<int32_t>(cursor_ + 1, limit));
      tapCounts_.fill(0);
      pending_ = false;
      return;
    }
    case kBackKey:
      erase();
      return;
    case kModeKey:
      letterMode_ = !letterMode_;
      return;
    default:
      if (letterMode_) {
        typeLetter(key - kFirstLetterKey);
      } else {
        typeDigit(key - kFirstDigitKey);
      }
  }
}

// With the cursor at 0 the whole text goes; otherwise the character before
// the cursor is removed.
void TextEntry::erase() {
  if (cursor_ < 1) {
    std::fill(text_.begin(), text_.end(), 0);
  } else {
    const size_t n = length();
    if (n > 0) {
      const size_t from = std::min(static_cast<size_t>(cursor_), n);
      std::memmove(&text_[from - 1], &text_[from], n - from);
      std::fill(text_.begin() + static_cast<std::ptrdiff_t>(n - 1), text_.end() - 1, 0);
    }
  }
  lastKey_ = -1;
  cursor_ = static_cast<int8_t>(std::max(cursor_ - 1, 0));
  pending_ = false;
}

void TextEntry::typeLetter(int index) {
  if (index < 0 || index >= kLetterKeys) return;
  if (lastKey_ >= 0 && index != lastKey_) advance();
  lastKey_ = index;
  const std::string_view letters = kLetters[static_cast<size_t>(index)];
  int8_t& taps = tapCounts_[static_cast<size_t>(index)];
  if (taps >= static_cast<int>(letters.size())) taps = 0;
  text_[static_cast<size_t>(cursor_)] = letters[static_cast<size_t>(taps)];
  ++taps;
  pending_ = true;
  idleFrames_ = 0;
}

void TextEntry::typeCharacter(char c) {
  if (!enabled_) return;
  if (pending_) advance();
  text_[static_cast<size_t>(cursor_)] = c;
  advance();
  lastKey_ = -1;
  pending_ = false;
  idleFrames_ = 0;
}

void TextEntry::typeDigit(int index) {
  if (index < 0 || index >= kDigitKeys) return;
  if (lastKey_ >= 0 && index != lastKey_) advance();
  lastKey_ = index;
  text_[static_cast<size_t>(cursor_)] = static_cast<char>('0' + (index + 1) % kDigitKeys);
  pending_ = true;
  idleFrames_ = 0;
}

bool TextEntry::tick() {
  if (!enabled_ || !pending_) return false;
  if (idleFrames_++ <= kAcceptAfter) return false;
  advance();
  lastKey_ = -1;
  pending_ = false;
  idleFrames_ = 0;
  return true;
}

void TextEntry::draw(int32_t x, int32_t y, FrameBuffer& fb, const Font& font) const {
  const std::string_view text(text_.data());
  if (!text.empty()) font.drawText(x, y, text, fb);
  const int32_t before =
      font.measureLine(text.substr(0, std::min(text.size(), static_cast<size_t>(cursor_))));
  font.drawText(x + before, y, "_", fb);
}

}  // namespace bt
