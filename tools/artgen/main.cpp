// brambletop-artgen: draws every picture, animation and sound of the game and
// writes them where the game reads them.
//
//   brambletop-artgen --fonts FONT_DIR --out BIN_DIR [--sheets SHEET_DIR]
//
// FONT_DIR holds font_small.txt and font_large.txt. BIN_DIR receives
// Game_Sprite/, Game_Animation/, Game_Sound/, icon16.png, icon32.png,
// icon48.png, icon192.png, icon512.png, icon512-maskable.png (the web app's)
// and brambletop.desktop.
// With --sheets, SHEET_DIR receives a contact sheet PNG of every bank and
// mock-ups of the screens drawn from the new files.
#include <cstdio>
#include <string>
#include <vector>

#include "ArtBanks.h"
#include "BitmapFont.h"
#include "ContactSheet.h"
#include "IconArt.h"
#include "Preview.h"
#include "SoundArt.h"
#include "art/BoardSprites.h"
#include "art/InterfaceSprites.h"
#include "art/OnlineSprites.h"
#include "gfx/SpriteBankWriter.h"
#include "platform/os/FileSystem.h"
#include "platform/os/Quote.h"
#include "platform/png/PngCodec.h"
#include "sound/WaveWriter.h"

namespace {

using namespace bt;
using namespace bt::art;

// The header every animation the generator writes starts with.
constexpr AnimationHeader kHeader = {'b', 'r', 'a', 'm', 'b', 'l', 'e', 't', 'o', 'p',
                                     ' ', 'a', 'n', 'i', 'm', 'a', 't', 'i', 'o', 'n'};

struct Options {
  std::string fonts, out, sheets;
};

bool parseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string key = argv[i];
    if (key == "--fonts")
      o.fonts = argv[i + 1];
    else if (key == "--out")
      o.out = argv[i + 1];
    else if (key == "--sheets")
      o.sheets = argv[i + 1];
    else
      return false;
  }
  return argc % 2 == 1 && !o.fonts.empty() && !o.out.empty();
}

class Writer {
 public:
  explicit Writer(const Options& o) : options_(o) {}

  void bank(const std::string& name, const std::vector<SpriteImage>& sprites) {
    check(saveSpriteBank(sprites, options_.out + "/Game_Sprite/" + name + ".spr"), name + ".spr");
    if (!options_.sheets.empty())
      check(writeContactSheet(options_.sheets + "/" + name + ".png", sprites, 3), name + ".png");
  }
  void animation(const std::string& name, const std::vector<AnimationScript>& script) {
    check(saveAnimation(script, options_.out + "/Game_Animation/" + name + ".ani", kHeader),
          name + ".ani");
  }
  void file(const std::string& path, const std::vector<uint8_t>& bytes) {
    check(os::writeFileAtomically(options_.out + "/" + path, bytes), path);
  }
  void png(const std::string& path, int size, const std::vector<uint8_t>& rgba) {
    check(platform::writePngFile(options_.out + "/" + path, size, size, 4, rgba.data()), path);
  }
  bool ok() const { return ok_; }

 private:
  void check(bool written, const std::string& what) {
    if (!written) {
      std::fprintf(stderr, "brambletop-artgen: cannot write %s\n", printable(what, 400).c_str());
      ok_ = false;
    }
  }
  const Options& options_;
  bool ok_ = true;
};

bool loadFonts(const Options& o, Fonts& fonts) {
  std::string error;
  if (!fonts.small.load(o.fonts + "/font_small.txt", error) ||
      !fonts.large.load(o.fonts + "/font_large.txt", error)) {
    std::fprintf(stderr, "brambletop-artgen: %s\n", error.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: brambletop-artgen --fonts DIR --out DIR [--sheets DIR]\n");
    return 2;
  }
  Fonts fonts;
  if (!loadFonts(options, fonts)) return 1;
  for (const char* folder : {"Game_Sprite", "Game_Animation", "Game_Sound"})
    os::makeFolders(options.out + "/" + folder);
  if (!options.sheets.empty()) os::makeFolders(options.sheets);

  Writer w(options);
  w.bank("font176x220", fonts.small.sprites());
  w.bank("font240x320", fonts.large.sprites());
  w.bank(kBoardBanks[0], boardBank(17));
  w.bank(kBoardBanks[1], boardBank(22));
  w.bank(kInterfaceBanks[0], interfaceBank(kInterface176, fonts));
  w.bank(kInterfaceBanks[1], interfaceBank(kInterface240, fonts));
  w.bank(kOnlineBank, onlineBank(fonts));
  w.animation(kOnlineAnimation, {onlineBusyScript()});
  const IntroArt intro = introArt(fonts);
  w.bank("intro", intro.sprites);
  w.animation("intro", {intro.script});
  w.file("Game_Sound/close.wav", encodeWave8BitMono(rotationSamples()));
  for (int size : {16, 32, 48, 192, 512})
    w.png("icon" + std::to_string(size) + ".png", size, iconPixels(size));
  w.png("icon512-maskable.png", 512, maskableIconPixels(512));
  const std::string entry = desktopEntry();
  w.file("brambletop.desktop", std::vector<uint8_t>(entry.begin(), entry.end()));
  if (!options.sheets.empty() && !writePreviews(options.out, options.sheets)) return 1;
  return w.ok() ? 0 : 1;
}
