#pragma once
// A random sequence fixed by its seed on every machine and compiler
// (splitmix64, and a range reduction of its own rather than the standard
// library's distributions, whose results are left to each library).
#include <cstdint>

namespace bt::puzzle {

class SeededRandom {
 public:
  explicit SeededRandom(uint64_t seed) : state_(seed) {}

  uint64_t next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  // 0 to n - 1 (n from 1 to 2^32).
  int below(int n) { return static_cast<int>(((next() >> 32) * static_cast<uint64_t>(n)) >> 32); }
  // least to most, both included.
  int between(int least, int most) { return least + below(most - least + 1); }

 private:
  uint64_t state_;
};

}  // namespace bt::puzzle
