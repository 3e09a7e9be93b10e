#pragma once
// Scripted input for headless runs. Each line of a script is one command:
//   wait N              run N frames (16 ms of virtual time each)
//   press NAME          key down and up of the key named NAME ("Action",
//                       "Left Menu", "*", "2", ...)
//   hold NAME N         key down, N repeated key-downs one frame apart, one
//                       more frame, key up
//   vk CODE             key down and up of a raw virtual-key code
//   tap X Y             pen down and up at X, Y
//   drag X0 Y0 X1 Y1 [STEPS]
//                       pen down at X0, Y0, STEPS moves (default 8) one frame
//                       apart ending at X1, Y1, one more frame, pen up
//   shot FILE.png       the picture the display shows, as a PNG
//   sleep MS            real milliseconds pass with no frame run
//   quit                the window's close message
// Blank lines and lines starting with '#' are skipped.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Message.h"

namespace bt {

struct ScriptStep {
  enum class Kind { Post, Frames, Shot, Sleep, Quit };
  Kind kind = Kind::Post;
  int line = 0;
  platform::Message message;  // Post
  uint32_t count = 0;         // Frames: frames; Sleep: milliseconds
  std::string path;           // Shot
};

struct Script {
  std::vector<ScriptStep> steps;
  int errorLine = 0;  // 0: the whole script was read
  std::string error;
};

// Reads the whole script; at the first line it cannot read, stops with that
// line's number and a message.
Script parseScript(std::string_view text);

}  // namespace bt
