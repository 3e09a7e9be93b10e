#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/LevelData.h"
#include "levels/LevelCache.h"
#include "levels/LevelsTool.h"
#include "support/TempFolder.h"

namespace bt::levels {
namespace {

DesignedLevel builtInDesign(int number) {
  DesignedLevel d;
  d.level = levelOf(builtInLevels()[number - 1]);
  d.solution = std::string(levelSolutions()[number - 1]);
  d.shortest = true;
  d.provenAtLeast = static_cast<int>(d.solution.size());
  d.scrambleTurns = number;
  d.attempts = 3;
  d.nodes = 123456789012ULL;
  d.seconds = 1.25;
  return d;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LevelCacheTest, TextReadsBackAsWritten) {
  for (int number : {1, 3, 36, 72}) {
    SCOPED_TRACE("level " + std::to_string(number));
    const DesignedLevel d = builtInDesign(number);
    const auto back = parseCachedLevel(number, cachedLevelText(number, d));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->level.side, d.level.side);
    EXPECT_EQ(back->level.markers, d.level.markers);
    EXPECT_EQ(back->level.tiles, d.level.tiles);
    EXPECT_EQ(back->solution, d.solution);
    EXPECT_EQ(back->shortest, d.shortest);
    EXPECT_EQ(back->provenAtLeast, d.provenAtLeast);
    EXPECT_EQ(back->scrambleTurns, d.scrambleTurns);
    EXPECT_EQ(back->attempts, d.attempts);
    EXPECT_EQ(back->nodes, d.nodes);
    EXPECT_DOUBLE_EQ(back->seconds, d.seconds);
  }
}

// A damaged, stale or mismatched file is ignored (the level is made again),
// never trusted: cut short anywhere, another version or level, a piece off
// the board, a solution that no longer solves the level.
TEST(LevelCacheTest, DamagedOrStaleFilesAreIgnored) {
  const std::string good = cachedLevelText(3, builtInDesign(3));
  ASSERT_TRUE(parseCachedLevel(3, good).has_value());
  std::vector<std::pair<std::string, std::string>> bad;
  for (size_t end = good.find('\n'); end + 1 < good.size(); end = good.find('\n', end + 1)) {
    bad.push_back({"cut after byte " + std::to_string(end), good.substr(0, end)});
  }
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  bad.push_back({"other design", replaced(" design ", " design 9")});
  bad.push_back({"other level", replaced("level 3\n", "level 4\n")});
  bad.push_back({"piece off the board", replaced("markers 9,", "markers 10,")});
  bad.push_back({"colour 5", replaced("tiles 9,2,1", "tiles 9,2,5")});
  bad.push_back({"solution one short", replaced("U<U<\n", "U<U\n")});
  bad.push_back({"no number", replaced("nodes ", "nodes x")});
  bad.push_back({"empty", ""});
  for (const auto& [name, text] : bad) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(parseCachedLevel(3, text).has_value());
  }
}

// With every level in the cache, generate designs nothing and writes the
// level table from the cache: byte for byte the table in the repository.
TEST(LevelCacheTest, GenerateResumesFromTheCache) {
  test::TempFolder root, cache;
  std::filesystem::create_directories(root.path() + "/src/game");
  std::filesystem::create_directories(root.path() + "/docs");
  for (int number = 1; number <= kLevelCount; ++number) {
    ASSERT_TRUE(writeCachedLevel(cache.path(), number, builtInDesign(number)));
  }
  std::ostringstream out, err;
  ASSERT_EQ(runLevelsTool({"generate", root.path(), "--cache", cache.path()}, out, err), kExitDone)
      << err.str();
  const std::string log = out.str();
  size_t cached = 0;
  for (size_t at = log.find("(cached)"); at != std::string::npos; at = log.find("(cached)", at + 1))
    ++cached;
  EXPECT_EQ(cached, static_cast<size_t>(kLevelCount));
  EXPECT_EQ(readText(root.path() + "/src/game/LevelData.cpp"),
            readText(BT_DOCS_DIR "/../src/game/LevelData.cpp"));
  EXPECT_NE(readText(root.path() + "/docs/levels.md").find("| 72 | 7 | 25 | 3 |"),
            std::string::npos);
}

// write makes the repository's table and docs/levels.md byte for byte from
// the repository's cache, and writes nothing when the cache lacks a level.
TEST(LevelCacheTest, WriteTakesEveryLevelFromTheCache) {
  test::TempFolder root, cache;
  std::filesystem::create_directories(root.path() + "/src/game");
  std::filesystem::create_directories(root.path() + "/docs");
  for (int number = 1; number <= kLevelCount; ++number) {
    const std::optional<DesignedLevel> cached = readCachedLevel(BT_LEVEL_CACHE_DIR, number);
    ASSERT_TRUE(cached.has_value()) << "level " << number;
    ASSERT_TRUE(writeCachedLevel(cache.path(), number, *cached));
  }
  std::ostringstream out, err;
  ASSERT_EQ(runLevelsTool({"write", root.path(), "--cache", cache.path()}, out, err), kExitDone)
      << err.str();
  EXPECT_EQ(out.str(), "levels 1 to 72 from the cache\n");
  for (const char* file : {"/src/game/LevelData.cpp", "/src/game/LevelSolutions.cpp"}) {
    EXPECT_EQ(readText(root.path() + file), readText(std::string(BT_DOCS_DIR "/..") + file));
  }
  EXPECT_EQ(readText(root.path() + "/docs/levels.md"), readText(BT_DOCS_DIR "/levels.md"));

  std::filesystem::remove(cachedLevelPath(cache.path(), 5));
  std::filesystem::remove(root.path() + "/docs/levels.md");
  ASSERT_EQ(runLevelsTool({"write", root.path(), "--cache", cache.path()}, out, err), kExitFailed);
  EXPECT_NE(err.str().find(cachedLevelPath(cache.path(), 5)), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(root.path() + "/docs/levels.md"));
}

}  // namespace
}  // namespace bt::levels
