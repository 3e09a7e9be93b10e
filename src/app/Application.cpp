#include "app/Application.h"

#include <new>
#include <utility>

#include "game/PuzzleId.h"
#include "platform/VirtualKeys.h"

namespace bt {

Application::Application(platform::Platform& platform, int32_t width, int32_t height,
                         ScreenFactory factory, Folders folders)
    : ApplicationBase(platform, width, height),
      folders_(std::move(folders)),
      player_(folders_,
              [&platform](const std::string& message) { platform.reportSaveFailure(message); }),
      artSet_(width == 176 ? 0 : 1),
      factory_(std::move(factory)) {
  font_.load(
      makePath(artSet_ == 0 ? "Game_Sprite\\font176x220.spr" : "Game_Sprite\\font240x320.spr"));
  player_.load();
  movesShown_ = platform.readRegistryString(kLegendKey, kMovesShownValue) == "1";
  platform.showMovesChoice(movesShown_);
  // The frame buffer is still black, so the first fade step ends at once and
  // the intro is entered on the first frame.
  requestScreen(ScreenId::Intro);
}

std::string Application::makePath(std::string_view name) const {
  return folders_.makePath(name);
}

bool Application::openPuzzle(std::string_view id) {
  const auto spec = puzzle::parsePuzzleId(id);
  // A name typed into the score table is stored only by its soft keys.
  if (!spec || player_.scores().getHighlighted() >= 0) return false;
  ScreenRequest request(ScreenId::Play);
  request.puzzleId = puzzle::formatPuzzleId(*spec);
  requestScreen(request);
  return true;
}

void Application::showPlayLine(const std::string& text) {
  if (text == playLine_) return;
  playLine_ = text;
  platform().showPlayLine(text);
}

void Application::setMovesShown(bool shown) {
  movesShown_ = shown;
  platform().writeRegistryString(kLegendKey, kMovesShownValue, shown ? "1" : "0");
  platform().showMovesChoice(shown);
  if (currentScreen_) currentScreen_->movesShownChanged();
}

Application::~Application() {
  player_.writeSettings();
  currentScreen_.reset();  // without leave: the program is ending
}

bool Application::tick() {
  if (!switchPending()) {
    if (currentScreen_) currentScreen_->frame();
    return true;
  }
  if (!frameBuffer().fadeStep(kFadeStep, true, true, true)) {
    setRedrawPending();  // show the darker picture this frame
    return true;
  }
  setSwitchPending(false);
  performSwitch();
  return true;
}

bool Application::still() const {
  if (switchPending() || redrawPending() || !currentScreen_) return false;
  for (int channel = 0; channel < SoundMixer::kChannels; ++channel) {
    if (mixer().channelSound(channel) != nullptr) return false;
  }
  return currentScreen_->still();
}

void Application::requestScreen(const ScreenRequest& request) {
  mixer().stopAll();
  showLegend(false);  // the fade shows the screen's own picture
  // Only the low 8 bits of a request count.
  const auto screen = static_cast<ScreenId>(static_cast<uint32_t>(request.id) & 0xFF);
  if (screen == ScreenId::Quit) {
    quit();
    return;
  }
  pendingScreen_ = request;
  pendingScreen_.id = screen;
  setSwitchPending(true);
}

void Application::performSwitch() {
  if (currentScreen_) currentScreen_->leave();
  currentScreen_.reset();
  // The request's session goes with the screen made for it.
  const ScreenRequest request = std::exchange(pendingScreen_, ScreenRequest{});
  if (!factory_) return;
  try {
    currentScreen_ = factory_(request, *this);
  } catch (const std::bad_alloc&) {
    currentScreen_.reset();  // no screen: keys and frames reach nothing
  }
  if (!currentScreen_) return;
  currentScreen_->enter();
  introduceLegend();
  legendMayHaveChanged();
}

void Application::keyUp(GameKey key) {
  if (currentScreen_) currentScreen_->keyUp(key);
}

void Application::keyDown(GameKey key) {
  if (legendShown_) {
    showLegend(false);
    return;
  }
  deliverKey(key);
}

void Application::deliverKey(GameKey key) {
  if (!currentScreen_) return;
  currentScreen_->keyDown(key);
  legendMayHaveChanged();
}

void Application::desktopKeyDown(uint32_t code) {
  if (!currentScreen_) return;
  if (code == platform::kVkLegend || legendShown_) {
    showLegend(!legendShown_);
    return;
  }
  if (code == platform::kVkMovesShown || code == platform::kVkMovesHidden) {
    setMovesShown(code == platform::kVkMovesShown);
    return;
  }
  perform(currentScreen_->controls().resolve(code));
}

void Application::perform(DesktopAction action) {
  using Kind = DesktopAction::Kind;
  switch (action.kind) {
    case Kind::None:
      return;
    case Kind::PressKey:
      deliverKey(action.value);
      return;
    case Kind::Command:
      currentScreen_->command(action.value);
      break;
    case Kind::Undo:
      // Not while the picture fades: the screen draws nothing then.
      if (!switchPending()) currentScreen_->undo();
      break;
    case Kind::Redo:
      if (!switchPending()) currentScreen_->redo();
      break;
    case Kind::TypeLetter:
      currentScreen_->typeLetter(static_cast<char>(action.value));
      break;
  }
  legendMayHaveChanged();
}

void Application::penDown(uint16_t x, uint16_t y) {
  if (!currentScreen_) return;
  if (legendShown_) {
    showLegend(false);
    return;
  }
  // The caption band stands for the phone's soft keys under the captions.
  if (const auto softKey = currentScreen_->controls().softKeyAt(width(), x, y)) {
    deliverKey(*softKey);
    return;
  }
  currentScreen_->penDown(x, y);
  legendMayHaveChanged();
}

void Application::penUp(uint16_t x, uint16_t y) {
  if (currentScreen_) currentScreen_->penUp(x, y);
}

void Application::penMove(uint16_t x, uint16_t y) {
  if (currentScreen_) currentScreen_->penMove(x, y);
}

void Application::showLegend(bool on) {
  if (on == legendShown_) return;
  legendShown_ = on;
  setRedrawPending();  // the picture with or without the legend over it
}

std::vector<LegendRow> Application::legendRows() const {
  if (!currentScreen_) return {};
  return bt::legendRows(currentScreen_->controls(), player_.settings().keyMap);
}

const FrameBuffer& Application::pictureToPresent() {
  if (!legendShown_) return frameBuffer();
  if (!overlaid_) overlaid_ = std::make_unique<FrameBuffer>(width(), height());
  *overlaid_ = frameBuffer();
  drawLegend(*overlaid_, font_, artSet_, legendRows());
  return *overlaid_;
}

void Application::introduceLegend() {
  if (!introducesLegend_ || !currentScreen_->controls().introducesLegend()) return;
  if (platform().readRegistryString(kLegendKey, kLegendShownValue) == "1") return;
  // Shown once, remembered even when the player closes it at once.
  platform().writeRegistryString(kLegendKey, kLegendShownValue, "1");
  showLegend(true);
}

void Application::legendMayHaveChanged() {
  std::string text = legendPageText(legendRows());
  if (text == legendText_) return;
  legendText_ = std::move(text);
  platform().showKeyLegend(legendText_);
}

}  // namespace bt
