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
    "LU>>DD>U>RD<RR>UU>D>",  // 31: 20, shortest
    "U<<LLDDDD>>U>>R>U>>",  // 32: 19, shortest
    "D<RU<<<R<UU>>>D<L>>",  // 33: 19, shortest
    "RRDD>L>>LU>LL>RU>D>",  // 34: 19, shortest
    "DD>L>LUUUU<<RR>>>R>",  // 35: 19, shortest
    "LD<RRRR>D>>>L<",  // 36: 14, shortest
    "RRRUU>>>>D<DD>>LLL>>",  // 37: 20, shortest
    "U<RRRU<<LD>LD>L>D>D>",  // 38: 20, shortest
    "R<RD<D<L>UU<UU<LL>R<",  // 39: 20, shortest
    "RU<<DD>>>L<<L<<<U>D<",  // 40: 20, shortest
    "RD>U>L<<RD>U>L<<D<R>",  // 41: 20, shortest
    "LLU<D<<R<D<<",  // 42: 12, shortest
    "LLUU<D>>R<DD>RR>L>RR<",  // 43: 21, shortest
    "UU<LD<<LDDD>>>RU>>U>>",  // 44: 21, shortest
    "L>DD>>LUU<<<RUU>RRR<<",  // 45: 21, shortest
    "D<R<<L>R<U<L>>>>RD<<",  // 46: 20, shortest
    "<R>D<L<R<<<U<L<D>>RU>",  // 47: 21, shortest
    "D>RR>U<U>>L>LL>",  // 48: 15, shortest
    "R>RRDD>D<<L>L>U>U>R>>>",  // 49: 22, shortest
    "RD>LU>>D>R>>L>U>>>R>",  // 50: 20, shortest
    "LLLUUU>>>>R>D>D>DD<RU<",  // 51: 22, shortest
    "LDD<LLD>>U>>U>R>UU>RD>",  // 52: 22, shortest
    ">>RD<U<<U<LL>>>R<R<LD<",  // 53: 22, shortest
    "<<RD>U>>>D>LU<",  // 54: 14, shortest
    "LLD<D<RR>RR<<<RD<<<U>U>",  // 55: 23, shortest
    "RRR>DDD<U>>>LLU>L>LLU<U<",  // 56: 24, shortest
    "LU<LU>U<L>>R>R>>>RR<DD<",  // 57: 23, shortest
    "LU<<DD>>RR>>>>UU<<<LD>>",  // 58: 23, shortest
    "RRR<UU>>LD<L>LL<LU<D<D>",  // 59: 23, shortest
    "R>U>L<LD<U<DD>RR<",  // 60: 17, shortest
    "LU>>>>DD<<RU>L<RR<L>",  // 61: 20, shortest
    "U>RDD<U>D<L>>LU>D>R>RUU<",  // 62: 24, shortest
    "RD>U<<L<<D>R<<<LU>D>>",  // 63: 21, shortest
    "<U>L>>DD<R<R>>U>>>U<<L<<",  // 64: 24, shortest
    "D>>>>R<U>>D<L>>U<<R<D>",  // 65: 22, shortest
    "L>DD>R<U>RR>L<LL<",  // 66: 17, shortest
    "LDD<R<R<R<U>>UU>L<<L>L<D<",  // 67: 25, shortest
    "L<U<DDD>RR<<R>U<<U>U>>L<<",  // 68: 25, shortest
    "LU<D>D<D<RUUU>>RRDD>LD>L<",  // 69: 25, shortest
    "<<U<D<DD>>LU<RU<RD>",  // 70: 19, shortest
    "L<<R<LU<DD<RU<U<DD<",  // 71: 19, shortest
    "<RR>D<D>LL<LU<UU<RR>",  // 72: 20, shortest
};

constexpr std::array<bool, kLevelCount> kProven = {
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
    true, true, true, true, true, true, true, true,
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
