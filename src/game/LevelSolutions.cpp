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
    "LUU>LD<RR>RD>",  // 4: 13, shortest
    "LD<UU>LU>R>R<",  // 5: 13, shortest
    "LLDD<<RU<",  // 6: 9, shortest
    "LD<LD<<RU<RR>",  // 7: 13, shortest
    "RU<U<LL<L<D>D>",  // 8: 14, shortest
    "R<U<R<U>D>D<",  // 9: 12, shortest
    "RRDD>>L>>L<LU<",  // 10: 14, shortest
    "RU>RD<DD>>L<LU<",  // 11: 15, shortest
    "<<RU>>>>DD<",  // 12: 11, shortest
    "LDD<RD<<<LU>RR<U<",  // 13: 17, shortest
    "LUU>L>>>R>RRR<L>",  // 14: 16, shortest
    "RRU<<D<DD>>>LU>",  // 15: 15, shortest
    "LLLDDD>>U>>RU>RU>",  // 16: 17, shortest
    "L<RD>RRD<<L<",  // 17: 12, shortest
    "LL>RD<RR<UU<",  // 18: 12, shortest
    "LLDD<<<RU<U>UU>RR<L>",  // 19: 20, shortest
    "LLLU>D>DD<RD>>>RU>RU>",  // 20: 21, shortest
    "RRD>RU<UU>>>LD>LD>LL>",  // 21: 21, shortest
    "LLUU<<RD<U<RR<RR>>L<LD<",  // 22: 23, none shorter than 20
    "LUU>R<L<L<<<RD<DD>RR>",  // 23: 21, none shorter than 20
    "LLDD<<RU<UU<RU<<",  // 24: 16, shortest
    "RRUU<L<<LD<LD>DD>L<<RU<",  // 25: 23, none shorter than 22
    "LLUU<LU>R>L>>R<<<RR<",  // 26: 20, none shorter than 18
    "LLUU>RD>DD>D>L>>>>RU<",  // 27: 21, none shorter than 20
    "LU<RD<RR>>LU<<RD>DD>>LU>",  // 28: 24, none shorter than 20
    "R<D>>>UU<LL<<",  // 29: 13, shortest
    "L<U<RR<D<RD>D>L>L>",  // 30: 18, shortest
    "RRU<L>DD>LD<L<R>>L<R>R<",  // 31: 23, none shorter than 20
    "LLU>>>RR>RRRU>D<<<",  // 32: 18, shortest
    "U<RRU<<<LLD<<LD<LU<<",  // 33: 20, shortest
    "UU<<LL>>R>L>D>DDD>>>U>R>",  // 34: 24, none shorter than 22
    "RU<U<D>>LL>D<LDD>>>",  // 35: 19, shortest
    "RRR<<<L<DDD<<",  // 36: 13, shortest
    "RDDD<<U<U<U<<UU<L>L>D<<",  // 37: 23, shortest
    "D>LLDD<R<R>>>RRR<<U<U<<LU<",  // 38: 26, none shorter than 24
    "D<UU>RU<LD<D<DD<RR>>L>>LL>RU>",  // 39: 29, none shorter than 21
    "U<LD<D>>>UU>RR>>>>",  // 40: 18, shortest
    "D<<U<R>L<RD>>>L>>",  // 41: 17, shortest
    "RRRDDD>>LU>LU>",  // 42: 14, shortest
    "LLUU<<<D>RR>R<RU<<DD>DD<",  // 43: 24, none shorter than 23
    "LLU<D<RD<R<R<RD>>L>L>>L<LU>RU<",  // 44: 30, none shorter than 22
    "R>RU>U>>D>>LD>LLLU>>>>",  // 45: 22, shortest
    ">D<<<R>>L>U>>R>L>",  // 46: 17, shortest
    "D<R>>L<RU>>>>D>>LU>D<",  // 47: 21, none shorter than 19
    ">LDD>U<RR<<R<<UU>",  // 48: 17, shortest
    "LLD<RD<RD>>R>>U>R>>RD>>>LU>LU>",  // 49: 30, none shorter than 22
    ">>>R>>D>>>U<<L>D>",  // 50: 17, shortest
    "UUU<<<RR<R>>DD>L<D>>D<LDD<LLLL>>>>",  // 51: 34, none shorter than 29
    "LLLU<UU<<<D>D<<RD>>DDD<R>>",  // 52: 26, none shorter than 24
    "LU<<R<<RD<D<<L>>U>D<U>L<<U>",  // 53: 27, none shorter than 20
    "<<D<U>RD<<U>>L<D<",  // 54: 17, shortest
    ">RR<RU<LD>D>RU<LL<LD<RR<DD<R>>>LU>LU>",  // 55: 37, none shorter than 21
    "RRUU<R>>>LD>>DDD<D>>>L<UU>",  // 56: 26, none shorter than 24
    "RUU>>LLLLU<<<R<DD<D>RDD>D<<<LUU<",  // 57: 32, none shorter than 27
    "LU<<<RR>>>DD>L>L<<<UU>>",  // 58: 23, none shorter than 22
    "D<DD>UU<RU<RRU<LU>L>>L>>LL<D>U>R<",  // 59: 33, none shorter than 25
    ">R>U<<L<L<D<D<<U>U>>",  // 60: 20, none shorter than 18
    "RU>LL<R<R<D<LD<R<<LL<<U<D>RR<U>LD<UU>",  // 61: 37, none shorter than 19
    "LD>RU<D>>>RU>L<LD>UU<<D<D<<RR<",  // 62: 30, none shorter than 20
    "<R>>>>L<D>>>>R<L<",  // 63: 17, shortest
    "RU<D<L>>D<L<<<R<L<U>U<<<RR>",  // 64: 27, none shorter than 18
    "<<<R<<D>L>U<<<D<",  // 65: 16, shortest
    "U<L>>R>LD>DD>>RU<D>RU<<<D>R<",  // 66: 28, none shorter than 20
    "LD<<U>>U<D<DD<R>U<D>RR<LL>LU>",  // 67: 29, none shorter than 20
    "U<L>>>>R<R>R>LDD<RD>L<L<U<R>R>",  // 68: 30, none shorter than 21
    "U<L>>DDD<<R<R<<RU>L<L<<D<RUU<U<",  // 69: 31, none shorter than 23
    "RRU<D<D>D>L>R<L>U>LL<UU<DDD<<UUU<RR<DD>",  // 70: 39, none shorter than 22
    "LD<<RD<R>>RU>D>>LU>LD<RU>LU>RU<RD>DD<L<LL<R>",  // 71: 44, none shorter than 21
    "R<U>>>R<DDD<<LL<<L>R>U<L<<<",  // 72: 27, none shorter than 19
};
// clang-format on

}  // namespace

std::span<const std::string_view> levelSolutions() {
  return kSolutions;
}

}  // namespace bt
