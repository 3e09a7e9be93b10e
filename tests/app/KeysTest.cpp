#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/GameKey.h"
#include "app/KeyMap.h"

namespace bt {
namespace {

// Every virtual-key code that has a key, written out by hand.
const std::map<uint32_t, GameKey> kExpectedKeys = {
    {37, 1},   {39, 2},   {38, 3},   {40, 4},   {49, 5},   {50, 6},   {51, 7},   {52, 8},
    {53, 9},   {54, 10},  {55, 11},  {56, 12},  {57, 13},  {48, 14},  {112, 15}, {113, 16},
    {13, 17},  {27, 18},  {192, 19}, {222, 20}, {117, 21}, {118, 22}, {114, 23}, {115, 24},
    {194, 25}, {195, 26}, {196, 27}, {197, 28}, {198, 29}, {199, 30}, {200, 31}, {201, 32}};

TEST(KeyTables, EveryCodeMapsAsListedAndAllOthersToNothing) {
  for (uint32_t code = 0; code < 1024; ++code) {
    auto expected = kExpectedKeys.find(code);
    std::optional<GameKey> down = keyDownTable(code);
    SCOPED_TRACE(code);
    EXPECT_EQ(down, keyUpTable(code));
    if (expected == kExpectedKeys.end()) {
      EXPECT_FALSE(down.has_value());
    } else {
      EXPECT_EQ(down, expected->second);
      EXPECT_EQ(virtualKeyOf(expected->second), code);
    }
  }
  // The gaps between the listed codes, spelled out.
  for (uint32_t code : {116u, 119u, 150u, 191u, 193u, 202u, 210u, 221u, 0xFFFFFFFFu}) {
    EXPECT_FALSE(keyDownTable(code).has_value()) << code;
  }
  EXPECT_FALSE(virtualKeyOf(kKeyAwaiting).has_value());
  EXPECT_FALSE(virtualKeyOf(kKeyNone).has_value());
  EXPECT_FALSE(virtualKeyOf(33).has_value());
}

TEST(KeyNames, EveryCodeHasItsNameAndOthersShowDash) {
  const char* const names[] = {"Press Key", "Left",      "Right",      "Up",     "Down", "1",  "2",
                               "3",         "4",         "5",          "6",      "7",    "8",  "9",
                               "0",         "Left Menu", "Right Menu", "Action", "Back", "*",  "#",
                               "VolUp",     "VolDwn",    "F1",         "F2",     "F3",   "F4", "F5",
                               "F6",        "F7",        "F8",         "F9",     "F10"};
  for (int code = 0; code < 256; ++code) {
    std::string expected = code < 33 ? names[code] : "-";
    EXPECT_EQ(keyName(static_cast<GameKey>(code)), expected) << code;
    std::optional<GameKey> back = keyFromName(expected);
    if (code >= 1 && code <= 32) {
      EXPECT_EQ(back, code);
    } else {
      EXPECT_FALSE(back.has_value()) << code;
    }
  }
  EXPECT_FALSE(keyFromName("").has_value());
  EXPECT_FALSE(keyFromName("action").has_value());
}

TEST(KeyMap, ActionLabels) {
  const char* const labels[] = {"Move Up",     "Move Down",    "Move Left", "Move Right",
                                "Rotate Left", "Rotate Right", "Restart",   "Quit"};
  for (int entry = 0; entry < 8; ++entry) EXPECT_STREQ(actionLabel(entry), labels[entry]);
  EXPECT_EQ(actionLabel(8), nullptr);
  EXPECT_EQ(actionLabel(-1), nullptr);
}

TEST(KeyMap, FindActionTakesTheFirstEntryHoldingTheKey) {
  KeyMap map = kDefaultKeyMap;
  EXPECT_EQ(findAction(map, kKeyAction), kActionRotateLeft);
  EXPECT_EQ(findAction(map, kKeyRightSoft), 8);
  EXPECT_EQ(findAction(map, kKeyHash), kNoAction);
  // A damaged file giving one key to two entries: the lower entry wins.
  map[6] = kKeyUp;
  EXPECT_EQ(findAction(map, kKeyUp), 0);
  // An entry without a key is never found by a keypad key.
  map = {kKeyNone, kKeyNone, kKeyNone, kKeyNone, kKeyNone, kKeyNone, kKeyNone, kKeyNone, kKeyNone};
  for (int key = kFirstDeviceKey; key <= kLastDeviceKey; ++key) {
    EXPECT_EQ(findAction(map, static_cast<GameKey>(key)), kNoAction) << key;
  }
}

struct AssignCase {
  KeyMap before;
  GameKey key;
  int entry;
  KeyMap after;
};

TEST(KeyMap, AssignKeyTakesTheKeyAwayFromEveryOtherEntry) {
  const KeyMap d = kDefaultKeyMap;
  const AssignCase cases[] = {
      // Left soft key to move up: quit loses it.
      {d, 15, 0, {15, 4, 1, 2, 17, 18, 19, 254, 16}},
      // The hidden entry 8 takes part too.
      {d, 16, 6, {3, 4, 1, 2, 17, 18, 16, 15, 254}},
      // The code the entry already holds changes nothing.
      {d, 17, 4, d},
      // A fresh key touches only its own entry.
      {d, 20, 8, {3, 4, 1, 2, 17, 18, 19, 15, 20}},
      // Waiting for a key clears only another waiting entry.
      {{3, 4, 1, 2, 17, 0, 19, 15, 16}, 0, 2, {3, 4, 0, 2, 17, 254, 19, 15, 16}},
      // Duplicates from a damaged file are all resolved.
      {{3, 3, 1, 3, 17, 18, 19, 15, 3}, 3, 1, {254, 3, 1, 254, 17, 18, 19, 15, 254}},
      // Entries outside the map are ignored.
      {d, 20, 9, d},
      {d, 20, -1, d},
  };
  for (const AssignCase& c : cases) {
    KeyMap map = c.before;
    assignKey(map, c.key, c.entry);
    EXPECT_EQ(map, c.after) << "key " << int(c.key) << " to entry " << c.entry;
    if (c.entry >= 0 && c.entry < kActionCount) {
      EXPECT_EQ(keyEntry(map, c.entry), c.key);
    }
  }
  EXPECT_EQ(keyEntry(d, 9), kKeyNone);
}

}  // namespace
}  // namespace bt
