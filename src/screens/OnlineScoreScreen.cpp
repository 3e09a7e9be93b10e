#include "screens/OnlineScoreScreen.h"

#include "app/Application.h"
#include "art/OnlineSprites.h"
#include "gfx/Blit.h"
#include "gfx/Colour.h"
#include "net/protocol/ScoreCheck.h"
#include "platform/os/Warning.h"
#include "screens/RecordsExchange.h"
#include "screens/ScoreTableExchange.h"
#include "screens/ScreenControls.h"

namespace bt {

namespace {

// The title, two ornaments, two chains, the panel's top, rows and bottom,
// and two buttons.
static_assert(9 + kOnlineScorePlaces176x220.panelRows == OnlineScoreScreen::kItems);
static_assert(9 + kOnlineScorePlaces240x320.panelRows == OnlineScoreScreen::kItems);
static_assert(kOnlineScorePlaces176x220.stepY.size() == kStepCount);

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
    : Screen(app), places_(onlineScorePlaces(app.artSet())), client_(app.platform().network()) {
  client_.setGameId(kScoreGameId);
  client_.setServer(server);
  // Why the server said no goes beside the phone's picture, never into it.
  client_.setRefusalReporter([](std::string_view reason) { warn(reason); });
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
  const OnlineScorePlaces& p = places_;
  const int32_t w = app().width();
  const int32_t half = w / 2;
  const int32_t fromLeft = -p.startBeyondSide, fromRight = w + p.startBeyondSide;
  auto sprite = [this](uint32_t index) { return sprites_.sprite(index); };
  size_t n = 0;
  items_[n++].set(half, -p.titleY, half, p.titleY, 0, p.titleSpeed, sprite(kSpriteOnlineTitle));
  for (int side : {-1, 1}) {
    const int32_t x = half + side * p.ornamentFromMiddle;
    items_[n++].set(x, -p.titleY, x, p.titleY, 0, p.ornamentSpeed,
                    sprite(side < 0 ? kSpriteLeftOrnament : kSpriteRightOrnament));
  }
  items_[n++].set(fromLeft, p.chainY, half + p.leftChainFromMiddle, p.chainY, p.rowSpeed, 0,
                  sprite(kSpriteChain));
  items_[n++].set(fromRight, p.chainY, half + p.rightChainFromMiddle, p.chainY, -p.rowSpeed, 0,
                  sprite(kSpriteChain));
  items_[n++].set(fromLeft, p.panelTopY, half, p.panelTopY, p.rowSpeed, 0,
                  sprite(kSpriteOnlinePanelTop));
  for (int i = 0; i < p.panelRows; ++i) {
    const int32_t y = p.firstRowY + p.rowPitch * i;
    const bool left = i % 2 == 0;
    items_[n++].set(left ? fromLeft : fromRight, y, half, y, left ? p.rowSpeed : -p.rowSpeed, 0,
                    sprite(kSpriteOnlinePanelRow));
  }
  items_[n++].set(fromRight, p.panelBottomY, half, p.panelBottomY, -p.rowSpeed, 0,
                  sprite(kSpriteOnlinePanelBottom));
  for (int side : {-1, 1}) {
    const int32_t x = half + side * p.buttonFromMiddle;
    items_[n++].set(x, p.buttonStartY, x, p.buttonY, 0, -p.buttonSpeed,
                    sprite(kSpriteOnlineButton));
  }
}

bool OnlineScoreScreen::applyReceived() {
  return bt::applyReceived(client_, app().player().scores());
}

void OnlineScoreScreen::applyExtras() {
  if (const std::optional<ExtrasOutcome> outcome = client_.takeExtras()) {
    takeRecordsOutcome(app().player(), sentExtras_, *outcome);
  }
}

void OnlineScoreScreen::leave() {
  client_.stop();
  applyReceived();
  applyExtras();
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
      applyExtras();    // and records settled before are not sent again
      sentExtras_ = recordExtras(app().player());
      client_.start(*this, provenSubmission(app().player()), sentExtras_);
      return;
    }
    // "STOP": the worker is gone when stop returns. Had it completed just
    // before, its rows are taken and "Complete." stays; otherwise idle.
    client_.stop();
    if (!applyReceived()) notify(ExchangeStatus::Idle);
  }
}

