#include <gtest/gtest.h>

#include "main/CommandLine.h"

namespace bt {
namespace {

TEST(CommandLine, OptionsAndTheirValues) {
  auto parsed = parseCommandLine(
      {"--display", "176x220", "--scale=3", "--fullscreen", "--data-dir", "d", "--art-dir=a"});
  ASSERT_TRUE(std::holds_alternative<ProgramOptions>(parsed));
  const ProgramOptions& o = std::get<ProgramOptions>(parsed);
  EXPECT_EQ(o.width, 176);
  EXPECT_EQ(o.height, 220);
  EXPECT_EQ(o.scale, 3);
  EXPECT_EQ(o.fullscreen, std::optional<bool>(true));
  EXPECT_EQ(o.dataDir, "d");
  EXPECT_EQ(o.artDir, "a");
  EXPECT_FALSE(o.headless);

  parsed = parseCommandLine({"--headless", "--script", "s.txt", "--wav", "o.wav"});
  ASSERT_TRUE(std::holds_alternative<ProgramOptions>(parsed));
  EXPECT_EQ(std::get<ProgramOptions>(parsed).width, 240);
  EXPECT_EQ(std::get<ProgramOptions>(parsed).script, "s.txt");
  EXPECT_EQ(std::get<ProgramOptions>(parsed).wav, "o.wav");
  EXPECT_EQ(std::get<ProgramOptions>(parsed).fullscreen, std::nullopt) << "as last switched";

  // A puzzle id as a person may type it, kept as the game writes it.
  parsed = parseCommandLine({"--puzzle", "5C2P2E-0000L"});
  ASSERT_TRUE(std::holds_alternative<ProgramOptions>(parsed));
  EXPECT_EQ(std::get<ProgramOptions>(parsed).puzzle, "5c2p2e-00001");

  parsed = parseCommandLine({"--windowed", "--windowed"});
  ASSERT_TRUE(std::holds_alternative<ProgramOptions>(parsed));
  EXPECT_EQ(std::get<ProgramOptions>(parsed).fullscreen, std::optional<bool>(false));
}

TEST(CommandLine, BadOptionsAreRefusedWithAReason) {
  const std::vector<std::vector<std::string>> bad = {
      {"--display", "320x240"}, {"--display"},         {"--scale", "0"},
      {"--scale", "17"},        {"--scale", "2x"},     {"--data-dir", ""},
      {"--fullscreen=yes"},     {"--frobnicate"},      {"extra"},
      {"--headless"},           {"--script", "s.txt"}, {"--headless", "--script"},
      {"--wav", "o.wav"},       {"--windowed=no"},     {"--fullscreen", "--windowed"},
      {"--puzzle", "8c3p6m"},   {"--puzzle"},          {"--records", "--puzzle", "5c2p2e-00001"}};
  for (const auto& arguments : bad) {
    SCOPED_TRACE(arguments.front());
    auto parsed = parseCommandLine(arguments);
    ASSERT_TRUE(std::holds_alternative<CommandLineError>(parsed));
    EXPECT_FALSE(std::get<CommandLineError>(parsed).message.empty());
  }
}

}  // namespace
}  // namespace bt

namespace bt {
namespace {

TEST(CommandLine, ScoreServerAddress) {
  struct Case {
    std::vector<std::string> arguments;
    std::string host;
    uint16_t port;
  };
  const std::vector<Case> good = {
      {{}, "127.0.0.1", 8750},
      {{"--score-server", "scores.example.org"}, "scores.example.org", 8750},
      {{"--score-server=10.0.0.7:80"}, "10.0.0.7", 80},
      {{"--score-server", "[::1]:9000"}, "::1", 9000}};
  for (const Case& c : good) {
    SCOPED_TRACE(c.host);
    auto parsed = parseCommandLine(c.arguments);
    ASSERT_TRUE(std::holds_alternative<ProgramOptions>(parsed));
    EXPECT_EQ(std::get<ProgramOptions>(parsed).scoreServer.host, c.host);
    EXPECT_EQ(std::get<ProgramOptions>(parsed).scoreServer.port, c.port);
  }
  for (const char* bad : {"host:", "host:0", "host:65536", ":80", "a b:80", "host:80x", "[::1",
                          "[::1]80", "[]:80", "a/b"}) {
    SCOPED_TRACE(bad);
    auto parsed = parseCommandLine({"--score-server", bad});
    ASSERT_TRUE(std::holds_alternative<CommandLineError>(parsed));
  }
}

}  // namespace
}  // namespace bt
