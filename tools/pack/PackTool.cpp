#include "pack/PackTool.h"

#include <functional>
#include <new>

#include "pack/Commands.h"
#include "pack/ToolError.h"
#include "platform/os/Quote.h"

namespace bt::pack {
namespace {

constexpr const char* kUsage =
    "usage: brambletop-pack pack IN OUT             any file to a stored file\n"
    "       brambletop-pack unpack IN OUT           a stored file back to its contents\n"
    "       brambletop-pack list BANK.spr           the sprites of a bank (and its .msk)\n"
    "       brambletop-pack png BANK.spr DIR        each sprite as DIR/NNN.png, plus\n"
    "                                               DIR/sheet.png and DIR/manifest.txt\n"
    "       brambletop-pack bank MANIFEST OUT.spr   a bank from PNG files\n"
    "       brambletop-pack --help                  this text and the manifest format\n";

constexpr const char* kHelp =
    "\n"
    "A stored file is a 4-byte length, then the contents: raw up to 100 bytes,\n"
    "LZSS-compressed above. Sprite banks (.spr) and masks (.msk) are stored files.\n"
    "\n"
    "Manifest of `bank`: one sprite a line, in index order.\n"
    "  FILE.png [offsetX offsetY anchorX anchorY transparent]\n"
    "  blank WIDTH HEIGHT [offsetX offsetY anchorX anchorY transparent]\n"
    "The five numbers are given all together or not at all (then all 0):\n"
    "offsets -128..127, anchors 0..255, transparent 0 (opaque) or 1 (black is\n"
    "left out when drawn keyed). A blank sprite is all black; \"blank 0 0\" is an\n"
    "empty record. Paths are relative to the manifest's folder; quote a path\n"
    "with spaces (or a file called blank) in double quotes. '#' starts a comment.\n"
    "PNGs must be 8-bit RGB or RGBA and at most 255x255 pixels. RGBA pixels\n"
    "with alpha below 128 become black, the key colour; so do colours darker\n"
    "than red 8, green 4, blue 8, since sprites keep 5-6-5 bits of colour.\n"
    "`png` widens each colour back to 8 bits per channel; its manifest.txt\n"
    "rebuilds the bank.\n"
    "\n"
    "Exit status: 0 done, 1 bad input (one line on stderr names the file and\n"
    "the fault; no output is left half-written), 2 usage error.\n";

struct Command {
  const char* name;
  size_t arguments;
  std::function<void(const std::vector<std::string>&, std::ostream&)> run;
};

const std::vector<Command>& commands() {
  using Args = const std::vector<std::string>&;
  static const std::vector<Command> table = {
      {"pack", 2, [](Args a, std::ostream& out) { packFile(a[1], a[2], out); }},
      {"unpack", 2, [](Args a, std::ostream& out) { unpackFile(a[1], a[2], out); }},
      {"list", 1, [](Args a, std::ostream& out) { listBank(a[1], out); }},
      {"png", 2, [](Args a, std::ostream& out) { exportBank(a[1], a[2], out); }},
      {"bank", 2, [](Args a, std::ostream& out) { buildBank(a[1], a[2], out); }},
  };
  return table;
}

int usageError(const std::string& fault, std::ostream& err) {
  err << "brambletop-pack: " << fault << '\n' << kUsage;
  return kExitUsage;
}

}  // namespace

int runPackTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return usageError("no command given", err);
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << kUsage << kHelp;
    return kExitDone;
  }
  for (const Command& command : commands()) {
    if (args[0] != command.name) continue;
    if (args.size() != command.arguments + 1) {
      return usageError(args[0] + " takes " + std::to_string(command.arguments) +
                            (command.arguments == 1 ? " argument" : " arguments"),
                        err);
    }
    try {
      command.run(args, out);
      return kExitDone;
    } catch (const ToolError& e) {
      err << "brambletop-pack: " << e.what() << '\n';
    } catch (const std::bad_alloc&) {
      err << "brambletop-pack: " << printable(args[1], 400) << ": out of memory\n";
    } catch (const std::exception& e) {
      // Never an abort: whatever else fails is reported like bad input.
      err << "brambletop-pack: " << printable(args[1], 400) << ": " << e.what() << '\n';
    }
    return kExitBadInput;
  }
  return usageError("unknown command " + quote(args[0]), err);
}

}  // namespace bt::pack
