#pragma once
// The frame of the files the program keeps beside the phone's (records,
// daily bests, world bests, the proof of play): a stored file whose contents
// open with the format's magic and version byte, when it has them, and close
// with the 32-bit FNV-1a sum of all before it (least significant byte
// first), when it has one. A stored file cut short reads as zeros to its
// end, which the sum then refuses. Each format says which parts it has, so
// that the files already on disk keep their bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace bt {

struct Framing {
  std::string_view magic;  // empty: none
  bool versioned = true;
  bool summed = true;
};

// The file's bytes: the frame around body.
std::vector<uint8_t> encodeFramed(const Framing& framing, uint8_t version,
                                  std::span<const uint8_t> body);

struct Unframed {
  uint8_t version = 0;  // 0 when the format has none
  std::vector<uint8_t> body;
};

// The body inside the frame; nullopt when the file is no stored file, or its
// magic or sum is not the framing's. The version is the caller's to judge.
std::optional<Unframed> decodeFramed(const Framing& framing, std::span<const uint8_t> file);

// The most bytes a file of this framing takes with a body of at most
// maxBody bytes.
size_t maxFramedFileBytes(const Framing& framing, size_t maxBody);

}  // namespace bt