Controls OnlineScoreScreen::controls() const {
  return onlineScoreControls(places_.captionBandTop);
}

void OnlineScoreScreen::notify(ExchangeStatus status) {
  // The idle text depends on the table, which only this thread reads; the
  // worker never reports idle.
  const bool submitting =
      status == ExchangeStatus::Idle && app().player().scores().getHighlighted() != -1;
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
  applyExtras();
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
    blitKeyed(sprites_.sprite(kSpriteTick), fb, half + places_.markerFromMiddle,
              places_.markerY[kStepCount - 1], true);
    a.setRedrawPending();
    return;
  }
  if (isRunning(shown.status)) drawBusyMarker(shown.status);
}

void OnlineScoreScreen::drawStill(const std::string& text) {
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  const int32_t half = a.width() / 2;
  for (size_t i = 0; i < kStepCount; ++i) {
    blitKeyed(sprites_.sprite(kSpriteFirstStep + static_cast<uint32_t>(i)), fb,
              half + places_.stepFromMiddle, places_.stepY[i], true);
    blitKeyed(sprites_.sprite(kSpriteStepMarker), fb, half + places_.markerFromMiddle,
              places_.markerY[i], true);
  }
  drawStatusText(text);
}

// Each line starts at its place; a line that would run over the panel's
// right border (the larger font of the wide display) is centred on the panel.
void OnlineScoreScreen::drawStatusText(std::string_view text) {
  Application& a = app();
  Font& font = a.font();
  const int32_t half = a.width() / 2;
  font.setColour(kTextGrey);
  int32_t y = places_.statusY;
  const int32_t left = half + places_.statusFromMiddle;
  while (true) {
    const int32_t width = font.measureLine(text);
    const int32_t x = left + width > half + places_.panelInsideFromMiddle ? half - width / 2 : left;
    const size_t end = font.drawTextLine(x, y, text, a.frameBuffer());
    if (end >= text.size()) break;
    text.remove_prefix(end + 1);
    y += font.linePitch();
  }
}

// At their fixed places, or centred on their buttons (see OnlineScorePlaces).
void OnlineScoreScreen::drawCaption(int32_t fixedX, int32_t buttonFromMiddle,
                                    std::string_view text) {
  Application& a = app();
  Font& font = a.font();
  const int32_t buttonX = a.width() / 2 + buttonFromMiddle;
  const int32_t x = places_.captionsCentred ? buttonX - font.measureLine(text) / 2 : fixedX;
  font.drawText(x, places_.captionY, text, a.frameBuffer());
}

void OnlineScoreScreen::drawCaptions(ExchangeStatus status) {
  app().font().setColour(kTextGrey);
  drawCaption(places_.doneX, -places_.buttonFromMiddle, "DONE");
  if (isRunning(status)) {
    drawCaption(places_.stopX, places_.buttonFromMiddle, "STOP");
  } else {
    drawCaption(places_.connectX, places_.buttonFromMiddle, "CONNECT");
  }
}

// The busy marker of the step in progress, drawn over the last picture.
void OnlineScoreScreen::drawBusyMarker(ExchangeStatus status) {
  if (busy_ == nullptr) return;
  Application& a = app();
  const int32_t y = places_.markerY[status == ExchangeStatus::Connecting ? 0 : 1];
  const AnimationCommand* command = AnimationPlayer::currentCommand(*busy_);
  if (command && command->type == 0 && command->argument >= 0) {
    blitKeyed(sprites_.sprite(static_cast<uint32_t>(command->argument)), a.frameBuffer(),
              a.width() / 2 + places_.markerFromMiddle, y, true);
  }
  const uint16_t result = AnimationPlayer::advance(*busy_);
  if (result == AnimationPlayer::kEnded) {
    AnimationPlayer::restart(*busy_);
  } else if (result == AnimationPlayer::kNewFrame) {
    a.setRedrawPending();
  }
}

}  // namespace bt
