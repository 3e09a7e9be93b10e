#include "screens/RandomPuzzleScreen.h"

#include <algorithm>
#include <array>

#include "app/Application.h"
#include "art/InterfaceSprites.h"
#include "game/SeededRandom.h"
#include "gfx/Colour.h"
#include "screens/PuzzleEntries.h"
#include "screens/PuzzlePlaces.h"
#include "screens/ScreenControls.h"
#include "screens/ScreenPlaces.h"

namespace bt {
namespace {

using puzzle::Difficulty;

constexpr int32_t kEntryCapacity = 16;  // the longest id and its dash fit
constexpr std::array<const char*, RandomPuzzleScreen::kRowCount> kLabels = {
    "Size", "Colours", "Pairs", "Difficulty", "Puzzle"};
// Where nothing was chosen before: a medium puzzle of side 8.
constexpr puzzle::PuzzleSpec kFirstChoice{8, 3, 5, Difficulty::Medium, 0};

// A value stepped within least to most, going round at the ends.
int stepped(int value, int step, int least, int most) {
  const int count = most - least + 1;
  return least + ((value - least + step) % count + count) % count;
}

// The digit a keypad key types, 0 for other keys.
char digitOf(GameKey key) {
  if (key >= kKeyDigit1 && key <= kKeyDigit9) return static_cast<char>('1' + (key - kKeyDigit1));
  return key == kKeyDigit0 ? '0' : 0;
}

}  // namespace

RandomPuzzleScreen::RandomPuzzleScreen(Application& app,
                                       std::optional<puzzle::PuzzleSpec> lastPuzzle)
    : Screen(app), lastPuzzle_(lastPuzzle), entry_(kEntryCapacity), spec_(kFirstChoice) {}

void RandomPuzzleScreen::enter() {
  Application& a = app();
  bank_.load(a.makePath(interfaceBankPath(a.artSet())));
  layout_.build(bank_, kSpriteMenuTitle, a.width(), a.artSet());
  const PuzzlePlaces& places = puzzlePlaces(a.artSet());
  for (int32_t j = 0; j < kRowCount; ++j) {
    const int32_t y = places.firstRowY + places.rowPitch * j;
    addHitRect({0, a.width(), y, y + places.rowPitch, static_cast<uint8_t>(j)});
  }
  addHitRect(layout_.leftBand(kBackId));
  addHitRect(layout_.rightBand(kPlayId));
  // The last puzzle chosen here, with a new seed.
  if (lastPuzzle_ && lastPuzzle_->side >= puzzle::kMinPuzzleSide) spec_ = *lastPuzzle_;
  seeds_ = 0x72616e646f6dULL ^ (uint64_t{a.platform().tickCount()} << 16);
  newSeed();
  dirty_ = true;
}

void RandomPuzzleScreen::leave() {
  release();
  bank_.clear();
}

void RandomPuzzleScreen::newSeed() {
  puzzle::SeededRandom random(seeds_);
  seeds_ = random.next();
  spec_.seed = static_cast<uint32_t>(random.next() % puzzle::kSeedCount);
}

// Pairs within the range of the side and difficulty, colours no more than
// the pairs.
void RandomPuzzleScreen::fitPairs() {
  const puzzle::PairRange range = puzzle::pairRange(spec_.side, spec_.difficulty);
  spec_.pairs = std::clamp(spec_.pairs, range.least, range.most);
  spec_.colours = std::clamp(spec_.colours, 1, std::min(4, spec_.pairs));
}

void RandomPuzzleScreen::change(int step) {
  switch (row_) {
    case kSize:
      spec_.side = stepped(spec_.side, step, puzzle::kMinPuzzleSide, puzzle::kMaxPuzzleSide);
      break;
    case kColours:
      spec_.colours = stepped(spec_.colours, step, 1, std::min(4, spec_.pairs));
      break;
    case kPairs: {
      const puzzle::PairRange range = puzzle::pairRange(spec_.side, spec_.difficulty);
      spec_.pairs = stepped(spec_.pairs, step, range.least, range.most);
      break;
    }
    case kDifficulty:
      spec_.difficulty = static_cast<Difficulty>(
          stepped(static_cast<int>(spec_.difficulty), step, 0, static_cast<int>(Difficulty::Hard)));
      break;
    default:
      newSeed();
      break;
  }
  fitPairs();
}

void RandomPuzzleScreen::startTyping() {
  if (typing_) return;
  typing_ = true;
  row_ = kId;
  entry_ = TextEntry(kEntryCapacity);
  entry_.press(kKeyStar);  // digits first: an id starts with its size
}

void RandomPuzzleScreen::stopTyping() {
  typing_ = false;
  refused_ = false;
}

std::optional<puzzle::PuzzleSpec> RandomPuzzleScreen::typedSpec() const {
  std::string text;
  for (const char* c = entry_.text(); *c != 0; ++c) {
    if (*c != '-') text += *c;
  }
  if (text.size() > static_cast<size_t>(puzzle::kSeedLetters)) {
    text.insert(text.size() - puzzle::kSeedLetters, 1, '-');
  }
  return puzzle::parsePuzzleId(text);
}

// The rows follow a text that is an id.
void RandomPuzzleScreen::typed() {
  refused_ = false;
  if (const auto typedId = typedSpec()) spec_ = *typedId;
  dirty_ = true;
}

void RandomPuzzleScreen::back() {
  app().requestScreen(ScreenRequest::levelSelect(PuzzleEntries::kRandom, lastPuzzle_));
}

void RandomPuzzleScreen::play() {
  if (typing_ && !typedSpec()) {
    refused_ = true;
    return;
  }
  app().openPuzzle(puzzle::formatPuzzleId(spec_));
}

void RandomPuzzleScreen::keyDown(GameKey key) {
  dirty_ = true;
  if (key == kKeyLeftSoft) {
    back();
    return;
  }
  if (key == kKeyAction || key == kKeyRightSoft) {
    play();
    return;
  }
  if (key == kKeyUp || key == kKeyDown) {
    stopTyping();
    row_ = stepped(row_, key == kKeyUp ? -1 : 1, 0, kRowCount - 1);
    return;
  }
  const char digit = digitOf(key);
  if (digit != 0 || key == kKeyStar) startTyping();
  if (!typing_) {
    if (key == kKeyLeft || key == kKeyRight) change(key == kKeyLeft ? -1 : 1);
    if (key == kKeyBack) back();
    return;
  }
  if (key == kKeyBack && entry_.length() == 0 && !entry_.pending()) {
    stopTyping();
    return;
  }
  // A digit types at once in digit mode; letters come by multi-tap.
  if (digit != 0 && !entry_.letterMode()) {
    entry_.typeCharacter(digit);
  } else {
    entry_.press(key);
  }
  typed();
}

void RandomPuzzleScreen::typeLetter(char letter) {
  startTyping();
  entry_.typeCharacter(letter);
  typed();
}

void RandomPuzzleScreen::command(uint8_t id) {
  if (id == kBackId) {
    keyDown(kKeyLeftSoft);
  } else if (id == kPlayId) {
    keyDown(kKeyRightSoft);
  } else if (id < kRowCount) {
    if (id == row_ && !typing_) change(1);
    if (id != kId) stopTyping();
    row_ = id;
    dirty_ = true;
  }
}

Controls RandomPuzzleScreen::controls() const {
  return randomPuzzleControls(typing_, layout_.leftBand(0).y0);
}

void RandomPuzzleScreen::frame() {
  // A letter composed by taps is taken after a pause.
  if (entry_.tick()) typed();
  if (!layout_.drawFrame(app(), dirty_)) return;
  drawRows();
  drawNotes();
  drawCaptions();
}

void RandomPuzzleScreen::drawRows() {
  Application& a = app();
  Font& font = a.font();
  FrameBuffer& fb = a.frameBuffer();
  const PuzzlePlaces& places = puzzlePlaces(a.artSet());
  const int32_t labelX = a.width() / 2 + places.labelFromMiddle;
  const int32_t valueX = a.width() / 2 + places.valueFromMiddle;
  const std::array<std::string, kRowCount> values = {
      std::to_string(spec_.side), std::to_string(spec_.colours), std::to_string(spec_.pairs),
      puzzle::difficultyName(spec_.difficulty), puzzle::formatPuzzleId(spec_)};
  for (int r = 0; r < kRowCount; ++r) {
    const int32_t y = places.firstRowY + places.rowPitch * r;
    font.setColour(r == row_ ? kHighlightRed : kTextGrey);
    font.drawText(labelX, y, kLabels[static_cast<size_t>(r)], fb);
    if (r == kId && typing_) {
      entry_.draw(valueX, y, fb, font);
    } else {
      font.drawText(valueX, y, values[static_cast<size_t>(r)], fb);
    }
  }
}

void RandomPuzzleScreen::drawNotes() {
  Application& a = app();
  Font& font = a.font();
  FrameBuffer& fb = a.frameBuffer();
  const int32_t y = puzzlePlaces(a.artSet()).noteY, pitch = font.linePitch();
  font.setColour(kTextGrey);
  if (!typing_) {
    font.drawTextCentred(y, "Left and Right change", fb);
    font.drawTextCentred(y + pitch, "Digits type an id", fb);
    return;
  }
  font.drawTextCentred(y, entry_.letterMode() ? "* types digits" : "* types letters", fb);
  if (refused_) {
    font.setColour(kHighlightRed);
    font.drawTextCentred(y + pitch, "That is not a puzzle id", fb);
  } else if (typedSpec()) {
    font.drawTextCentred(y + pitch, "PLAY plays it", fb);
  }
}

void RandomPuzzleScreen::drawCaptions() {
  Application& a = app();
  Font& font = a.font();
  font.setColour(kTextGrey);
  PanelLayout::drawCaption(font, a.frameBuffer(), layout_.leftButton(),
                           interfacePlaces(a.artSet()).doneCaption, "BACK");
  PanelLayout::drawCaption(font, a.frameBuffer(), layout_.rightButton(),
                           puzzlePlaces(a.artSet()).playCaption, "PLAY");
}

}  // namespace bt
