// What a score exchange takes from a server it does not control: world
// bests that could be true, and nothing from a reply without one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PlayerData.h"
#include "game/LevelPar.h"
#include "screens/RecordsExchange.h"
#include "support/TempFolder.h"

namespace bt {
namespace {

TEST(RecordsExchangeTest, OnlyWorldBestsThatCouldBeTrueAreTaken) {
  test::TempFolder folder;
  PlayerData player(Folders(folder.path(), folder.path()));
  player.load();
  const int par1 = levelPar(0), par2 = levelPar(1);
  ASSERT_TRUE(levelParProven(0));
  ExtrasOutcome outcome;
  outcome.worldRecords = std::vector<WorldRecord>{{1, {par1, "HONEST"}}, {2, {par2 + 3, "ANN"}}};
  takeRecordsOutcome(player, {}, outcome);
  ASSERT_NE(player.worldBests().level(0), nullptr);

  const struct {
    const char* what;
    std::vector<WorldRecord> reply;
  } lies[] = {
      {"nothing at all", {}},
      {"below a proven par", {{1, {par1 - 4, "W1"}}}},
      {"a level the game has not", {{73, {20, "ANN"}}, {0, {20, "BOB"}}}},
  };
  for (const auto& lie : lies) {
    SCOPED_TRACE(lie.what);
    outcome.worldRecords = lie.reply;
    takeRecordsOutcome(player, {}, outcome);
    ASSERT_NE(player.worldBests().level(0), nullptr);
    EXPECT_EQ(player.worldBests().level(0)->name, "HONEST");
    ASSERT_NE(player.worldBests().level(1), nullptr);
    EXPECT_EQ(player.worldBests().level(1)->moves, par2 + 3);
  }
  // One true best among lies is taken alone.
  outcome.worldRecords = std::vector<WorldRecord>{{1, {par1 - 1, "W1"}}, {2, {par2, "KIM"}}};
  takeRecordsOutcome(player, {}, outcome);
  EXPECT_EQ(player.worldBests().level(0), nullptr);
  ASSERT_NE(player.worldBests().level(1), nullptr);
  EXPECT_EQ(player.worldBests().level(1)->name, "KIM");
}

// The server's counts of players go with the bests they belong to, and
// through worldbests.dat, which keeps reading the files written before them.
TEST(RecordsExchangeTest, ThePlayersAtEachBestAreKeptBesideIt) {
  test::TempFolder folder;
  PlayerData player(Folders(folder.path(), folder.path()));
  player.load();
  ExtrasOutcome outcome;
  outcome.worldRecords = std::vector<WorldRecord>{{1, {levelPar(0), "ANN"}}, {2, {30, "BOB"}}};
  outcome.worldRecordPlayers = {{1, 11, 40}, {2, 5, 4}};  // level 2's cannot be true
  takeRecordsOutcome(player, {}, outcome);
  ASSERT_NE(player.worldBests().level(0), nullptr);
  EXPECT_EQ(*player.worldBests().level(0), (WorldBest{levelPar(0), "ANN", 11, 40}));
  EXPECT_EQ(*player.worldBests().level(1), (WorldBest{30, "BOB", 0, 0}));
  const std::optional<WorldBests> read = WorldBests::decode(player.worldBests().encode());
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, player.worldBests());

  WorldBests uncounted;
  uncounted.set(0, {9, "ANN", 0, 0});
  EXPECT_EQ(WorldBests::decode(uncounted.encode()), uncounted);
}

}  // namespace
}  // namespace bt
