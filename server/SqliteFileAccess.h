#pragma once
// Why this process cannot use an SQLite file, found by looking at the file
// and what SQLite keeps beside it, because SQLite's own words for these
// cases mislead: a file it may not write is a "disk I/O error", a folder
// where it may not make the write-ahead log "a readonly database".
#include <string>

namespace bt::scored {

// A clause for a message after "cannot use PATH: ", such as "user nobody may
// not write it (Permission denied)"; empty when nothing is in the way.
std::string sqliteAccessProblem(const std::string& path);

}  // namespace bt::scored
