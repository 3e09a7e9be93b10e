#pragma once
// The pack tool's commands. Each reads all its input and checks it before it
// writes anything, writes every output file atomically, prints a short
// summary to `out`, and throws ToolError on bad input or a failed write.
#include <ostream>
#include <string>

namespace bt::pack {

// Any file to a stored file, and back.
void packFile(const std::string& in, const std::string& out, std::ostream& report);
void unpackFile(const std::string& in, const std::string& out, std::ostream& report);

// One line per sprite of a bank, after a line with the counts.
void listBank(const std::string& bank, std::ostream& out);

// Each sprite as folder/NNN.png, the contact sheet folder/sheet.png and
// folder/manifest.txt, from which `bank` builds the same bank again.
void exportBank(const std::string& bank, const std::string& folder, std::ostream& report);

// A bank from a manifest and its PNG files.
void buildBank(const std::string& manifest, const std::string& out, std::ostream& report);

}  // namespace bt::pack
