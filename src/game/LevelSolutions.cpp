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
    "LLUU<<RD<U<RR<RR>>L<LD<",  // 22: 23, shortest
    "LUU>R<L<L<<<RD<DD>RR>",  // 23: 21, shortest
    "LLDD<<RU<UU<RU<<",  // 24: 16, shortest
    "RRUU<L<<LD<LD>DD>L<<RU<",  // 25: 23, shortest
    "LLUU<LU>R>L>>R<<<RR<",  // 26: 20, shortest
    "LLUU>RD>DD>D>L>>>>RU<",  // 27: 21, shortest
    "LU<RD<RR>>LU<<RD>DD>>LU>",  // 28: 24, shortest
    "R<D>>>UU<LL<<",  // 29: 13, shortest
    "L<U<RR<D<RD>D>L>L>",  // 30: 18, shortest
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
// clang-format on

}  // namespace

std::span<const std::string_view> levelSolutions() {
  return kSolutions;
}

}  // namespace bt
