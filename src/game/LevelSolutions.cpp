// Written by brambletop-levels (tools/levels): change the tool and run
// `brambletop-levels generate .` rather than editing this file.
#include <array>

#include "game/LevelData.h"

namespace bt {

namespace {

// Level by level from level 1, with each solution's length: "shortest"
// where the solver proved that no shorter solution exists, else the
// length below which it proved there is none.
// clang-format off
constexpr std::array<std::string_view, kLevelCount> kSolutions = {
    "UU<L>L<L>",  // 1: 9, shortest
    "LUU<RR>DDDD<<LL>>",  // 2: 17, shortest
    "RRRDD<U<U<U<U<",  // 3: 14, shortest
    "R<RD<<LD>LL>U>",  // 4: 14, shortest
    "RUU<LD>DD>D>D<",  // 5: 14, shortest
    "D>>>R<<U<<R<L<",  // 6: 14, shortest
    "LLDD>U<<<UU>RD<",  // 7: 15, shortest
    "RRUU>>>D>L>>DD>",  // 8: 15, shortest
    "D>>UU<LU>L>R>R<",  // 9: 15, shortest
    "D>RR<D>>>LU>LL<",  // 10: 15, shortest
    "U>>DD<LD<RR<LU<",  // 11: 15, shortest
    "RU>DD>>>>",  // 12: 9, shortest
    "UU>LL<D<D>RR>DD>",  // 13: 16, shortest
    "UU>RD>DD>D<LL>U>",  // 14: 16, shortest
    "LDD>>RU<UU<RR>D>",  // 15: 16, shortest
    "R<<DD>LLUU<L>RR>",  // 16: 16, shortest
    "RDD>>>U>LL>>R>D>",  // 17: 16, shortest
    "L<<RR<L>RR>",  // 18: 11, shortest
    "LLDD>>U>RU<RU<DD>",  // 19: 17, shortest
    "RRU<<L>LD<L>RR>L<",  // 20: 17, shortest
    "L<LDD<D<RU<RU<UU<",  // 21: 17, shortest
    "L<LDD<D<RU<RU<UU<",  // 22: 17, shortest
    "LLD>>>U>RR<U<DD<",  // 23: 16, shortest
    "LUU>>DD>L>RR<",  // 24: 13, shortest
    "RRU>D<D>LU>LL<U<RR>",  // 25: 19, shortest
    "LLDDD<<RU<<UU<L>RR>",  // 26: 19, shortest
    "LUU>LD<RU>DD<<RR<L>",  // 27: 19, shortest
    "LU<RD>RD>RD<U>U>U<",  // 28: 18, shortest
    "<LD>>>U<<R<RU<<<D>",  // 29: 18, shortest
    "D>RR>L<LL<",  // 30: 10, shortest
    "RRU<L>DD>LD<L<R>>L<R>R<",  // 31: 23, shortest
    "LLU>>>RR>RRRU>D<<<",  // 32: 18, shortest
    "U<RRU<<<LLD<<LD<LU<<",  // 33: 20, shortest
    "UU<<LL>>R>L>D>DDD>>>U>R>",  // 34: 24, shortest
    "RU<U<D>>LL>D<LDD>>>",  // 35: 19, shortest
    "RRR<<<L<DDD<<",  // 36: 13, shortest
    "RDDD<<U<U<U<<UU<L>L>D<<",  // 37: 23, shortest
    "D>LLDD<R<R>>>RRR<<U<U<<LU<",  // 38: 26, shortest
    "LD>>UU>RRU<<D<R>DDD<<<L<",  // 39: 24, shortest
    "U<LD<D>>>UU>RR>>>>",  // 40: 18, shortest
    "D<<U<R>L<RD>>>L>>",  // 41: 17, shortest
    "RRRDDD>>LU>LU>",  // 42: 14, shortest
    "LLUU<<<D>RR>R<RU<<DD>DD<",  // 43: 24, shortest
    "D>RD>R>>L>>LLU<<L>>U<U<<",  // 44: 24, shortest
    "R>RU>U>>D>>LD>LLLU>>>>",  // 45: 22, shortest
    ">D<<<R>>L>U>>R>L>",  // 46: 17, shortest
    "D<R>>L<RU>>>>D>>LU>D<",  // 47: 21, shortest
    ">LDD>U<RR<<R<<UU>",  // 48: 17, shortest
    ">>D>RR>RDD<<<LLU<<LL<L>>>",  // 49: 25, shortest
    ">>>R>>D>>>U<<L>D>",  // 50: 17, shortest
    "RR>UU<RU<<<LL<D>L<DDDD<LLL<D>>>>",  // 51: 32, shortest
    "LLLU<UU<<<D>D<<RD>>DDD<R>>",  // 52: 26, shortest
    "U>L<<RDD>R>>>LU>>L<U>>",  // 53: 22, shortest
    "<<D<U>RD<<U>>L<D<",  // 54: 17, shortest
    "<U>RRR<<DD>L<D>RD>>>>LLL<",  // 55: 25, shortest
    "RRUU<R>>>LD>>DDD<D>>>L<UU>",  // 56: 26, shortest
    "LDDD<<U<<LLUUU<UU<D>>>>RRR<R>>",  // 57: 30, shortest
    "LU<<<RR>>>DD>L>L<<<UU>>",  // 58: 23, shortest
    "D<<DD>RUUU<RRU<LU>L>L>>LL<D>RU<",  // 59: 31, shortest
    ">R>U<<L<L<D<D<<U>U>>",  // 60: 20, shortest
    "RU>LL<R<R<D<LD<R<<LL<<U<D>RR<U>LD<UU>",  // 61: 37, none shorter than 22
    "L>>U>>>>D>D<U<RRD<U>D<L>L<",  // 62: 26, shortest
    "<R>>>>L<D>>>>R<L<",  // 63: 17, shortest
    "<L<U>>RD<<R>>LD<<U<LD>",  // 64: 22, shortest
    "<<<R<<D>L>U<<<D<",  // 65: 16, shortest
    "RU<<RD>DD<U>>>L>L<D>L<R>",  // 66: 24, shortest
    "LU<D<D>R<R<R<LD<<R<LL<L<<",  // 67: 25, shortest
    "R>>>RD<D>L>>RUUU>LL>L<<<",  // 68: 24, shortest
    "U>R<D<<DD<<LL>U>U<RRR<<<D>",  // 69: 26, shortest
    "RRU<D<D>D>L>R<L>U>LL<UU<DDD<<UUU<RR<DD>",  // 70: 39, none shorter than 25
    "LD<<RD<R>>RU>D>>LU>LD<RU>LU>RU<RD>DD<L<LL<R>",  // 71: 44, none shorter than 22
    "R>U>>>LDDD<L>U<<D>RRR<<",  // 72: 23, shortest
};

constexpr std::array<bool, kLevelCount> kProven = {
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, false, true, true, true,
    true, true, true, true, true, false, false, true,
};
// clang-format on

}  // namespace

std::span<const std::string_view> levelSolutions() {
  return kSolutions;
}

std::span<const bool> levelSolutionsProven() {
  return kProven;
}

}  // namespace bt
