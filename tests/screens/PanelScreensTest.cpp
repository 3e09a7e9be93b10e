// The help and the new-game confirmation: they answer only their soft keys
// and taps in their button bands; the help's band reaches down to the bottom
// edge (its caption band), the confirmation keeps its buttons' bands.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "screens/FrontEndFixture.h"

namespace bt::test {
namespace {

struct PanelScreen {
  const char* name;
  ScreenId id;
  std::map<GameKey, int> answers;  // key -> the screen it opens
  bool captionBand;                // taps below the buttons press them too
};

const PanelScreen kScreens[] = {
    {"help", ScreenId::Help, {{kKeyLeftSoft, 2}}, true},
    {"confirmation", ScreenId::ConfirmNewGame, {{kKeyLeftSoft, 1}, {kKeyRightSoft, 2}}, false},
};

using PanelScreensTest = FrontEndTest;

TEST_F(PanelScreensTest, OnlyTheirSoftKeysAnswerAndOtherKeysRedrawNothing) {
  for (const PanelScreen& s : kScreens) {
    SCOPED_TRACE(s.name);
    for (auto [answer, opens] : s.answers) {
      open(s.id);
      EXPECT_GT(settle(), 0);
      const int before = presents();
      for (int k = kFirstDeviceKey; k <= kLastDeviceKey; ++k) {
        if (!s.answers.contains(static_cast<GameKey>(k))) app_->keyDown(static_cast<GameKey>(k));
      }
      EXPECT_EQ(nextScreen(), kNoScreen);
      EXPECT_EQ(presents(), before);
      app_->keyDown(answer);
      EXPECT_EQ(nextScreen(), opens) << int(answer);
    }
  }
}

TEST_F(PanelScreensTest, TapsAnswerOnlyInTheButtonBandsEvenWhileSliding) {
  for (DisplaySize d : kDisplays) {
    SCOPED_TRACE(::testing::PrintToString(d));
    for (const PanelScreen& s : kScreens) {
      SCOPED_TRACE(s.name);
      open(s.id, d);
      const int y = buttonRowY(), half = d.w / 2;
      const int left = s.answers.at(kKeyLeftSoft);
      const int right = s.answers.contains(kKeyRightSoft) ? s.answers.at(kKeyRightSoft) : kNoScreen;
      struct Tap {
        int x, y, expected;
      };
      const int below = s.captionBand ? left : kNoScreen;
      const int belowRight = s.captionBand ? right : kNoScreen;
      const Tap taps[] = {
          {0, y - 10, left},         {half - 1, y + 9, left},        {half, y - 10, right},
          {d.w - 1, y + 9, right},   {half / 2, y - 11, kNoScreen},  {half / 2, y + 10, below},
          {0, d.h - 1, below},       {d.w - 1, d.h - 1, belowRight}, {half, 80, kNoScreen},
          {half / 2, 20, kNoScreen},
      };
      for (const Tap& t : taps) {
        SCOPED_TRACE(::testing::Message() << t.x << "," << t.y);
        open(s.id, d);
        app_->penDown(static_cast<uint16_t>(t.x), static_cast<uint16_t>(t.y));
        EXPECT_EQ(nextScreen(), t.expected);
      }
    }
  }
}

}  // namespace
}  // namespace bt::test
