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

}  // namespace
}  // namespace bt
