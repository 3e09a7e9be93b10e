#include "app/Controls.h"

#include <utility>

#include "platform/VirtualKeys.h"

namespace bt {

namespace {

std::vector<uint32_t> codesPressingIn(const std::vector<DesktopBinding>& bindings, GameKey key) {
  std::vector<uint32_t> codes;
  for (const DesktopBinding& binding : bindings) {
    if (binding.action == pressKey(key)) codes.push_back(binding.code);
  }
  return codes;
}

}  // namespace

LegendKey legendCode(uint32_t virtualKey) {
  return {LegendKey::Kind::Code, virtualKey, ""};
}

LegendKey legendPhoneKey(GameKey key) {
  return legendCode(virtualKeyOf(key).value_or(0));
}

LegendKey legendEntry(int entry) {
  return {LegendKey::Kind::Entry, static_cast<uint32_t>(entry), ""};
}

LegendKey legendText(const char* text) {
  return {LegendKey::Kind::Text, 0, text};
}

Controls& Controls::bind(uint32_t code, DesktopAction action) {
  bindings_.push_back({code, action});
  return *this;
}

Controls& Controls::typeLetters() {
  typesLetters_ = true;
  return *this;
}

Controls& Controls::captionBand(int32_t top) {
  captionBandTop_ = top;
  return *this;
}

Controls& Controls::entryBindings(std::vector<DesktopBinding> bindings) {
  entryBindings_ = std::move(bindings);
  return *this;
}

Controls& Controls::introduceLegend() {
  introducesLegend_ = true;
  return *this;
}

Controls& Controls::line(std::string what, std::initializer_list<LegendKey> keys) {
  legend_.push_back({std::vector<LegendKey>(keys), std::move(what)});
  return *this;
}

DesktopAction Controls::resolve(uint32_t code) const {
  const char letter = platform::letterOf(code);
  if (letter != 0 && typesLetters_) {
    return {DesktopAction::Kind::TypeLetter, static_cast<uint8_t>(letter)};
  }
  for (const DesktopBinding& binding : bindings_) {
    if (binding.code == code) return binding.action;
  }
  if (platform::isShiftedLetter(code)) return resolve(platform::letterKey(letter));
  return {};
}

std::optional<GameKey> Controls::softKeyAt(int32_t width, int32_t x, int32_t y) const {
  if (captionBandTop_ < 0 || y < captionBandTop_ || x < 0 || x >= width) return std::nullopt;
  return x < width / 2 ? kKeyLeftSoft : kKeyRightSoft;
}

std::vector<uint32_t> Controls::codesPressing(GameKey key) const {
  return codesPressingIn(bindings_, key);
}

std::vector<uint32_t> Controls::entryCodesPressing(GameKey key) const {
  return codesPressingIn(entryBindings_, key);
}

}  // namespace bt
