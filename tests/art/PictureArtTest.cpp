// The board, menu and online pictures: each index a screen names exists
// with a size that fits where the screen draws it.
#include <gtest/gtest.h>

#include <string>

#include "ArtSupport.h"
#include "art/BoardSprites.h"
#include "art/InterfaceSprites.h"
#include "art/OnlineSprites.h"
#include "gfx/Animation.h"
#include "gfx/Font.h"
#include "gfx/SpriteBank.h"
#include "screens/GameView.h"
#include "screens/ScreenPlaces.h"

namespace bt::test {
namespace {

class DisplayArtTest : public testing::TestWithParam<DisplaySize> {
 protected:
  // One of the art set's banks: kBoardBanks or kInterfaceBanks.
  SpriteBank load(const std::array<const char*, 2>& banks) {
    const std::string name = banks[GetParam().small() ? 0 : 1];
    SpriteBank bank;
    EXPECT_TRUE(bank.load(artFile("Game_Sprite/" + name + ".spr"))) << name;
    return bank;
  }
};

TEST_P(DisplayArtTest, BoardPicturesFitTheirPlaces) {
  const DisplaySize d = GetParam();
  const SpriteBank bank = load(kBoardBanks);
  ASSERT_GE(bank.count(), kBoardSpriteCount);
  const GamePlaces& places = gamePlaces(d.artSet());
  const int pitch = places.cellPitch;
  for (uint32_t i = kSpriteMarkerCell; i < kSpriteMarkerCell + 4; ++i) {
    EXPECT_EQ(bank.sprite(i)->width, pitch) << "picture " << i;
    EXPECT_EQ(bank.sprite(i)->height, pitch) << "picture " << i;
  }
  for (uint32_t i = kSpriteTile; i < kSpriteTile + 4; ++i) {
    EXPECT_EQ(bank.sprite(i)->width, pitch) << "picture " << i;
    EXPECT_EQ(bank.sprite(i)->height, pitch) << "picture " << i;
  }
  EXPECT_EQ(bank.sprite(kSpriteEmptyCell)->width, pitch);
  EXPECT_EQ(bank.sprite(kSpriteEmptyCell)->height, pitch);
  // A tile leaves the middle of its cell black, so the marker shows.
  for (uint32_t i = kSpriteTile; i < kSpriteTile + 4; ++i) {
    const Sprite& tile = *bank.sprite(i);
    const int mid = pitch / 2, r = pitch * 3 / 10;
    for (int y = mid - r; y <= mid + r; ++y) {
      for (int x = mid - r; x <= mid + r; ++x) {
        if ((x - mid) * (x - mid) + (y - mid) * (y - mid) <= r * r) {
          EXPECT_EQ(tile.pixels[y * pitch + x], 0) << "tile " << i << " at " << x << "," << y;
        }
      }
    }
  }
  // The status bar stands at the bottom with the status text centred on it.
  const Sprite& bar = *bank.sprite(kSpriteStatusBar);
  const Box b = placed(bar, d.w / 2, d.h - bar.height - places.statusBarAboveBottom);
  EXPECT_TRUE(b.inside(d.w, d.h));
  Font font;
  ASSERT_TRUE(font.load(artFile(std::string("Game_Sprite/font") + d.suffix + ".spr")));
  const int textTop = d.h - places.statusTextAboveBottom, cap = font.glyphs().sprite(30)->height;
  EXPECT_LE(std::abs((2 * textTop + cap) - (b.top + b.bottom)), 3);
  for (GameStatus status : {GameStatus::Playing, GameStatus::LevelComplete, GameStatus::GameOver}) {
    const std::string text = GameView::statusText(status, kLastLevelIndex);
    EXPECT_LE(font.measureLine(text) + 6, bar.width) << text;
  }
  if (places.buttonsShown) {
    // Each button's picture fills its pen target.
    struct Place {
      uint32_t picture;
      HitRect target;
    };
    for (const Place& p : {Place{kSpriteMenuButton, kGameButtons[0].on(d.w, d.h, 0)},
                           Place{kSpriteRotateLeftButton, kGameButtons[1].on(d.w, d.h, 1)},
                           Place{kSpriteRotateRightButton, kGameButtons[2].on(d.w, d.h, 2)}}) {
      const Box want{p.target.x0, p.target.y0, p.target.x1, p.target.y1};
      const Box got = placed(*bank.sprite(p.picture), want.left, want.top);
      EXPECT_EQ(got.right, want.right) << "picture " << p.picture;
      EXPECT_EQ(got.bottom, want.bottom) << "picture " << p.picture;
      EXPECT_EQ(got.left, want.left) << "picture " << p.picture;
    }
  }
}

TEST_P(DisplayArtTest, MenuPicturesFitTheLayouts) {
  const DisplaySize d = GetParam();
  const SpriteBank bank = load(kInterfaceBanks);
  ASSERT_GE(bank.count(), kInterfaceSpriteCount);
  const InterfacePlaces& places = interfacePlaces(d.artSet());
  for (uint32_t unused : {2u, 3u, 8u}) {
    EXPECT_EQ(bank.sprite(unused)->width, 1);
    EXPECT_EQ(bank.sprite(unused)->height, 1);
  }
  const int th = bank.sprite(kSpriteMenuTitle)->height, half = th / 2;
  EXPECT_EQ(th, d.small() ? 32 : 40);
  for (uint32_t title : {kSpriteMenuTitle, kSpriteOptionsTitle, kSpriteHelpTitle}) {
    EXPECT_EQ(bank.sprite(title)->height, th) << "title " << title;
    EXPECT_TRUE(placed(*bank.sprite(title), d.w / 2, half).inside(d.w, d.h)) << "title " << title;
  }
  // Menu entries with the cursor beside them on every row.
  const Sprite& cursor = *bank.sprite(kSpriteCursor);
  const int D = places.cursorFromMiddle;
  const auto& entries = kMenuEntrySprites;
  for (int k = 0; k < static_cast<int>(entries.size()); ++k) {
    const Sprite& entry = *bank.sprite(entries[k]);
    const int y = 2 * half + th + k * th;
    const Box e = placed(entry, d.w / 2, y), left = placed(cursor, d.w / 2 - D, y),
              right = placed(cursor, d.w / 2 + D, y);
    EXPECT_LE(entry.height, th) << "entry " << entries[k];
    EXPECT_TRUE(e.inside(d.w, d.h)) << "entry " << entries[k];
    EXPECT_TRUE(left.inside(d.w, d.h) && right.inside(d.w, d.h)) << "cursor on row " << k;
    EXPECT_LE(left.right, e.left) << "entry " << entries[k] << " under the cursor";
    EXPECT_GE(right.left, e.right) << "entry " << entries[k] << " under the cursor";
  }
  // Panels stacked one title height apart, then the two buttons below.
  const int rows = places.panelRows;
  for (uint32_t p : {kSpriteTopPanel, kSpriteMiddlePanel, kSpriteBottomPanel}) {
    EXPECT_EQ(bank.sprite(p)->height, th) << "panel " << p;
    EXPECT_LE(bank.sprite(p)->width, d.w) << "panel " << p;
  }
  const Box lastPanel =
      placed(*bank.sprite(kSpriteBottomPanel), d.w / 2, half + th + (rows - 1) * th);
  const Sprite& button = *bank.sprite(kSpriteButton);
  const int bh = button.height, bw = button.width;
  const int Y = half + places.buttonRowTitles * th - places.buttonRowLift * bh;
  const int E = Y + places.buttonRestFromRow;
  const Box leftButton = placed(button, d.w / 2 - bw / 2, E),
            rightButton = placed(button, d.w / 2 + bw / 2, E);
  EXPECT_TRUE(leftButton.inside(d.w, d.h) && rightButton.inside(d.w, d.h));
  EXPECT_LE(lastPanel.bottom, leftButton.top);
  // Option rows and help text stay inside the panel.
  Font font;
  ASSERT_TRUE(font.load(artFile(std::string("Game_Sprite/font") + d.suffix + ".spr")));
  const OptionsPlaces& options = optionsPlaces(d.artSet());
  EXPECT_GE(options.firstRowY, th + 6);
  EXPECT_LE(options.firstRowY + options.rowPitch * 8 + font.linePitch(), lastPanel.bottom - 6);
  EXPECT_LE(places.textTop + places.paragraphGap + 3 * font.linePitch(), lastPanel.bottom - 6);
}

INSTANTIATE_TEST_SUITE_P(Displays, DisplayArtTest, testing::ValuesIn(kDisplays),
                         [](const testing::TestParamInfo<DisplaySize>& info) {
                           return std::string("d") + info.param.suffix;
                         });

TEST(OnlineArtTest, PicturesFitTheLayoutOnBothDisplays) {
  SpriteBank bank;
  ASSERT_TRUE(bank.load(artFile(std::string("Game_Sprite/") + kOnlineBank + ".spr")));
  for (uint32_t i : {kSpriteOnlineTitle, kSpriteLeftOrnament, kSpriteRightOrnament, kSpriteChain,
                     kSpriteOnlineButton, kSpriteOnlinePanelTop, kSpriteOnlinePanelRow,
                     kSpriteOnlinePanelBottom, kSpriteFirstStep, kSpriteFirstStep + 1,
                     kSpriteFirstStep + 2, kSpriteStepMarker, kSpriteTick}) {
    ASSERT_NE(bank.sprite(i), nullptr) << i;
    EXPECT_GT(bank.sprite(i)->width * bank.sprite(i)->height, 1) << i;
  }
  for (const DisplaySize& d : kDisplays) {
    const OnlineScorePlaces& p = onlineScorePlaces(d.artSet());
    EXPECT_EQ(bank.sprite(kSpriteOnlinePanelRow)->height, p.rowPitch);
    const int mid = d.w / 2;
    const int lastRowY = p.firstRowY + (p.panelRows - 1) * p.rowPitch;
    struct Item {
      uint32_t sprite;
      int x, y;
    };
    std::vector<Item> items = {{kSpriteOnlineTitle, mid, p.titleY},
                               {kSpriteLeftOrnament, mid - p.ornamentFromMiddle, p.titleY},
                               {kSpriteRightOrnament, mid + p.ornamentFromMiddle, p.titleY},
                               {kSpriteChain, mid + p.leftChainFromMiddle, p.chainY},
                               {kSpriteChain, mid + p.rightChainFromMiddle, p.chainY},
                               {kSpriteOnlinePanelTop, mid, p.panelTopY},
                               {kSpriteOnlinePanelRow, mid, p.firstRowY},
                               {kSpriteOnlinePanelRow, mid, lastRowY},
                               {kSpriteOnlinePanelBottom, mid, p.panelBottomY},
                               {kSpriteOnlineButton, mid - p.buttonFromMiddle, p.buttonY},
                               {kSpriteOnlineButton, mid + p.buttonFromMiddle, p.buttonY},
                               {kSpriteTick, mid + p.markerFromMiddle, p.markerY[kStepCount - 1]}};
    for (int i = 0; i < kStepCount; ++i) {
      items.push_back({kSpriteFirstStep + i, mid + p.stepFromMiddle, p.stepY[i]});
      items.push_back({kSpriteStepMarker, mid + p.markerFromMiddle, p.markerY[i]});
    }
    for (const Item& it : items)
      EXPECT_TRUE(placed(*bank.sprite(it.sprite), it.x, it.y).inside(d.w, d.h))
          << "sprite " << it.sprite << " on " << d.suffix;
    // The panel: top edge, rows and bottom edge join without gaps.
    const Box top = placed(*bank.sprite(kSpriteOnlinePanelTop), mid, p.panelTopY),
              row = placed(*bank.sprite(kSpriteOnlinePanelRow), mid, p.firstRowY),
              last = placed(*bank.sprite(kSpriteOnlinePanelRow), mid, lastRowY),
              bottom = placed(*bank.sprite(kSpriteOnlinePanelBottom), mid, p.panelBottomY);
    EXPECT_EQ(top.bottom, row.top);
    EXPECT_EQ(last.bottom, bottom.top);
  }
}

TEST(OnlineArtTest, BusyIndicatorLoopsOverPicturesThatCoverTheMarker) {
  SpriteBank bank;
  ASSERT_TRUE(bank.load(artFile(std::string("Game_Sprite/") + kOnlineBank + ".spr")));
  Animation animation;
  ASSERT_TRUE(animation.load(artFile(std::string("Game_Animation/") + kOnlineAnimation + ".ani")));
  AnimationSequence* busy = animation.sequence(0);
  ASSERT_NE(busy, nullptr);
  const Sprite& marker = *bank.sprite(kSpriteStepMarker);
  int frames = 0;
  for (int i = 0; i < 1000; ++i) {
    const uint16_t result = AnimationPlayer::advance(*busy);
    ASSERT_NE(result, 0) << "the indicator ended after " << i << " advances";
    if (result != 2) continue;
    ++frames;
    const AnimationCommand* c = AnimationPlayer::currentCommand(*busy);
    ASSERT_EQ(c->type, 0u);
    ASSERT_GE(c->argument, static_cast<int>(kSpriteFirstBusyFrame))
        << "busy frames stand at free indices";
    const Sprite* s = bank.sprite(static_cast<uint32_t>(c->argument));
    ASSERT_NE(s, nullptr);
    // Drawn keyed over the previous frame without clearing: it must cover
    // the marker's square with no black pixel.
    const Box b = placed(*s, 33, 98), m = placed(marker, 33, 98);
    EXPECT_TRUE(b.left <= m.left && b.top <= m.top && b.right >= m.right && b.bottom >= m.bottom);
    for (uint16_t p : s->pixels) ASSERT_NE(p, 0) << "frame " << c->argument;
  }
  EXPECT_GT(frames, 20);
}

}  // namespace
}  // namespace bt::test
