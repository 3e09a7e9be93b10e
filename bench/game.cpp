// One frame of the game screen in the middle of a rotation, at both display
// sizes: background, board, cursor outline, status bar and text (with the
// buttons on 240x320) and the eight sliding pieces, drawn with the built art.
// x_memcpy sets the frame against a memcpy of the frame's bytes measured
// alongside; the frame budget is 16 ms.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "art/BoardSprites.h"
#include "game/LevelTable.h"
#include "game/Rules.h"
#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"
#include "screens/GameView.h"
#include "storage/Paths.h"

namespace {

using Clock = std::chrono::steady_clock;

void BM_GameFrameMidRotation(benchmark::State& state) {
  const int artSet = static_cast<int>(state.range(0));
  const int32_t width = artSet == 0 ? 176 : 240;
  const int32_t height = artSet == 0 ? 220 : 320;
  const bt::Folders folders(BT_ART_DIR, "");
  bt::GameView view(artSet);
  bt::Font font;
  const bool loaded = view.load(folders.makePath(bt::boardBankPath(artSet))) &&
                      font.load(folders.makePath(artSet == 0 ? "Game_Sprite\\font176x220.spr"
                                                             : "Game_Sprite\\font240x320.spr"));
  if (!loaded) {
    state.SkipWithError("the art is not built");
    return;
  }
  bt::Game game;
  bt::startNewGame(game);
  bt::playMove(game, 'U');
  bt::playMove(game, 'U');  // a ring with markers in it
  bt::startRotation(game, true);
  for (int frame = 0; frame < bt::kRotationFrames / 2; ++frame) bt::stepRotation(game);

  bt::FrameBuffer fb(width, height);
  const size_t frameBytes = fb.byteSize();
  std::vector<uint16_t> source(frameBytes / 2, 0x1234), target(frameBytes / 2);
  std::chrono::duration<double> memcpyTime{0}, frameTime{0};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    std::memcpy(target.data(), source.data(), frameBytes);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
    const auto t1 = Clock::now();
    view.drawBoard(fb, game.board);
    const bt::GameStatus status = bt::checkCompletion(game);  // acts on nothing mid-turn
    view.drawCursor(fb, game.board);
    view.drawStatus(fb, font, bt::GameView::statusText(status, game.board.levelIndex));
    view.drawPieces(fb, game.board, game.rotation);
    benchmark::DoNotOptimize(fb.pixels());
    benchmark::ClobberMemory();
    const auto t2 = Clock::now();
    memcpyTime += t1 - t0;
    frameTime += t2 - t1;
    state.SetIterationTime(std::chrono::duration<double>(t2 - t1).count());
  }
  state.counters["x_memcpy"] = frameTime / memcpyTime;
}

BENCHMARK(BM_GameFrameMidRotation)->Arg(0)->Arg(1)->ArgName("artSet")->UseManualTime();

}  // namespace
