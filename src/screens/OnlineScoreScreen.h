#pragma once
// Runs one score exchange at the player's request and shows its progress: a
// framed panel slides in, three steps with a marker each stand in it, a busy
// marker runs beside the step in progress, a tick shows completion, and a
// status line says what is happening. "DONE" returns to the score table;
// the right soft key is "CONNECT", or "STOP" while an exchange runs, which
// cancels it and returns to idle. The exchange's worker calls notify from
// its own thread; the status, its text and the dirty flag are kept under one
// lock that frame also takes. A completed exchange's rows go into the score
// table on this screen's thread, in the frame after.
//
// Each exchange also sends the player's unsent personal records and fetches
// the world's bests after its own request (RecordsExchange), without a
// change to the status or its texts; what they brought is taken on this
// screen's thread as the table is.
#include <array>
#include <mutex>
#include <string>
#include <string_view>

#include "app/Screen.h"
#include "gfx/Animation.h"
#include "gfx/SlidingItem.h"
#include "gfx/SpriteBank.h"
#include "net/ExchangeStatus.h"
#include "net/HighScoreClient.h"
#include "net/ScoreServer.h"
#include "screens/ScreenPlaces.h"

namespace bt {

class OnlineScoreScreen : public Screen, public ExchangeListener {
 public:
  static constexpr int kItems = 17;

  OnlineScoreScreen(Application& app, const ScoreServer& server);
  // Ends a running exchange before anything it reports to is gone.
  ~OnlineScoreScreen() override;

  void enter() override;
  // Ends a running exchange; rows it completed with before go into the table.
  void leave() override;
  void frame() override;
  void keyDown(GameKey key) override;
  // Any thread.
  void notify(ExchangeStatus status) override;
  // Escape is "DONE"; the caption band lies under "DONE" and "CONNECT".
  Controls controls() const override;

  ExchangeStatus status() const;
  std::string statusText() const;

 private:
  struct Shown {
    ExchangeStatus status;
    std::string text;
    bool dirty;
  };

  void setUpItems();
  // Rows of a completed exchange into the table; false when there were none.
  bool applyReceived();
  // What the records sent with the last exchange brought, once it ended.
  void applyExtras();
  // Takes what frame draws, clearing the dirty flag.
  Shown takeShown();
  void drawStill(const std::string& text);
  void drawStatusText(std::string_view text);
  void drawCaption(int32_t fixedX, int32_t buttonFromMiddle, std::string_view text);
  void drawCaptions(ExchangeStatus status);
  void drawBusyMarker(ExchangeStatus status);

  const OnlineScorePlaces& places_;
  HighScoreClient client_;
  std::array<SlidingItem, kItems> items_{};
  SpriteBank sprites_;
  Animation animation_;
  AnimationSequence* busy_ = nullptr;  // borrowed from animation_
  ExchangeExtras sentExtras_;          // with the last exchange started

  mutable std::mutex mutex_;  // guards the three below
  ExchangeStatus status_ = ExchangeStatus::Idle;
  std::string statusText_;
  bool dirty_ = false;
};

}  // namespace bt
