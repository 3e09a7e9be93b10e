#pragma once
// LZSS codec of the stored files: 4096-byte window addressed by absolute
// position, 12-bit positions, 4-bit lengths (2..17 bytes), one flag bit per
// token, MSB-first bit stream, and a match token at position 0 as end code.
// The window and the match tree are members, so one codec object is not
// re-entrant but separate objects are independent.
#include <array>
#include <cstddef>
#include <cstdint>

namespace bt {

class LzssCodec {
 public:
  static constexpr int kPositionBits = 12;
  static constexpr int kLengthBits = 4;
  static constexpr int kWindowSize = 1 << kPositionBits;
  static constexpr int kLookAhead = (1 << kLengthBits) + 1;  // 17
  static constexpr int kBreakEven = 1;

  // Room that compress needs for n source bytes.
  static size_t maxCompressedSize(size_t n) { return n + n / 8 + 8; }

  // Compresses n >= 1 bytes into out (maxCompressedSize(n) bytes of room);
  // returns the stream length in whole bytes.
  size_t compress(const uint8_t* source, size_t n, uint8_t* out);

  // Decodes the stream into at most n bytes of destination; stops at n bytes
  // or at the end code. Input past inSize reads as zero bits (which decode as
  // the end code). Returns the number of bytes produced.
  size_t decompress(const uint8_t* in, size_t inSize, uint8_t* destination, size_t n);

 private:
  struct Node {
    uint32_t parent, smaller, larger;
  };
  static constexpr int kTreeRoot = kWindowSize;

  void reset();
  int insertNode(int node, int& matchPosition);
  void removeNode(int p);
  void contractNode(int oldNode, int newNode);
  void replaceNode(int oldNode, int newNode);
  int findPredecessor(int p) const;

  std::array<uint8_t, kWindowSize> window_{};
  std::array<Node, kWindowSize + 1> tree_{};
};

}  // namespace bt
