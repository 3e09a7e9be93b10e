#include "screens/OnlineScoreScreen.h"

#include "app/Application.h"
#include "art/OnlineSprites.h"
#include "gfx/Blit.h"
#include "gfx/Colour.h"
#include "net/protocol/ScoreCheck.h"
#include "screens/ScoreTableExchange.h"

namespace bt {

namespace {

constexpr int32_t kCaptionY = 208;
constexpr int32_t kStatusY = 170;
constexpr int32_t kPanelInside = 78;   // the panel's inside ends at W/2 + 78
constexpr int32_t kButtonOffset = 46;  // the soft-key buttons stand at W/2 -+ 46
constexpr int32_t kStepX = 45;         // the step pictures stand at W/2 - 45
constexpr int32_t kMarkerX = 55;       // their markers at W/2 - 55
constexpr int32_t kStepPictureY[3] = {60, 90, 120};
constexpr int32_t kMarkerY[3] = {68, 98, 128};

const char* textFor(ExchangeStatus status, bool submitting) {
  switch (status) {
    case ExchangeStatus::Idle:
      return submitting ? "Select connect to submit your\nhighest score"
                        : "Select connect to get the scores.";
    case ExchangeStatus::Connecting:
      return "Dialing Connection.";
    case ExchangeStatus::Exchanging:
      return "Exchanging data.";
    case ExchangeStatus::Complete:
      return "Complete.";
    case ExchangeStatus::Failed:
      break;
  }
  return "An error occured. Please try later.";
}

bool isRunning(ExchangeStatus status) {
  return status == ExchangeStatus::Connecting || status == ExchangeStatus::Exchanging;
}

}  // namespace

OnlineScoreScreen::OnlineScoreScreen(Application& app, const ScoreServer& server)
    : Screen(app), client_(app.platform().network()) {
  client_.setGameId(kScoreGameId);
  client_.setServer(server);
}

OnlineScoreScreen::~OnlineScoreScreen() {
  client_.stop();
}

void OnlineScoreScreen::enter() {
  Application& a = app();
  sprites_.load(a.makePath(onlineBankPath()));
  animation_.load(a.makePath(onlineAnimationPath()));
  busy_ = animation_.sequence(0);
  setUpItems();
  a.font().setColour(kTextGrey);
  notify(ExchangeStatus::Idle);
}

void OnlineScoreScreen::setUpItems() {
  const int32_t w = app().width();
  const int32_t half = w / 2;
  const int32_t a = w == 176 ? 8 : 12;
  auto sprite = [this](uint32_t index) { return sprites_.sprite(index); };
  items_[0].set(half, -19, half, 19, 0, 12, sprite(kSpriteOnlineTitle));
  items_[1].set(half - 79, -19, half - 79, 19, 0, a, sprite(kSpriteLeftOrnament));
  items_[2].set(half + 79, -19, half + 79, 19, 0, a, sprite(kSpriteRightOrnament));
  items_[3].set(-176, 42, half - 62, 42, 12, 0, sprite(kSpriteChain));
  items_[4].set(w + 176, 42, half + 60, 42, -12, 0, sprite(kSpriteChain));
  items_[5].set(-176, 52, half, 52, 12, 0, sprite(kSpriteOnlinePanelTop));
  for (int i = 0; i < 8; ++i) {
    const int32_t y = 68 + 16 * i;
    const bool fromLeft = i % 2 == 0;
    items_[6 + i].set(fromLeft ? -176 : w + 176, y, half, y, fromLeft ? 12 : -12, 0,
                      sprite(kSpriteOnlinePanelRow));
  }
  items_[14].set(w + 176, 196, half, 196, -12, 0, sprite(kSpriteOnlinePanelBottom));
  items_[15].set(half - kButtonOffset, 225, half - kButtonOffset, 212, 0, -12,
                 sprite(kSpriteOnlineButton));
  items_[16].set(half + kButtonOffset, 225, half + kButtonOffset, 212, 0, -12,
                 sprite(kSpriteOnlineButton));
}

bool OnlineScoreScreen::applyReceived() {
  return bt::applyReceived(client_, app().scores());
}

void OnlineScoreScreen::leave() {
  client_.stop();
  applyReceived();
  busy_ = nullptr;
  animation_.clear();
  sprites_.clear();
}

void OnlineScoreScreen::keyDown(GameKey key) {
  if (key == kKeyLeftSoft) {
    app().requestScreen(ScreenId::ScoreTable);
  } else if (key == kKeyRightSoft) {
    if (!isRunning(status())) {
      applyReceived();  // a table still waiting decides what this exchange does
      client_.start(*this, submissionFrom(app().scores()));
      return;
    }
    // "STOP": the worker is gone when stop returns. Had it completed just
    // before, its rows are taken and "Complete." stays; otherwise idle.
    client_.stop();
    if (!applyReceived()) notify(ExchangeStatus::Idle);
  }
}

void OnlineScoreScreen::notify(ExchangeStatus status) {
  // The idle text depends on the table, which only this thread reads; the
  // worker never reports idle.
  const bool submitting = status == ExchangeStatus::Idle && app().scores().getHighlighted() != -1;
  std::lock_guard<std::mutex> lock(mutex_);
  status_ = status;
  statusText_ = textFor(status, submitting);
  dirty_ = true;
}

ExchangeStatus OnlineScoreScreen::status() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return status_;
}

