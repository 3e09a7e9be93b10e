// The levels as first designed ("undo a scramble"): the built-in table as
// it stood before the redesign, with each level's recorded solution and the
// figures of its proof (`brambletop-levels solve N`, see docs/levels.md).
// The table keeps them for the levels the redesign has not reached yet.
#include "levels/FirstDesign.h"

#include <array>
#include <stdexcept>

namespace bt::levels {

namespace {

// clang-format off
constexpr LevelPiece kMarkers1[] = {{2, 2, 1}, {3, 3, 2}, {4, 4, 3}, {5, 5, 4}};
constexpr LevelPiece kTiles1[] = {{3, 2, 1}, {4, 3, 2}, {5, 4, 3}, {6, 5, 4}};
constexpr LevelPiece kMarkers2[] = {{4, 2, 1}, {7, 2, 2}, {5, 9, 3}, {6, 9, 4}};
constexpr LevelPiece kTiles2[] = {{3, 3, 1}, {8, 3, 2}, {3, 8, 3}, {8, 8, 4}};
constexpr LevelPiece kMarkers3[] = {{9, 5, 2}, {9, 6, 4}, {9, 7, 1}};
constexpr LevelPiece kTiles3[] = {{9, 2, 1}, {9, 3, 2}, {9, 4, 4}};
constexpr LevelPiece kMarkers4[] = {
    {5, 2, 4}, {6, 4, 3}, {2, 5, 2}, {3, 5, 4}, {8, 5, 2}, {4, 6, 3}, {5, 8, 1}, {6, 8, 1},
};
constexpr LevelPiece kTiles4[] = {
    {3, 6, 2}, {8, 6, 2}, {6, 8, 1}, {5, 8, 1}, {8, 5, 4}, {3, 5, 4}, {6, 4, 3}, {5, 4, 3},
};
constexpr LevelPiece kMarkers5[] = {
    {2, 1, 4}, {3, 3, 3}, {4, 3, 4}, {5, 3, 2}, {7, 5, 2}, {3, 7, 1}, {3, 8, 3}, {6, 8, 1},
};
constexpr LevelPiece kTiles5[] = {
    {6, 8, 1}, {4, 7, 1}, {3, 8, 3}, {4, 4, 3}, {6, 3, 2}, {7, 5, 2}, {2, 3, 4}, {3, 2, 4},
};
constexpr LevelPiece kMarkers6[] = {
    {5, 4, 1}, {6, 4, 1}, {4, 5, 1}, {5, 5, 1}, {6, 5, 1}, {5, 6, 1}, {6, 6, 1}, {2, 8, 1},
    {3, 8, 1},
};
constexpr LevelPiece kTiles6[] = {
    {4, 4, 1}, {5, 4, 1}, {6, 4, 1}, {4, 5, 1}, {5, 5, 1}, {6, 5, 1}, {4, 6, 1}, {5, 6, 1},
    {6, 6, 1},
};
constexpr LevelPiece kMarkers7[] = {
    {3, 3, 1}, {6, 3, 1}, {5, 4, 2}, {5, 5, 2}, {7, 5, 1}, {4, 6, 1}, {5, 7, 2}, {2, 8, 2},
};
constexpr LevelPiece kTiles7[] = {
    {5, 6, 2}, {4, 6, 2}, {3, 4, 2}, {6, 4, 2}, {6, 3, 1}, {3, 3, 1}, {7, 6, 1}, {2, 6, 1},
};
constexpr LevelPiece kMarkers8[] = {{1, 2, 1}, {2, 2, 3}, {6, 3, 3}, {7, 4, 1}};
constexpr LevelPiece kTiles8[] = {{6, 3, 3}, {3, 3, 3}, {7, 2, 1}, {2, 2, 1}};
constexpr LevelPiece kMarkers9[] = {
    {8, 2, 1}, {3, 3, 4}, {5, 3, 1}, {2, 5, 3}, {7, 5, 3}, {3, 6, 4}, {6, 6, 3},
};
constexpr LevelPiece kTiles9[] = {
    {7, 5, 3}, {2, 5, 3}, {6, 3, 3}, {3, 3, 4}, {3, 6, 4}, {6, 6, 1}, {7, 3, 1},
};
constexpr LevelPiece kMarkers10[] = {
    {4, 3, 2}, {5, 5, 2}, {3, 6, 2}, {7, 6, 1}, {4, 7, 1}, {5, 7, 1},
};
constexpr LevelPiece kTiles10[] = {
    {3, 3, 2}, {4, 3, 2}, {3, 4, 2}, {4, 4, 1}, {3, 5, 1}, {4, 5, 1},
};
constexpr LevelPiece kMarkers11[] = {
    {5, 2, 1}, {4, 3, 3}, {5, 3, 1}, {3, 4, 4}, {5, 4, 3}, {5, 5, 1}, {4, 6, 4}, {5, 7, 2},
    {6, 7, 2},
};
constexpr LevelPiece kTiles11[] = {
    {3, 3, 1}, {4, 3, 1}, {5, 3, 1}, {3, 4, 4}, {4, 4, 4}, {5, 4, 3}, {3, 5, 3}, {4, 5, 2},
    {5, 5, 2},
};
constexpr LevelPiece kMarkers12[] = {{5, 1, 1}, {6, 2, 2}, {4, 3, 1}, {4, 5, 2}};
constexpr LevelPiece kTiles12[] = {{3, 3, 2}, {4, 3, 2}, {3, 4, 1}, {4, 4, 1}};
constexpr LevelPiece kMarkers13[] = {
    {1, 2, 1}, {9, 2, 1}, {3, 5, 2}, {2, 7, 1}, {6, 7, 2}, {7, 7, 2}, {6, 8, 3}, {5, 9, 3},
};
constexpr LevelPiece kTiles13[] = {
    {9, 2, 1}, {1, 2, 1}, {7, 7, 1}, {3, 7, 2}, {3, 5, 2}, {7, 5, 2}, {4, 7, 3}, {6, 7, 3},
};
constexpr LevelPiece kMarkers14[] = {
    {2, 1, 1}, {7, 1, 3}, {1, 2, 2}, {3, 4, 3}, {2, 5, 1}, {4, 5, 2}, {7, 5, 4}, {7, 6, 4},
    {2, 7, 3}, {4, 7, 2},
};
constexpr LevelPiece kTiles14[] = {
    {4, 5, 2}, {5, 1, 2}, {4, 7, 2}, {7, 5, 4}, {7, 6, 4}, {2, 7, 3}, {2, 2, 3}, {7, 2, 3},
    {2, 5, 1}, {4, 2, 1},
};
constexpr LevelPiece kMarkers15[] = {{5, 1, 1}, {3, 3, 4}, {3, 4, 4}, {3, 5, 1}, {7, 6, 3}};
constexpr LevelPiece kTiles15[] = {{3, 3, 4}, {4, 3, 4}, {3, 4, 1}, {4, 4, 1}, {3, 5, 3}};
constexpr LevelPiece kMarkers16[] = {
    {4, 4, 3}, {5, 4, 1}, {6, 4, 3}, {7, 4, 3}, {3, 5, 3}, {4, 5, 1}, {5, 5, 3}, {6, 5, 1},
    {7, 5, 1}, {4, 6, 1}, {5, 6, 2}, {6, 6, 2}, {7, 6, 2}, {6, 7, 2}, {7, 7, 2}, {2, 10, 3},
};
constexpr LevelPiece kTiles16[] = {
    {4, 4, 3}, {5, 4, 3}, {6, 4, 3}, {7, 4, 3}, {4, 5, 3}, {5, 5, 3}, {6, 5, 1}, {7, 5, 1},
    {4, 6, 1}, {5, 6, 1}, {6, 6, 1}, {7, 6, 2}, {4, 7, 2}, {5, 7, 2}, {6, 7, 2}, {7, 7, 2},
};
constexpr LevelPiece kMarkers17[] = {{7, 3, 2}, {1, 4, 2}, {7, 6, 4}, {3, 7, 4}, {4, 7, 4}};
constexpr LevelPiece kTiles17[] = {{3, 7, 4}, {5, 7, 4}, {6, 4, 4}, {2, 4, 2}, {7, 3, 2}};
constexpr LevelPiece kMarkers18[] = {
    {4, 3, 3}, {6, 3, 4}, {3, 4, 3}, {4, 4, 4}, {5, 4, 3}, {6, 4, 4}, {7, 4, 3}, {8, 4, 3},
    {2, 5, 3}, {4, 5, 4}, {7, 5, 3}, {8, 5, 3}, {8, 6, 4}, {4, 7, 4}, {8, 7, 4}, {6, 8, 4},
};
constexpr LevelPiece kTiles18[] = {
    {4, 3, 3}, {7, 3, 3}, {7, 4, 3}, {4, 4, 3}, {3, 4, 3}, {8, 4, 3}, {6, 5, 3}, {5, 5, 3},
    {3, 6, 4}, {8, 6, 4}, {6, 4, 4}, {5, 4, 4}, {4, 5, 4}, {7, 5, 4}, {4, 8, 4}, {7, 8, 4},
};
constexpr LevelPiece kMarkers19[] = {
    {6, 1, 2}, {2, 3, 4}, {7, 3, 4}, {2, 4, 2}, {2, 5, 1}, {5, 6, 3}, {1, 7, 3}, {7, 8, 1},
};
constexpr LevelPiece kTiles19[] = {
    {2, 8, 1}, {7, 8, 1}, {7, 2, 4}, {2, 2, 4}, {4, 6, 3}, {5, 6, 3}, {6, 2, 2}, {3, 2, 2},
};
constexpr LevelPiece kMarkers20[] = {
    {3, 3, 3}, {3, 4, 3}, {4, 4, 4}, {5, 4, 3}, {6, 4, 3}, {7, 4, 3}, {5, 5, 4}, {6, 5, 1},
    {7, 5, 4}, {5, 6, 1}, {6, 6, 4}, {7, 6, 1}, {5, 7, 1}, {1, 8, 4}, {2, 8, 1}, {3, 10, 3},
};
constexpr LevelPiece kTiles20[] = {
    {4, 4, 3}, {5, 4, 3}, {6, 4, 3}, {7, 4, 3}, {4, 5, 3}, {5, 5, 3}, {6, 5, 4}, {7, 5, 4},
    {4, 6, 4}, {5, 6, 4}, {6, 6, 4}, {7, 6, 1}, {4, 7, 1}, {5, 7, 1}, {6, 7, 1}, {7, 7, 1},
};
constexpr LevelPiece kMarkers21[] = {
    {8, 1, 3}, {4, 3, 1}, {7, 3, 4}, {2, 4, 1}, {4, 5, 1}, {5, 5, 2}, {7, 5, 2}, {5, 6, 2},
    {6, 6, 3}, {6, 7, 4},
};
constexpr LevelPiece kTiles21[] = {
    {3, 3, 1}, {4, 4, 1}, {5, 4, 1}, {6, 4, 4}, {4, 5, 4}, {5, 5, 2}, {6, 5, 2}, {4, 6, 2},
    {5, 6, 3}, {6, 6, 3},
};
constexpr LevelPiece kMarkers22[] = {
    {1, 2, 4}, {7, 2, 1}, {9, 2, 1}, {1, 3, 1}, {8, 3, 1}, {3, 4, 3}, {6, 4, 3}, {3, 6, 3},
    {6, 6, 4}, {4, 7, 3}, {5, 7, 4}, {8, 7, 4},
};
constexpr LevelPiece kTiles22[] = {
    {3, 6, 3}, {4, 7, 3}, {6, 2, 3}, {3, 2, 3}, {4, 3, 1}, {8, 4, 1}, {5, 5, 1}, {8, 2, 1},
    {6, 6, 4}, {8, 7, 4}, {5, 7, 4}, {3, 5, 4},
};
constexpr LevelPiece kMarkers23[] = {
    {2, 1, 3}, {3, 1, 2}, {5, 2, 1}, {7, 2, 2}, {2, 3, 4}, {3, 3, 1}, {2, 5, 4}, {2, 6, 2},
    {3, 6, 4}, {6, 6, 1}, {7, 6, 1}, {5, 7, 3}, {6, 7, 2}, {7, 7, 3}, {3, 8, 3}, {6, 8, 4},
};
constexpr LevelPiece kTiles23[] = {
    {2, 3, 2}, {5, 7, 2}, {2, 5, 2}, {7, 2, 2}, {6, 6, 1}, {6, 7, 1}, {5, 2, 1}, {4, 2, 1},
    {2, 4, 4}, {3, 6, 4}, {6, 8, 4}, {3, 4, 4}, {3, 5, 3}, {7, 7, 3}, {3, 8, 3}, {4, 6, 3},
};
constexpr LevelPiece kMarkers24[] = {
    {4, 1, 3}, {4, 2, 3}, {3, 3, 3}, {4, 3, 3}, {2, 4, 1}, {4, 4, 3}, {5, 4, 3}, {3, 6, 1},
    {5, 6, 1}, {4, 7, 1}, {2, 8, 1}, {3, 8, 1},
};
constexpr LevelPiece kTiles24[] = {
    {3, 3, 3}, {4, 3, 3}, {5, 3, 3}, {3, 4, 3}, {4, 4, 3}, {5, 4, 3}, {3, 5, 1}, {4, 5, 1},
    {5, 5, 1}, {3, 6, 1}, {4, 6, 1}, {5, 6, 1},
};
constexpr LevelPiece kMarkers25[] = {
    {5, 1, 3}, {7, 1, 2}, {4, 2, 3}, {5, 2, 2}, {2, 4, 2}, {3, 4, 4}, {4, 4, 3}, {3, 5, 4},
    {4, 6, 1}, {4, 7, 4}, {2, 8, 1}, {4, 8, 1},
};
constexpr LevelPiece kTiles25[] = {
    {3, 3, 2}, {4, 3, 2}, {5, 3, 2}, {3, 4, 3}, {4, 4, 3}, {5, 4, 3}, {3, 5, 4}, {4, 5, 4},
    {5, 5, 4}, {3, 6, 1}, {4, 6, 1}, {5, 6, 1},
};
constexpr LevelPiece kMarkers26[] = {
    {2, 1, 2}, {4, 1, 3}, {1, 2, 4}, {2, 2, 3}, {9, 2, 3}, {9, 3, 2}, {6, 4, 4}, {2, 5, 2},
    {4, 5, 3}, {4, 9, 4}, {7, 9, 4},
};
constexpr LevelPiece kTiles26[] = {
    {9, 2, 3}, {2, 2, 3}, {5, 4, 3}, {6, 4, 3}, {7, 9, 4}, {4, 9, 4}, {4, 3, 4}, {7, 3, 4},
    {9, 3, 2}, {2, 3, 2}, {2, 5, 2},
};
constexpr LevelPiece kMarkers27[] = {
    {3, 1, 4}, {4, 2, 4}, {3, 3, 4}, {4, 3, 3}, {5, 3, 3}, {6, 3, 4}, {4, 4, 3}, {5, 4, 1},
    {6, 4, 1}, {4, 5, 1}, {1, 6, 2}, {3, 6, 2}, {1, 7, 2}, {2, 8, 1},
};
constexpr LevelPiece kTiles27[] = {
    {3, 3, 4}, {4, 3, 4}, {5, 3, 4}, {6, 3, 4}, {3, 4, 3}, {4, 4, 3}, {5, 4, 3}, {6, 4, 1},
    {3, 5, 1}, {4, 5, 1}, {5, 5, 1}, {3, 6, 2}, {4, 6, 2}, {5, 6, 2},
};
constexpr LevelPiece kMarkers28[] = {
    {4, 1, 1}, {1, 3, 2}, {4, 3, 1}, {7, 3, 3}, {2, 4, 1}, {7, 4, 2}, {4, 6, 2}, {5, 7, 3},
    {6, 7, 3},
};
constexpr LevelPiece kTiles28[] = {
    {3, 3, 1}, {4, 3, 1}, {5, 3, 1}, {3, 4, 2}, {4, 4, 2}, {5, 4, 2}, {3, 5, 3}, {4, 5, 3},
    {5, 5, 3},
};
constexpr LevelPiece kMarkers29[] = {{5, 1, 3}, {4, 2, 2}, {1, 3, 4}, {4, 6, 3}};
constexpr LevelPiece kTiles29[] = {{4, 1, 3}, {3, 1, 3}, {4, 4, 2}, {3, 4, 4}};
constexpr LevelPiece kMarkers30[] = {
    {2, 1, 4}, {5, 1, 4}, {3, 3, 3}, {4, 3, 3}, {1, 4, 3}, {5, 4, 4}, {2, 7, 4}, {4, 7, 4},
    {6, 7, 3},
};
constexpr LevelPiece kTiles30[] = {
    {1, 2, 4}, {4, 1, 4}, {5, 2, 4}, {3, 6, 4}, {2, 7, 4}, {5, 3, 3}, {4, 4, 3}, {3, 7, 3},
    {3, 4, 3},
};
constexpr LevelPiece kMarkers31[] = {
    {5, 1, 1}, {6, 1, 1}, {2, 2, 1}, {4, 2, 1}, {5, 2, 1}, {2, 3, 1}, {3, 3, 1}, {6, 3, 4},
    {3, 4, 1}, {4, 4, 1}, {5, 4, 4}, {2, 5, 1}, {3, 5, 4}, {4, 5, 4}, {1, 6, 4}, {2, 6, 4},
    {4, 6, 4}, {5, 6, 4}, {2, 7, 1}, {3, 7, 4}, {4, 7, 4},
};
constexpr LevelPiece kTiles31[] = {
    {2, 2, 1}, {3, 2, 1}, {4, 2, 1}, {5, 2, 1}, {6, 2, 1}, {2, 3, 1}, {3, 3, 1}, {4, 3, 1},
    {5, 3, 1}, {2, 4, 1}, {3, 4, 1}, {4, 4, 4}, {5, 4, 4}, {2, 5, 4}, {3, 5, 4}, {4, 5, 4},
    {5, 5, 4}, {2, 6, 4}, {3, 6, 4}, {4, 6, 4}, {5, 6, 4},
};
constexpr LevelPiece kMarkers32[] = {{5, 2, 4}, {9, 2, 1}, {1, 3, 1}};
constexpr LevelPiece kTiles32[] = {{6, 3, 1}, {4, 3, 1}, {6, 2, 4}};
constexpr LevelPiece kMarkers33[] = {{5, 2, 3}, {8, 2, 4}, {1, 3, 1}, {2, 5, 4}};
constexpr LevelPiece kTiles33[] = {{3, 6, 4}, {2, 4, 4}, {2, 5, 1}, {3, 4, 3}};
constexpr LevelPiece kMarkers34[] = {
    {2, 1, 1}, {3, 1, 2}, {4, 1, 4}, {3, 2, 3}, {3, 3, 2}, {2, 8, 4},
};
constexpr LevelPiece kTiles34[] = {
    {3, 3, 4}, {3, 4, 4}, {4, 4, 3}, {5, 4, 2}, {4, 5, 2}, {5, 5, 1},
};
constexpr LevelPiece kMarkers35[] = {{5, 1, 4}, {4, 4, 3}, {7, 4, 3}, {2, 5, 2}, {2, 8, 4}};
constexpr LevelPiece kTiles35[] = {{5, 3, 4}, {2, 5, 4}, {7, 2, 3}, {3, 3, 3}, {3, 6, 2}};
constexpr LevelPiece kMarkers36[] = {{4, 3, 3}, {9, 5, 3}, {2, 8, 3}, {6, 9, 3}};
constexpr LevelPiece kTiles36[] = {{2, 8, 3}, {8, 8, 3}, {6, 3, 3}, {4, 3, 3}};
constexpr LevelPiece kMarkers37[] = {{6, 1, 1}, {2, 3, 3}, {6, 9, 4}};
constexpr LevelPiece kTiles37[] = {{6, 2, 1}, {4, 2, 4}, {2, 2, 3}};
constexpr LevelPiece kMarkers38[] = {{3, 3, 4}, {6, 5, 2}, {4, 8, 2}, {2, 9, 3}, {8, 9, 4}};
constexpr LevelPiece kTiles38[] = {{3, 3, 4}, {7, 3, 4}, {4, 7, 2}, {6, 7, 2}, {4, 6, 3}};
constexpr LevelPiece kMarkers39[] = {
    {5, 1, 1}, {3, 3, 1}, {3, 4, 4}, {5, 4, 4}, {4, 5, 4}, {2, 6, 1}, {3, 6, 2}, {8, 7, 2},
};
constexpr LevelPiece kTiles39[] = {
    {3, 3, 1}, {3, 4, 1}, {4, 4, 1}, {5, 4, 4}, {3, 5, 4}, {4, 5, 4}, {5, 5, 2}, {3, 6, 2},
};
constexpr LevelPiece kMarkers40[] = {{3, 1, 3}, {4, 1, 1}, {6, 3, 2}, {1, 5, 4}};
constexpr LevelPiece kTiles40[] = {{3, 2, 2}, {4, 2, 1}, {6, 2, 4}, {1, 2, 3}};
constexpr LevelPiece kMarkers41[] = {{3, 1, 3}, {4, 1, 3}, {5, 2, 4}, {4, 4, 1}, {3, 5, 2}};
constexpr LevelPiece kTiles41[] = {{1, 2, 3}, {5, 2, 3}, {1, 4, 4}, {5, 4, 1}, {3, 1, 2}};
constexpr LevelPiece kMarkers42[] = {{4, 4, 4}, {5, 5, 1}, {4, 6, 4}, {8, 9, 1}};
constexpr LevelPiece kTiles42[] = {{4, 4, 4}, {4, 5, 4}, {5, 5, 1}, {4, 6, 1}};
constexpr LevelPiece kMarkers43[] = {
    {1, 2, 1}, {3, 2, 3}, {5, 2, 3}, {8, 2, 2}, {2, 3, 1}, {8, 3, 4}, {5, 5, 2}, {7, 8, 4},
};
constexpr LevelPiece kTiles43[] = {
    {3, 3, 1}, {2, 3, 1}, {4, 4, 3}, {7, 3, 3}, {8, 7, 4}, {7, 1, 4}, {6, 1, 2}, {4, 5, 2},
};
constexpr LevelPiece kMarkers44[] = {
    {7, 2, 1}, {1, 3, 2}, {3, 4, 1}, {6, 5, 2}, {8, 7, 4}, {6, 8, 4},
};
constexpr LevelPiece kTiles44[] = {
    {6, 6, 2}, {2, 5, 2}, {5, 5, 4}, {2, 7, 4}, {7, 2, 1}, {3, 6, 1},
};
constexpr LevelPiece kMarkers45[] = {
    {7, 1, 1}, {2, 2, 4}, {7, 2, 2}, {8, 3, 3}, {8, 4, 3}, {7, 5, 4},
};
constexpr LevelPiece kTiles45[] = {
    {5, 4, 3}, {6, 5, 3}, {6, 4, 2}, {5, 6, 4}, {3, 5, 4}, {6, 6, 1},
};
constexpr LevelPiece kMarkers46[] = {{4, 2, 3}, {1, 3, 4}, {2, 4, 2}, {4, 5, 1}};
constexpr LevelPiece kTiles46[] = {{2, 1, 1}, {4, 1, 4}, {4, 2, 3}, {2, 2, 2}};
constexpr LevelPiece kMarkers47[] = {
    {3, 1, 4}, {1, 2, 2}, {4, 3, 3}, {1, 4, 4}, {3, 4, 2}, {4, 4, 3}, {5, 4, 1}, {4, 5, 1},
};
constexpr LevelPiece kTiles47[] = {
    {2, 3, 4}, {4, 3, 4}, {4, 1, 2}, {2, 1, 2}, {5, 3, 3}, {1, 3, 3}, {2, 2, 1}, {4, 2, 1},
};
constexpr LevelPiece kMarkers48[] = {
    {4, 2, 3}, {7, 2, 3}, {1, 3, 3}, {1, 6, 3}, {3, 6, 3}, {5, 6, 3},
};
constexpr LevelPiece kTiles48[] = {
    {3, 4, 3}, {5, 4, 3}, {6, 6, 3}, {2, 6, 3}, {7, 3, 3}, {1, 3, 3},
};
constexpr LevelPiece kMarkers49[] = {
    {4, 4, 4}, {1, 6, 2}, {5, 6, 4}, {6, 6, 3}, {6, 7, 1}, {9, 8, 2},
};
constexpr LevelPiece kTiles49[] = {
    {4, 4, 4}, {5, 4, 4}, {4, 5, 1}, {5, 5, 2}, {4, 6, 2}, {5, 6, 3},
};
constexpr LevelPiece kMarkers50[] = {{4, 1, 1}, {4, 2, 2}, {1, 3, 3}, {5, 4, 4}};
constexpr LevelPiece kTiles50[] = {{2, 2, 4}, {4, 2, 3}, {2, 5, 1}, {4, 4, 2}};
constexpr LevelPiece kMarkers51[] = {
    {6, 1, 3}, {10, 2, 2}, {3, 3, 2}, {6, 3, 3}, {9, 6, 2}, {4, 7, 1}, {7, 8, 1}, {2, 10, 3},
};
constexpr LevelPiece kTiles51[] = {
    {3, 3, 2}, {8, 3, 2}, {8, 7, 2}, {3, 7, 3}, {7, 3, 3}, {4, 3, 3}, {4, 7, 1}, {7, 7, 1},
};
constexpr LevelPiece kMarkers52[] = {
    {1, 2, 1}, {1, 3, 3}, {9, 3, 3}, {1, 5, 4}, {6, 5, 1}, {7, 5, 4}, {8, 8, 2}, {3, 10, 2},
};
constexpr LevelPiece kTiles52[] = {
    {7, 5, 4}, {4, 5, 4}, {8, 8, 2}, {3, 8, 2}, {9, 3, 3}, {2, 3, 3}, {6, 5, 1}, {5, 5, 1},
};
constexpr LevelPiece kMarkers53[] = {
    {1, 2, 4}, {4, 3, 3}, {2, 4, 1}, {3, 4, 3}, {2, 5, 2}, {6, 5, 2},
};
constexpr LevelPiece kTiles53[] = {
    {2, 2, 2}, {2, 3, 2}, {3, 3, 4}, {4, 3, 3}, {3, 4, 3}, {4, 4, 1},
};
constexpr LevelPiece kMarkers54[] = {
    {2, 1, 3}, {3, 1, 4}, {4, 2, 3}, {5, 2, 4}, {1, 3, 3}, {3, 5, 4},
};
constexpr LevelPiece kTiles54[] = {
    {2, 5, 3}, {4, 5, 3}, {5, 2, 3}, {1, 2, 4}, {4, 3, 4}, {2, 3, 4},
};
constexpr LevelPiece kMarkers55[] = {
    {7, 2, 4}, {4, 4, 3}, {5, 4, 3}, {5, 5, 1}, {6, 5, 4}, {5, 6, 1}, {5, 7, 2}, {9, 8, 2},
};
constexpr LevelPiece kTiles55[] = {
    {4, 4, 3}, {5, 4, 3}, {6, 4, 1}, {4, 5, 1}, {5, 5, 4}, {6, 5, 4}, {4, 6, 2}, {5, 6, 2},
};
constexpr LevelPiece kMarkers56[] = {{8, 1, 4}, {7, 4, 2}, {7, 7, 1}, {5, 8, 4}, {7, 9, 1}};
constexpr LevelPiece kTiles56[] = {{4, 6, 1}, {6, 6, 1}, {6, 7, 4}, {4, 7, 4}, {6, 5, 2}};
constexpr LevelPiece kMarkers57[] = {
    {1, 2, 4}, {2, 3, 1}, {8, 4, 2}, {3, 6, 1}, {6, 6, 3}, {5, 10, 2},
};
constexpr LevelPiece kTiles57[] = {
    {4, 4, 1}, {4, 5, 1}, {5, 5, 4}, {6, 5, 2}, {5, 6, 2}, {6, 6, 3},
};
constexpr LevelPiece kMarkers58[] = {{1, 2, 3}, {6, 2, 4}, {6, 3, 1}, {5, 6, 2}};
constexpr LevelPiece kTiles58[] = {{1, 4, 4}, {2, 4, 1}, {3, 3, 2}, {5, 4, 3}};
constexpr LevelPiece kMarkers59[] = {
    {4, 1, 4}, {1, 2, 3}, {9, 3, 3}, {5, 4, 4}, {6, 6, 4}, {4, 7, 2}, {7, 8, 2}, {4, 9, 2},
};
constexpr LevelPiece kTiles59[] = {
    {4, 2, 4}, {6, 2, 4}, {2, 5, 4}, {8, 5, 2}, {7, 8, 2}, {3, 8, 2}, {2, 3, 3}, {8, 3, 3},
};
constexpr LevelPiece kMarkers60[] = {
    {4, 1, 1}, {1, 2, 2}, {3, 2, 1}, {6, 2, 1}, {1, 3, 2}, {1, 5, 1}, {3, 5, 2}, {5, 6, 2},
};
constexpr LevelPiece kTiles60[] = {
    {2, 1, 1}, {4, 1, 1}, {3, 6, 1}, {4, 2, 1}, {2, 6, 2}, {5, 6, 2}, {1, 2, 2}, {1, 3, 2},
};
constexpr LevelPiece kMarkers61[] = {
    {4, 1, 1}, {1, 2, 1}, {1, 3, 3}, {2, 3, 4}, {4, 3, 3}, {5, 3, 2}, {2, 4, 2}, {4, 4, 1},
    {5, 4, 3}, {2, 5, 4}, {4, 5, 2}, {5, 5, 1}, {6, 5, 2}, {3, 6, 4}, {4, 6, 3}, {5, 6, 4},
};
constexpr LevelPiece kTiles61[] = {
    {2, 2, 1}, {3, 2, 1}, {4, 2, 1}, {5, 2, 1}, {2, 3, 2}, {3, 3, 2}, {4, 3, 2}, {5, 3, 2},
    {2, 4, 4}, {3, 4, 4}, {4, 4, 4}, {5, 4, 4}, {2, 5, 3}, {3, 5, 3}, {4, 5, 3}, {5, 5, 3},
};
constexpr LevelPiece kMarkers62[] = {
    {2, 1, 3}, {5, 2, 1}, {4, 3, 1}, {6, 3, 4}, {1, 4, 2}, {4, 4, 3}, {4, 5, 2}, {2, 6, 4},
};
constexpr LevelPiece kTiles62[] = {
    {6, 3, 1}, {5, 6, 1}, {2, 6, 3}, {4, 5, 3}, {2, 5, 4}, {5, 3, 4}, {2, 2, 2}, {4, 3, 2},
};
constexpr LevelPiece kMarkers63[] = {{2, 1, 1}, {4, 1, 4}, {1, 2, 3}, {5, 2, 3}, {2, 5, 2}};
constexpr LevelPiece kTiles63[] = {{2, 4, 3}, {4, 4, 3}, {4, 3, 1}, {2, 3, 2}, {2, 5, 4}};
constexpr LevelPiece kMarkers64[] = {
    {2, 1, 3}, {6, 2, 2}, {2, 3, 2}, {4, 3, 3}, {4, 4, 1}, {6, 4, 2}, {3, 6, 1}, {5, 6, 3},
};
constexpr LevelPiece kTiles64[] = {
    {5, 6, 3}, {2, 6, 3}, {2, 4, 3}, {5, 4, 2}, {6, 2, 2}, {1, 2, 2}, {5, 5, 1}, {2, 5, 1},
};
constexpr LevelPiece kMarkers65[] = {{3, 2, 3}, {4, 2, 3}, {5, 2, 2}, {2, 5, 4}, {3, 5, 4}};
constexpr LevelPiece kTiles65[] = {{1, 2, 3}, {3, 4, 3}, {4, 2, 4}, {2, 5, 4}, {1, 4, 2}};
constexpr LevelPiece kMarkers66[] = {
    {4, 1, 1}, {3, 2, 4}, {5, 3, 4}, {3, 4, 4}, {4, 4, 1}, {3, 5, 1}, {4, 5, 1}, {7, 6, 4},
    {2, 7, 1},
};
constexpr LevelPiece kTiles66[] = {
    {2, 6, 1}, {6, 6, 1}, {3, 5, 1}, {5, 5, 1}, {1, 5, 1}, {7, 5, 4}, {5, 3, 4}, {3, 3, 4},
    {4, 4, 4},
};
constexpr LevelPiece kMarkers67[] = {
    {1, 2, 3}, {7, 2, 2}, {2, 3, 4}, {4, 4, 1}, {3, 5, 4}, {4, 5, 3}, {5, 6, 2}, {6, 7, 1},
};
constexpr LevelPiece kTiles67[] = {
    {2, 4, 3}, {2, 3, 3}, {3, 3, 1}, {7, 6, 1}, {1, 6, 4}, {5, 5, 4}, {1, 5, 2}, {7, 2, 2},
};
constexpr LevelPiece kMarkers68[] = {
    {2, 1, 2}, {6, 1, 1}, {4, 3, 1}, {6, 3, 4}, {7, 3, 2}, {3, 4, 3}, {5, 5, 3}, {6, 7, 4},
};
constexpr LevelPiece kTiles68[] = {
    {2, 4, 2}, {6, 4, 2}, {5, 6, 4}, {3, 6, 4}, {5, 3, 3}, {3, 3, 3}, {7, 2, 1}, {1, 2, 1},
};
constexpr LevelPiece kMarkers69[] = {
    {3, 1, 2}, {4, 1, 3}, {3, 3, 4}, {7, 5, 4}, {1, 6, 3}, {5, 7, 2},
};
constexpr LevelPiece kTiles69[] = {
    {6, 6, 4}, {2, 6, 4}, {6, 2, 2}, {2, 2, 2}, {2, 5, 3}, {6, 5, 3},
};
constexpr LevelPiece kMarkers70[] = {
    {4, 1, 1}, {1, 2, 2}, {2, 2, 1}, {3, 2, 1}, {6, 2, 1}, {3, 3, 1}, {4, 3, 3}, {4, 4, 3},
    {5, 4, 3}, {1, 5, 3}, {2, 5, 2}, {4, 5, 2}, {2, 6, 3}, {3, 6, 2}, {4, 6, 2}, {6, 6, 2},
    {2, 7, 2}, {3, 7, 3}, {4, 7, 1}, {6, 7, 1},
};
constexpr LevelPiece kTiles70[] = {
    {2, 2, 1}, {3, 2, 1}, {4, 2, 1}, {5, 2, 1}, {2, 3, 1}, {3, 3, 1}, {4, 3, 1}, {5, 3, 2},
    {2, 4, 2}, {3, 4, 2}, {4, 4, 2}, {5, 4, 2}, {2, 5, 2}, {3, 5, 2}, {4, 5, 3}, {5, 5, 3},
    {2, 6, 3}, {3, 6, 3}, {4, 6, 3}, {5, 6, 3},
};
constexpr LevelPiece kMarkers71[] = {
    {4, 1, 3}, {2, 2, 3}, {4, 2, 3}, {4, 3, 1}, {6, 3, 1}, {2, 4, 3}, {3, 4, 1}, {4, 4, 3},
    {4, 5, 3}, {5, 5, 1}, {6, 5, 1}, {4, 6, 1}, {5, 6, 1}, {2, 7, 1}, {3, 7, 3}, {6, 7, 3},
};
constexpr LevelPiece kTiles71[] = {
    {2, 2, 3}, {3, 2, 3}, {2, 3, 3}, {3, 3, 3}, {4, 3, 3}, {5, 3, 3}, {2, 4, 3}, {3, 4, 3},
    {4, 4, 1}, {5, 4, 1}, {2, 5, 1}, {3, 5, 1}, {4, 5, 1}, {5, 5, 1}, {2, 6, 1}, {3, 6, 1},
};
constexpr LevelPiece kMarkers72[] = {
    {4, 1, 3}, {5, 1, 3}, {2, 2, 3}, {3, 2, 3}, {4, 2, 3}, {6, 2, 3}, {2, 3, 3}, {3, 3, 3},
    {4, 3, 3}, {5, 3, 3}, {6, 3, 3}, {1, 4, 3}, {5, 4, 3}, {6, 4, 3}, {1, 5, 3}, {3, 5, 3},
    {4, 5, 3}, {6, 5, 3}, {7, 5, 3}, {1, 6, 3}, {3, 6, 3}, {5, 6, 3}, {6, 6, 3}, {7, 6, 3},
    {4, 7, 3},
};
constexpr LevelPiece kTiles72[] = {
    {2, 2, 3}, {3, 2, 3}, {4, 2, 3}, {5, 2, 3}, {6, 2, 3}, {2, 3, 3}, {3, 3, 3}, {4, 3, 3},
    {5, 3, 3}, {6, 3, 3}, {2, 4, 3}, {3, 4, 3}, {4, 4, 3}, {5, 4, 3}, {6, 4, 3}, {2, 5, 3},
    {3, 5, 3}, {4, 5, 3}, {5, 5, 3}, {6, 5, 3}, {2, 6, 3}, {3, 6, 3}, {4, 6, 3}, {5, 6, 3},
    {6, 6, 3},
};

constexpr std::array<LevelData, kLevelCount> kLevels = {{
    LevelData{10, kMarkers1, kTiles1},
    LevelData{10, kMarkers2, kTiles2},
    LevelData{9, kMarkers3, kTiles3},
    LevelData{10, kMarkers4, kTiles4},
    LevelData{9, kMarkers5, kTiles5},
    LevelData{9, kMarkers6, kTiles6},
    LevelData{8, kMarkers7, kTiles7},
    LevelData{8, kMarkers8, kTiles8},
    LevelData{8, kMarkers9, kTiles9},
    LevelData{7, kMarkers10, kTiles10},
    LevelData{7, kMarkers11, kTiles11},
    LevelData{6, kMarkers12, kTiles12},
    LevelData{9, kMarkers13, kTiles13},
    LevelData{8, kMarkers14, kTiles14},
    LevelData{7, kMarkers15, kTiles15},
    LevelData{10, kMarkers16, kTiles16},
    LevelData{7, kMarkers17, kTiles17},
    LevelData{10, kMarkers18, kTiles18},
    LevelData{8, kMarkers19, kTiles19},
    LevelData{10, kMarkers20, kTiles20},
    LevelData{9, kMarkers21, kTiles21},
    LevelData{9, kMarkers22, kTiles22},
    LevelData{9, kMarkers23, kTiles23},
    LevelData{8, kMarkers24, kTiles24},
    LevelData{8, kMarkers25, kTiles25},
    LevelData{10, kMarkers26, kTiles26},
    LevelData{8, kMarkers27, kTiles27},
    LevelData{7, kMarkers28, kTiles28},
    LevelData{6, kMarkers29, kTiles29},
    LevelData{7, kMarkers30, kTiles30},
    LevelData{7, kMarkers31, kTiles31},
    LevelData{9, kMarkers32, kTiles32},
    LevelData{8, kMarkers33, kTiles33},
    LevelData{8, kMarkers34, kTiles34},
    LevelData{8, kMarkers35, kTiles35},
    LevelData{9, kMarkers36, kTiles36},
    LevelData{9, kMarkers37, kTiles37},
    LevelData{9, kMarkers38, kTiles38},
    LevelData{8, kMarkers39, kTiles39},
    LevelData{6, kMarkers40, kTiles40},
    LevelData{5, kMarkers41, kTiles41},
    LevelData{9, kMarkers42, kTiles42},
    LevelData{8, kMarkers43, kTiles43},
    LevelData{8, kMarkers44, kTiles44},
    LevelData{8, kMarkers45, kTiles45},
    LevelData{5, kMarkers46, kTiles46},
    LevelData{5, kMarkers47, kTiles47},
    LevelData{7, kMarkers48, kTiles48},
    LevelData{9, kMarkers49, kTiles49},
    LevelData{5, kMarkers50, kTiles50},
    LevelData{10, kMarkers51, kTiles51},
    LevelData{10, kMarkers52, kTiles52},
    LevelData{6, kMarkers53, kTiles53},
    LevelData{5, kMarkers54, kTiles54},
    LevelData{9, kMarkers55, kTiles55},
    LevelData{9, kMarkers56, kTiles56},
    LevelData{10, kMarkers57, kTiles57},
    LevelData{6, kMarkers58, kTiles58},
    LevelData{9, kMarkers59, kTiles59},
    LevelData{6, kMarkers60, kTiles60},
    LevelData{6, kMarkers61, kTiles61},
    LevelData{6, kMarkers62, kTiles62},
    LevelData{5, kMarkers63, kTiles63},
    LevelData{6, kMarkers64, kTiles64},
    LevelData{5, kMarkers65, kTiles65},
    LevelData{7, kMarkers66, kTiles66},
    LevelData{7, kMarkers67, kTiles67},
    LevelData{7, kMarkers68, kTiles68},
    LevelData{7, kMarkers69, kTiles69},
    LevelData{7, kMarkers70, kTiles70},
    LevelData{7, kMarkers71, kTiles71},
    LevelData{7, kMarkers72, kTiles72},
}};

struct Proof {
  std::string_view solution;
  bool shortest;
  int provenAtLeast;
  int scrambleTurns;  // 0 for the fixed levels
  uint64_t nodes;
  double seconds;
};

constexpr std::array<Proof, kLevelCount> kProofs = {{
    {"UU<L>L<L>", true, 9, 0, 28, 0.41},  // 1
    {"LUU<RR>DDDD<<LL>>", true, 17, 0, 1200, 0.44},  // 2
    {"RRRDD<U<U<U<U<", true, 14, 0, 0, 0.13},  // 3
    {"LUU>LD<RR>RD>", true, 13, 4, 1331, 0.66},  // 4
    {"LD<UU>LU>R>R<", true, 13, 5, 298, 0.39},  // 5
    {"LLDD<<RU<", true, 9, 3, 0, 0.08},  // 6
    {"LD<LD<<RU<RR>", true, 13, 5, 1017, 0.11},  // 7
    {"RU<U<LL<L<D>D>", true, 14, 6, 114, 0.10},  // 8
    {"R<U<R<U>D>D<", true, 12, 6, 158, 0.13},  // 9
    {"RRDD>>L>>L<LU<", true, 14, 6, 62, 1.39},  // 10
    {"RU>RD<DD>>L<LU<", true, 15, 6, 686, 6.62},  // 11
    {"<<RU>>>>DD<", true, 11, 8, 0, 0.24},  // 12
    {"LDD<RD<<<LU>RR<U<", true, 17, 7, 18076, 0.31},  // 13
    {"LUU>L>>>R>RRR<L>", true, 16, 7, 800, 0.22},  // 14
    {"RRU<<D<DD>>>LU>", true, 15, 7, 0, 2.58},  // 15
    {"LLLDDD>>U>>RU>RU>", true, 17, 6, 86, 0.42},  // 16
    {"L<RD>RRD<<L<", true, 12, 7, 31, 1.08},  // 17
    {"LL>RD<RR<UU<", true, 12, 4, 3291, 0.26},  // 18
    {"LLDD<<<RU<U>UU>RR<L>", true, 20, 8, 6166, 0.24},  // 19
    {"LLLU>D>DD<RD>>>RU>RU>", true, 21, 8, 136608, 0.81},  // 20
    {"RRD>RU<UU>>>LD>LD>LL>", true, 21, 8, 36481, 0.50},  // 21
    {"LLUU<<RD<U<RR<RR>>L<LD<", true, 23, 9, 1905152, 2.63},  // 22
    {"LUU>R<L<L<<<RD<DD>RR>", true, 21, 9, 894868, 1.95},  // 23
    {"LLDD<<RU<UU<RU<<", true, 16, 6, 5803, 0.10},  // 24
    {"RRUU<L<<LD<LD>DD>L<<RU<", true, 23, 9, 379169, 0.71},  // 25
    {"LLUU<LU>R>L>>R<<<RR<", true, 20, 9, 803466, 1.41},  // 26
    {"LLUU>RD>DD>D>L>>>>RU<", true, 21, 9, 1918189, 3.13},  // 27
    {"LU<RD<RR>>LU<<RD>DD>>LU>", true, 24, 10, 517567, 7.41},  // 28
    {"R<D>>>UU<LL<<", true, 13, 29, 0, 0.32},  // 29
    {"L<U<RR<D<RD>D>L>L>", true, 18, 8, 330, 2.20},  // 30
    {"RRU<L>DD>LD<L<R>>L<R>R<", true, 23, 10, 17598213, 36.85},  // 31
    {"LLU>>>RR>RRRU>D<<<", true, 18, 13, 247, 0.12},  // 32
    {"U<RRU<<<LLD<<LD<LU<<", true, 20, 10, 1038, 0.13},  // 33
    {"UU<<LL>>R>L>D>DDD>>>U>R>", true, 24, 13, 101820, 0.34},  // 34
    {"RU<U<D>>LL>D<LDD>>>", true, 19, 11, 2357, 0.14},  // 35
    {"RRR<<<L<DDD<<", true, 13, 8, 0, 0.07},  // 36
    {"RDDD<<U<U<U<<UU<L>L>D<<", true, 23, 13, 3563, 0.20},  // 37
    {"D>LLDD<R<R>>>RRR<<U<U<<LU<", true, 26, 15, 499, 0.33},  // 38
    {"LD>>UU>RRU<<D<R>DDD<<<L<", true, 24, 12, 7222554, 9.07},  // 39
    {"U<LD<D>>>UU>RR>>>>", true, 18, 51, 0, 0.54},  // 40
    {"D<<U<R>L<RD>>>L>>", true, 17, 60, 258, 0.14},  // 41
    {"RRRDDD>>LU>LU>", true, 14, 9, 0, 0.16},  // 42
    {"LLUU<<<D>RR>R<RU<<DD>DD<", true, 24, 12, 994356, 1.52},  // 43
    {"D>RD>R>>L>>LLU<<L>>U<U<<", true, 24, 14, 1538951, 1.68},  // 44
    {"R>RU>U>>D>>LD>LLLU>>>>", true, 22, 15, 9840, 0.26},  // 45
    {">D<<<R>>L>U>>R>L>", true, 17, 34, 223, 0.11},  // 46
    {"D<R>>L<RU>>>>D>>LU>D<", true, 21, 19, 72604, 0.45},  // 47
    {">LDD>U<RR<<R<<UU>", true, 17, 9, 2528, 0.43},  // 48
    {">>D>RR>RDD<<<LLU<<LL<L>>>", true, 25, 14, 1875466, 1.95},  // 49
    {">>>R>>D>>>U<<L>D>", true, 17, 35, 76, 0.09},  // 50
    {"RR>UU<RU<<<LL<D>L<DDDD<LLL<D>>>>", true, 32, 14, 5428516, 5.20},  // 51
    {"LLLU<UU<<<D>D<<RD>>DDD<R>>", true, 26, 15, 143116, 1.24},  // 52
    {"U>L<<RDD>R>>>LU>>L<U>>", true, 22, 19, 13801, 1.39},  // 53
    {"<<D<U>RD<<U>>L<D<", true, 17, 42, 2038, 0.10},  // 54
    {"<U>RRR<<DD>L<D>RD>>>>LLL<", true, 25, 15, 12525920, 13.13},  // 55
    {"RRUU<R>>>LD>>DDD<D>>>L<UU>", true, 26, 15, 60913, 0.21},  // 56
    {"LDDD<<U<<LLUUU<UU<D>>>>RRR<R>>", true, 30, 21, 2083806, 2.52},  // 57
    {"LU<<<RR>>>DD>L>L<<<UU>>", true, 23, 42, 655, 0.60},  // 58
    {"D<<DD>RUUU<RRU<LU>L>L>>LL<D>RU<", true, 31, 15, 110809848, 71.71},  // 59
    {">R>U<<L<L<D<D<<U>U>>", true, 20, 12, 181416, 0.75},  // 60
    {"RU>LL<R<R<D<LD<R<<LL<<U<D>RR<U>LD<UU>", false, 22, 16, 45000003, 135.14},  // 61
    {"L>>U>>>>D>D<U<RRD<U>D<L>L<", true, 26, 16, 4278503, 10.20},  // 62
    {"<R>>>>L<D>>>>R<L<", true, 17, 26, 306, 0.10},  // 63
    {"<L<U>>RD<<R>>LD<<U<LD>", true, 22, 16, 610576, 2.45},  // 64
    {"<<<R<<D>L>U<<<D<", true, 16, 17, 199, 0.10},  // 65
    {"RU<<RD>DD<U>>>L>L<D>L<R>", true, 24, 12, 12026407, 81.69},  // 66
    {"LU<D<D>R<R<R<LD<<R<LL<L<<", true, 25, 17, 1725068, 17.74},  // 67
    {"R>>>RD<D>L>>RUUU>LL>L<<<", true, 24, 17, 103500, 7.23},  // 68
    {"U>R<D<<DD<<LL>U>U<RRR<<<D>", true, 26, 20, 29074, 2.99},  // 69
    {"RRU<D<D>D>L>R<L>U>LL<UU<DDD<<UUU<RR<DD>", false, 25, 17, 45000003, 130.36},  // 70
    {"LD<<RD<R>>RU>D>>LU>LD<RU>LU>RU<RD>DD<L<LL<R>", false, 22, 18, 15000003, 26.39},  // 71
    {"R>U>>>LDDD<L>U<<D>RRR<<", true, 23, 18, 162365287, 186.87},  // 72
}};
// clang-format on

}  // namespace

DesignedLevel firstDesignLevel(int number) {
  if (number < 1 || number > kLevelCount) throw std::out_of_range("no such level");
  const Proof& proof = kProofs[static_cast<size_t>(number - 1)];
  DesignedLevel d;
  d.level = puzzle::levelOf(kLevels[static_cast<size_t>(number - 1)]);
  d.solution = proof.solution;
  d.shortest = proof.shortest;
  d.provenAtLeast = proof.provenAtLeast;
  d.scrambleTurns = proof.scrambleTurns;
  d.nodes = proof.nodes;
  d.seconds = proof.seconds;
  return d;
}

}  // namespace bt::levels
