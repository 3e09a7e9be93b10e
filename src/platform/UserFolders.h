#pragma once
// The per-user folders of the desktop, each with the program's own
// sub-folder: data ($XDG_DATA_HOME, else ~/.local/share), configuration
// ($XDG_CONFIG_HOME, else ~/.config) and runtime ($XDG_RUNTIME_DIR, else a
// private folder under /tmp). Nothing is created here.
#include <string>

namespace bt::platform {

std::string userDataFolder();    // ".../brambletop"
std::string userConfigFolder();  // ".../brambletop"
// $XDG_RUNTIME_DIR when it is a folder of the user's that no one else may
// write to; else (with one warning when it was set) "/tmp/brambletop-UID".
std::string userRuntimeFolder();

}  // namespace bt::platform
