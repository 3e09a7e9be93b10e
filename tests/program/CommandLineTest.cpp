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
  EXPECT_TRUE(o.fullscreen);
  EXPECT_EQ(o.dataDir, "d");
  EXPECT_EQ(o.artDir, "a");
  EXPECT_FALSE(o.headless);

  parsed = parseCommandLine({"--headless", "--script", "s.txt", "--wav", "o.wav"});
  ASSERT_TRUE(std::holds_alternative<ProgramOptions>(parsed));
  EXPECT_EQ(std::get<ProgramOptions>(parsed).width, 240);
  EXPECT_EQ(std::get<ProgramOptions>(parsed).script, "s.txt");
  EXPECT_EQ(std::get<ProgramOptions>(parsed).wav, "o.wav");
}

TEST(CommandLine, BadOptionsAreRefusedWithAReason) {
  const std::vector<std::vector<std::string>> bad = {
      {"--display", "320x240"}, {"--display"},         {"--scale", "0"},
      {"--scale", "17"},        {"--scale", "2x"},     {"--data-dir", ""},
      {"--fullscreen=yes"},     {"--frobnicate"},      {"extra"},
      {"--headless"},           {"--script", "s.txt"}, {"--headless", "--script"},
      {"--wav", "o.wav"}};
  for (const auto& arguments : bad) {
    SCOPED_TRACE(arguments.front());
    auto parsed = parseCommandLine(arguments);
    ASSERT_TRUE(std::holds_alternative<CommandLineError>(parsed));
    EXPECT_FALSE(std::get<CommandLineError>(parsed).message.empty());
  }
}

}  // namespace
}  // namespace bt