std::string OnlineScoreScreen::statusText() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return statusText_;
}

OnlineScoreScreen::Shown OnlineScoreScreen::takeShown() {
  std::lock_guard<std::mutex> lock(mutex_);
  Shown shown{status_, statusText_, dirty_};
  dirty_ = false;
  return shown;
}

void OnlineScoreScreen::frame() {
  applyReceived();  // rows of a completed exchange go into the table here
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  const Shown shown = takeShown();
  if (shown.dirty) {
    a.setRedrawPending();
    fb.clear();
    bool moving = false;
    for (SlidingItem& item : items_) moving = item.draw(fb) || moving;
    if (!moving) drawStill(shown.text);
    drawCaptions(shown.status);
    if (moving) {
      std::lock_guard<std::mutex> lock(mutex_);
      dirty_ = true;
      return;
    }
  }
  if (shown.status == ExchangeStatus::Complete) {
    const int32_t half = a.width() / 2;
    blitKeyed(sprites_.sprite(kSpriteTick), fb, half - kMarkerX, kMarkerY[2], true);
    a.setRedrawPending();
    return;
  }
  if (isRunning(shown.status)) drawBusyMarker(shown.status);
}

void OnlineScoreScreen::drawStill(const std::string& text) {
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  const int32_t half = a.width() / 2;
  for (int i = 0; i < kStepCount; ++i) {
    blitKeyed(sprites_.sprite(kSpriteFirstStep + i), fb, half - kStepX, kStepPictureY[i], true);
    blitKeyed(sprites_.sprite(kSpriteStepMarker), fb, half - kMarkerX, kMarkerY[i], true);
  }
  drawStatusText(text);
}

// Each line starts at W/2 - 60; a line that would run over the panel's right
// border (the larger font of the wide display) is centred on the panel.
void OnlineScoreScreen::drawStatusText(std::string_view text) {
  Application& a = app();
  Font& font = a.font();
  const int32_t half = a.width() / 2;
  font.setColour(kTextGrey);
  int32_t y = kStatusY;
  while (true) {
    const int32_t width = font.measureLine(text);
    const int32_t x = half - 60 + width > half + kPanelInside ? half - width / 2 : half - 60;
    const size_t end = font.drawTextLine(x, y, text, a.frameBuffer());
    if (end >= text.size()) break;
    text.remove_prefix(end + 1);
    y += font.linePitch();
  }
}

// On the narrow display the captions stand at their fixed places, which are
// the middle of its buttons; on the wide one they are centred on the buttons.
void OnlineScoreScreen::drawCaption(int32_t fixedX, int32_t buttonX, std::string_view text) {
  Application& a = app();
  Font& font = a.font();
  const int32_t x = a.width() == 176 ? fixedX : buttonX - font.measureLine(text) / 2;
  font.drawText(x, kCaptionY, text, a.frameBuffer());
}

void OnlineScoreScreen::drawCaptions(ExchangeStatus status) {
  const int32_t half = app().width() / 2;
  app().font().setColour(kTextGrey);
  drawCaption(34, half - kButtonOffset, "DONE");
  if (isRunning(status)) {
    drawCaption(122, half + kButtonOffset, "STOP");
  } else {
    drawCaption(115, half + kButtonOffset, "CONNECT");
  }
}

// The busy marker of the step in progress, drawn over the last picture.
void OnlineScoreScreen::drawBusyMarker(ExchangeStatus status) {
  if (busy_ == nullptr) return;
  Application& a = app();
  const int32_t y = status == ExchangeStatus::Connecting ? kMarkerY[0] : kMarkerY[1];
  const AnimationCommand* command = AnimationPlayer::currentCommand(*busy_);
  if (command && command->type == 0 && command->argument >= 0) {
    blitKeyed(sprites_.sprite(static_cast<uint32_t>(command->argument)), a.frameBuffer(),
              a.width() / 2 - kMarkerX, y, true);
  }
  const uint16_t result = AnimationPlayer::advance(*busy_);
  if (result == AnimationPlayer::kEnded) {
    AnimationPlayer::restart(*busy_);
  } else if (result == AnimationPlayer::kNewFrame) {
    a.setRedrawPending();
  }
}

}  // namespace bt
