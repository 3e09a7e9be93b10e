#include "storage/Lzss.h"

#include <cstring>

namespace bt {
namespace {

constexpr int kWindowMask = LzssCodec::kWindowSize - 1;
constexpr int kLiteralBits = 1 + 8;
constexpr int kMatchBits = 1 + LzssCodec::kPositionBits + LzssCodec::kLengthBits;

// MSB-first bit output. Only whole bytes are ever stored, so a final partial
// byte is dropped.
class BitWriter {
 public:
  explicit BitWriter(uint8_t* out) : out_(out) {}

  // Appends the low `bits` bits of value (bits <= 24), most significant first.
  void write(uint32_t value, int bits) {
    accumulator_ = (accumulator_ << bits) | (value & ((1u << bits) - 1));
    pending_ += bits;
    while (pending_ >= 8) {
      pending_ -= 8;
      out_[count_++] = static_cast<uint8_t>(accumulator_ >> pending_);
    }
  }

  size_t count() const { return count_; }

 private:
  uint8_t* out_;
  uint64_t accumulator_ = 0;
  int pending_ = 0;
  size_t count_ = 0;
};

// MSB-first bit input from memory. The unread bits sit at the top of a 64-bit
// buffer; bytes past the end of the input read as zero.
class BitReader {
 public:
  BitReader(const uint8_t* in, size_t size) : in_(in), size_(size) {}

  // Makes at least 56 bits available (enough for any token).
  void refill() {
    if (position_ + 8 <= size_) {
      // Whole-word load; the bits below count_ are the same input bits again,
      // so OR-ing them in twice is harmless.
      uint64_t word = 0;
      for (int i = 0; i < 8; ++i) word = (word << 8) | in_[position_ + i];
      buffer_ |= word >> count_;
      position_ += static_cast<size_t>((63 - count_) >> 3);
      count_ |= 56;
      return;
    }
    while (count_ <= 56) {
      uint64_t byte = position_ < size_ ? in_[position_] : 0;
      if (position_ < size_) ++position_;
      buffer_ |= byte << (56 - count_);
      count_ += 8;
    }
  }

  // The next `bits` bits without consuming them.
  uint32_t peek(int bits) const { return static_cast<uint32_t>(buffer_ >> (64 - bits)); }
  void consume(int bits) {
    buffer_ <<= bits;
    count_ -= bits;
  }

