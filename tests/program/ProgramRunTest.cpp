// Runs the built program as a user would, through the shell.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/os/FileSystem.h"
#include "support/PngPicture.h"
#include "support/TempFolder.h"

namespace bt {
namespace {

struct Outcome {
  int status = -1;
  std::string err;
};

class ProgramRun : public ::testing::Test {
 protected:
  std::string file(const std::string& name) const { return folder_.file(name); }

  void write(const std::string& name, const std::string& text) const {
    folder_.writeText(name, text);
  }
  std::string read(const std::string& name) const { return folder_.readText(name); }

  // Runs a shell command in the test's folder; the exit status and stderr.
  Outcome shell(const std::string& command) const {
    const std::string line =
        "cd '" + folder_.path() + "' && { " + command + " ; } 2> stderr.txt; echo $? > status.txt";
    EXPECT_EQ(std::system(line.c_str()), 0);
    return Outcome{std::atoi(read("status.txt").c_str()), read("stderr.txt")};
  }

  Outcome program(const std::string& arguments) const {
    return shell(std::string("'") + BT_PROGRAM + "' " + arguments);
  }

  test::TempFolder folder_;
};

bool pngSize(const std::string& path, uint32_t& width, uint32_t& height) {
  const auto picture = test::readPng(path);
  if (!picture) return false;
  width = static_cast<uint32_t>(picture->width);
  height = static_cast<uint32_t>(picture->height);
  return true;
}

TEST_F(ProgramRun, AScriptedRunWritesShotsTheWavAndTheSettings) {
  write("run.txt",
        "shot before.png\n"
        "wait 5\n"
        "press Action\n"
        "hold Up 2\n"
        "tap 10 10\n"
        "drag 0 0 50 50\n"
        "shot after.png\n");
  std::filesystem::create_directories(file("art/Game_Sprite"));  // art without pictures
  const Outcome run = program(
      "--headless --display 176x220 --script run.txt --wav out.wav "
      "--data-dir data --art-dir art");
  EXPECT_EQ(run.status, 0) << run.err;
  uint32_t width = 0, height = 0;
  for (const char* shot : {"before.png", "after.png"}) {
    ASSERT_TRUE(pngSize(file(shot), width, height)) << shot;
    EXPECT_EQ(width, 176u);
    EXPECT_EQ(height, 220u);
  }
  EXPECT_EQ(read("out.wav").substr(0, 4), "RIFF");
  EXPECT_EQ(read("data/settings.dat").size(), 12u);
}

TEST_F(ProgramRun, FailuresEndWithTheirStatusAndAMessage) {
  write("bad.txt", "wait 1\n\npress Nowhere\nshot never.png\n");
  write("unwritable.txt", "wait 1\nshot missing/folder/x.png\nshot later.png\n");
  std::string huge;
  for (int i = 0; i < 6; ++i) huge += "hold Action 10000000\n";
  write("huge.txt", huge);
  struct Case {
    const char* arguments;
    int status;
    const char* message;
  };
  for (const Case c :
       {Case{"--scale 0", 2, "usage: brambletop"},
        {"--bogus", 2, "unknown option '--bogus'"},
        {"--headless", 2, "--headless needs --script"},
        {"--headless --script bad.txt --data-dir d", 1, "script:3: unknown key name 'Nowhere'"},
        {"--headless --script none.txt", 1, "cannot read the script"},
        {"--headless --script . --data-dir d", 1, "cannot read the script '.': is a folder"},
        {"--headless --script huge.txt --data-dir d", 1, "script:1: the script runs to more"},
        {"--headless --script unwritable.txt --art-dir nowhere --data-dir d", 1,
         "no art in 'nowhere/': the folder Game_Sprite is missing"},
        {"--headless --script unwritable.txt --data-dir d", 1, "script:2: cannot write"},
        {"--records --headless --script bad.txt", 2, "--records prints the records"},
        {"--puzzle 8c3p6m-k4x9", 2,
         "--puzzle takes a puzzle id such as 8c3p6m-k4x9q, not "
         "'8c3p6m-k4x9'"}}) {
    SCOPED_TRACE(c.arguments);
    const Outcome run = program(c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  // Nothing after a bad line ran; a failed shot stopped the script.
  EXPECT_FALSE(os::readFile(file("never.png")));
  EXPECT_FALSE(os::readFile(file("later.png")));
}

// --records prints the records of the data folder and opens no window: level
// 1 solved by a scripted run (its recorded solution), level 2 reached.
TEST_F(ProgramRun, RecordsArePrintedOnePerReachedLevel) {
  EXPECT_EQ(program("--records --data-dir d > out.txt").status, 0);
  EXPECT_EQ(read("out.txt"), "1 - 9\n0 of 72 levels solved, 0 at par\n");
  write("solve.txt",
        "wait 60\npress Action\nwait 60\npress Action\nwait 60\npress Up\npress Up\npress "
        "Action\nwait 20\n"
        "press Left\npress Back\nwait 20\npress Left\npress Action\nwait 20\npress Left\n"
        "press Back\nwait 20\n");
  ASSERT_EQ(program("--headless --script solve.txt --data-dir d").status, 0);
  EXPECT_EQ(program("--records --data-dir d > out.txt").status, 0);
  EXPECT_EQ(read("out.txt"), "1 9 9\n2 - 17\n1 of 72 levels solved, 1 at par\n");
}

#ifdef BT_HAVE_SDL
// The desktop program on SDL's offscreen driver: it runs until told to end
// (SIGTERM arrives as the window's close), writing its settings; a second
// start meanwhile, with a puzzle to hand over, ends at once and touches no
// file.
TEST_F(ProgramRun, TheDesktopProgramRunsAloneAndEndsOnClose) {
  const std::string env =
      "SDL_VIDEODRIVER=offscreen SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 "
      "SDL_AUDIODRIVER=dummy "
      "XDG_RUNTIME_DIR='" +
      file("run") + "' XDG_CONFIG_HOME='" + file("config") + "' ";
  const std::string exe = std::string("'") + BT_PROGRAM + "'";
  std::system(("mkdir -m 700 '" + file("run") + "'").c_str());
  // The second start comes once the first one listens on its socket.
  const Outcome run = shell(env + exe +
                            " --data-dir first & first=$!; for i in $(seq 200); do "
                            "[ -S run/brambletop.sock ] && break; sleep 0.05; done; " +
                            env + exe +
                            " --data-dir second --puzzle 8c3p6m-k4x9q; echo $? > second.txt; "
                            "sleep 0.5; "
                            "kill -TERM $first; wait $first");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(std::atoi(read("second.txt").c_str()), 0);
  EXPECT_EQ(read("first/settings.dat").size(), 12u);
  EXPECT_FALSE(os::isWritableFolder(file("second")));  // never created
  // The keypad click was silenced and restored in the registry file.
  EXPECT_NE(read("config/brambletop/registry.txt").find("Script"), std::string::npos);
}
#endif

// A script from a pipe, a FIFO or standard input is read whole before the
// run, up to a limit that the message names.
TEST_F(ProgramRun, ScriptsComeFromPipesFifosAndStandardInput) {
  write("s.txt", "wait 2\nshot shot.png\n");
  const std::string exe = std::string("'") + BT_PROGRAM + "' --headless --data-dir d --script ";
  for (const std::string& how : {"cat s.txt | " + exe + "-", exe + "/dev/stdin < s.txt",
                                 "mkfifo fifo && { cat s.txt > fifo & } && " + exe + "fifo"}) {
    SCOPED_TRACE(how);
    std::filesystem::remove(file("shot.png"));
    const Outcome run = shell(how);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(test::readPng(file("shot.png")));
  }
  const Outcome tooLong = shell("head -c 20000000 /dev/zero | " + exe + "-");
  EXPECT_EQ(tooLong.status, 1);
  EXPECT_NE(tooLong.err.find("cannot read the script '-': larger than"), std::string::npos)
      << tooLong.err;
}

}  // namespace
}  // namespace bt