 private:
  const uint8_t* in_;
  size_t size_;
  size_t position_ = 0;
  uint64_t buffer_ = 0;
  int count_ = 0;
};

}  // namespace

void LzssCodec::reset() {
  window_.fill(0);
  tree_.fill(Node{0, 0, 0});
}

size_t LzssCodec::decompress(const uint8_t* in, size_t inSize, uint8_t* destination, size_t n) {
  if (n == 0) return 0;
  window_.fill(0);  // the decoder does not use the tree
  BitReader reader(in, inSize);
  size_t produced = 0;
  int w = 1;
  for (;;) {
    reader.refill();
    if (reader.peek(1) != 0) {
      auto c = static_cast<uint8_t>(reader.peek(kLiteralBits));
      reader.consume(kLiteralBits);
      destination[produced++] = c;
      window_[static_cast<size_t>(w)] = c;
      w = (w + 1) & kWindowMask;
      if (produced == n) return produced;
      continue;
    }
    uint32_t token = reader.peek(kMatchBits);
    int position = static_cast<int>(token >> kLengthBits);
    if (position == 0) return produced;  // end code: the length bits are not read
    reader.consume(kMatchBits);
    size_t length = (token & ((1u << kLengthBits) - 1)) + 2;
    bool last = length >= n - produced;
    if (last) length = n - produced;
    // Byte by byte: the match may overlap the bytes it is producing.
    uint8_t* out = destination + produced;
    for (size_t i = 0; i < length; ++i) {
      uint8_t c = window_[static_cast<size_t>((position + static_cast<int>(i)) & kWindowMask)];
      out[i] = c;
      window_[static_cast<size_t>((w + static_cast<int>(i)) & kWindowMask)] = c;
    }
    produced += length;
    w = (w + static_cast<int>(length)) & kWindowMask;
    if (last) return produced;
  }
}

size_t LzssCodec::compress(const uint8_t* source, size_t n, uint8_t* out) {
  reset();
  BitWriter writer(out);
  size_t next = 0;
  int current = 1;
  int lookAhead = 0;
  for (; lookAhead < kLookAhead && next < n; ++lookAhead) {
    window_[static_cast<size_t>(lookAhead) + 1] = source[next++];
  }

  tree_[kTreeRoot].larger = 1;
  tree_[1].parent = kTreeRoot;

  int matchLength = 0;
  int matchPosition = 0;
  while (lookAhead > 0) {
    if (matchLength > lookAhead) matchLength = lookAhead;
    int replace;
    if (matchLength <= kBreakEven) {
      writer.write(1, 1);
      writer.write(window_[static_cast<size_t>(current)], 8);
      replace = 1;
    } else {
      writer.write(0, 1);
      writer.write(static_cast<uint32_t>(matchPosition), kPositionBits);
      writer.write(static_cast<uint32_t>(matchLength - kBreakEven - 1), kLengthBits);
      replace = matchLength;
    }
    for (int i = 0; i < replace; ++i) {
      int incoming = (current + kLookAhead) & kWindowMask;
      removeNode(incoming);
      if (next >= n) {
        --lookAhead;
      } else {
        window_[static_cast<size_t>(incoming)] = source[next++];
      }
      current = (current + 1) & kWindowMask;
      if (lookAhead != 0) matchLength = insertNode(current, matchPosition);
    }
  }
  // End code, then 12 zero bits so that the end code's last byte is complete.
  writer.write(0, 1);
  writer.write(0, kPositionBits);
  writer.write(0, kPositionBits);
  return writer.count();
}

int LzssCodec::insertNode(int node, int& matchPosition) {
  if (node == 0) return 0;
  int test = static_cast<int>(tree_[kTreeRoot].larger);
  if (test == 0) {  // empty tree: the new node becomes its top
    tree_[kTreeRoot].larger = static_cast<uint32_t>(node);
    tree_[static_cast<size_t>(node)] = Node{kTreeRoot, 0, 0};
    return 0;
  }
  int best = 0;
  // A path longer than the window can only be a loop in a damaged tree; the
  // search then ends without inserting rather than running forever.
  for (int steps = 0; steps <= kWindowSize; ++steps) {
    int i = 0;
    int delta = 0;
    for (; i < kLookAhead; ++i) {
      delta = window_[static_cast<size_t>((node + i) & kWindowMask)] -
              window_[static_cast<size_t>((test + i) & kWindowMask)];
      if (delta != 0) break;
    }
    if (i >= best) {  // ties go to the node met later
      best = i;
      matchPosition = test;
      if (best >= kLookAhead) {
        replaceNode(test, node);
        return best;
      }
    }
    Node& parent = tree_[static_cast<size_t>(test)];
    uint32_t& child = delta >= 0 ? parent.larger : parent.smaller;
    if (child == 0) {
      child = static_cast<uint32_t>(node);
      tree_[static_cast<size_t>(node)] = Node{static_cast<uint32_t>(test), 0, 0};
      return best;
    }
    test = static_cast<int>(child);
  }
  return best;
}

void LzssCodec::removeNode(int p) {
  const Node& node = tree_[static_cast<size_t>(p)];
  if (node.parent == 0) return;
  if (node.larger == 0) {
    contractNode(p, static_cast<int>(node.smaller));
  } else if (node.smaller == 0) {
    contractNode(p, static_cast<int>(node.larger));
  } else {
    int q = findPredecessor(p);
    removeNode(q);
    replaceNode(p, q);
  }
}

void LzssCodec::contractNode(int oldNode, int newNode) {
  uint32_t parentIndex = tree_[static_cast<size_t>(oldNode)].parent;
  tree_[static_cast<size_t>(newNode)].parent = parentIndex;
  Node& parent = tree_[parentIndex];
  if (parent.larger == static_cast<uint32_t>(oldNode)) {
    parent.larger = static_cast<uint32_t>(newNode);
  } else {
    parent.smaller = static_cast<uint32_t>(newNode);
  }
  tree_[static_cast<size_t>(oldNode)].parent = 0;
}

void LzssCodec::replaceNode(int oldNode, int newNode) {
  Node& old = tree_[static_cast<size_t>(oldNode)];
  Node& parent = tree_[old.parent];
  if (parent.smaller == static_cast<uint32_t>(oldNode)) {
    parent.smaller = static_cast<uint32_t>(newNode);
  } else {
    parent.larger = static_cast<uint32_t>(newNode);
  }
  Node& moved = tree_[static_cast<size_t>(newNode)];
  moved = old;
  // A missing child is 0, so this may write node 0's parent; node 0 is never
  // part of the tree.
  tree_[moved.smaller].parent = static_cast<uint32_t>(newNode);
  tree_[moved.larger].parent = static_cast<uint32_t>(newNode);
  old.parent = 0;
}

int LzssCodec::findPredecessor(int p) const {
  uint32_t child = tree_[static_cast<size_t>(p)].smaller;
  while (tree_[child].larger != 0) child = tree_[child].larger;
  return static_cast<int>(child);
}

}  // namespace bt
