#include <gtest/gtest.h>

#include <vector>

#include "platform/VirtualKeys.h"
#include "platform/sdl/SdlGamepads.h"
#include "sdl/SdlFixture.h"

namespace bt::platform {
namespace {

SDL_Event buttonEvent(Uint32 type, Uint8 button) {
  SDL_Event event{};
  event.type = type;
  event.cbutton.which = 0;
  event.cbutton.button = button;
  event.cbutton.state = type == SDL_CONTROLLERBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  return event;
}

SDL_Event axisEvent(Uint8 axis, Sint16 value) {
  SDL_Event event{};
  event.type = SDL_CONTROLLERAXISMOTION;
  event.caxis.which = 0;
  event.caxis.axis = axis;
  event.caxis.value = value;
  return event;
}

// Every button gives the message the keyboard's key for the same phone key
// (or, for the right shoulder, the hint's H) gives, through SDL's event queue
// as a real pad's events arrive.
TEST_F(SdlBackendTest, GamepadButtonsGiveTheKeyboardsKeys) {
  ASSERT_TRUE(platform_->display().open(240, 320));
  drain();
  struct Case {
    Uint8 button;
    SDL_Keycode keyboard;
  };
  const Case cases[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_UP, SDLK_UP},      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDLK_DOWN},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDLK_LEFT},  {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDLK_RIGHT},
      {SDL_CONTROLLER_BUTTON_A, SDLK_SPACE},         {SDL_CONTROLLER_BUTTON_B, SDLK_BACKSPACE},
      {SDL_CONTROLLER_BUTTON_X, SDLK_BACKQUOTE},     {SDL_CONTROLLER_BUTTON_Y, SDLK_QUOTE},
      {SDL_CONTROLLER_BUTTON_START, SDLK_F1},        {SDL_CONTROLLER_BUTTON_BACK, SDLK_F2},
      {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDLK_h},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(
        SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(c.button)));
    pushKey(c.keyboard);
    const std::vector<Message> keyboard = drain();
    ASSERT_EQ(keyboard.size(), 1u);
    push(buttonEvent(SDL_CONTROLLERBUTTONDOWN, c.button));
    push(buttonEvent(SDL_CONTROLLERBUTTONUP, c.button));
    const std::vector<Message> pad = drain();
    ASSERT_EQ(pad.size(), 2u);
    EXPECT_EQ(pad[0].id, kMessageKeyDown);
    EXPECT_EQ(pad[0].wParam, keyboard[0].wParam);
    EXPECT_EQ(pad[1].id, kMessageKeyUp);
    EXPECT_EQ(pad[1].wParam, keyboard[0].wParam);
  }
  // Buttons without a phone key, the right stick and a pad that cannot be
  // opened give nothing.
  push(buttonEvent(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_GUIDE));
  push(axisEvent(SDL_CONTROLLER_AXIS_RIGHTX, -32768));
  SDL_Event added{};
  added.type = SDL_CONTROLLERDEVICEADDED;
  added.cdevice.which = 77;
  push(added);
  EXPECT_TRUE(drain().empty());
}

// The left stick past its dead zone is one arrow key at a time, the axis it
// leans further along; a pad pulled out releases what it held.
TEST_F(SdlBackendTest, TheLeftStickGivesArrowKeysPastItsDeadZone) {
  ASSERT_TRUE(platform_->display().open(240, 320));
  drain();
  struct Step {
    Uint8 axis;
    Sint16 value;
    std::vector<Message> expected;
  };
  const Step steps[] = {
      {SDL_CONTROLLER_AXIS_LEFTX, -8000, {}},  // inside the dead zone
      {SDL_CONTROLLER_AXIS_LEFTX, -20000, {{kMessageKeyDown, kVkLeft, 0}}},
      {SDL_CONTROLLER_AXIS_LEFTX, -25000, {}},  // still left
      {SDL_CONTROLLER_AXIS_LEFTY,
       30000,
       {{kMessageKeyUp, kVkLeft, 0}, {kMessageKeyDown, kVkDown, 0}}},
      {SDL_CONTROLLER_AXIS_LEFTX, 0, {}},
      {SDL_CONTROLLER_AXIS_LEFTY, 100, {{kMessageKeyUp, kVkDown, 0}}},
      {SDL_CONTROLLER_AXIS_LEFTY, -20000, {{kMessageKeyDown, kVkUp, 0}}},
      {SDL_CONTROLLER_AXIS_LEFTX,
       32767,
       {{kMessageKeyUp, kVkUp, 0}, {kMessageKeyDown, kVkRight, 0}}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::Message() << "axis " << int{step.axis} << " value " << step.value);
    push(axisEvent(step.axis, step.value));
    const std::vector<Message> got = drain();
    ASSERT_EQ(got.size(), step.expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].id, step.expected[i].id);
      EXPECT_EQ(got[i].wParam, step.expected[i].wParam);
    }
  }
  SDL_Event removed{};
  removed.type = SDL_CONTROLLERDEVICEREMOVED;
  removed.cdevice.which = 0;
  push(removed);
  const std::vector<Message> got = drain();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].id, kMessageKeyUp);
  EXPECT_EQ(got[0].wParam, kVkRight);
  push(axisEvent(SDL_CONTROLLER_AXIS_LEFTX, 32767));
  EXPECT_EQ(drain().size(), 1u) << "the stick starts afresh";
}

// A held direction repeats like the keyboard: after the delay, then at the
// interval, one at a time even after a stall; other buttons never repeat.
TEST(SdlGamepads, AHeldDirectionRepeatsUntilReleased) {
  std::vector<Message> sent;
  SdlGamepads pads([&](const Message& message) { sent.push_back(message); });
  const uint32_t t0 = 0xFFFFFF00u;  // the tick count wraps during the test
  const uint32_t delay = SdlGamepads::kRepeatDelay;
  const uint32_t interval = SdlGamepads::kRepeatInterval;
  auto downs = [&] {
    size_t n = 0;
    for (const Message& m : sent) n += m.id == kMessageKeyDown ? 1 : 0;
    return n;
  };
  for (bool stick : {false, true}) {
    SCOPED_TRACE(stick ? "stick" : "D-pad");
    sent.clear();
    if (stick) {
      pads.translate(axisEvent(SDL_CONTROLLER_AXIS_LEFTY, 32767), t0);
    } else {
      pads.translate(buttonEvent(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_DPAD_DOWN), t0);
    }
    ASSERT_EQ(downs(), 1u);
    EXPECT_EQ(pads.nextRepeat(), t0 + delay);
    pads.repeat(t0 + delay - 1);
    EXPECT_EQ(downs(), 1u);
    pads.repeat(t0 + delay);
    EXPECT_EQ(downs(), 2u);
    pads.repeat(t0 + delay + interval);
    EXPECT_EQ(downs(), 3u);
    pads.repeat(t0 + delay + 50 * interval);  // a stall: one repeat, then on from there
    EXPECT_EQ(downs(), 4u);
    pads.repeat(t0 + delay + 50 * interval + interval - 1);
    EXPECT_EQ(downs(), 4u);
    EXPECT_EQ(sent.back().wParam, kVkDown);
    if (stick) {
      pads.translate(axisEvent(SDL_CONTROLLER_AXIS_LEFTY, 0), t0);
    } else {
      pads.translate(buttonEvent(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_DPAD_DOWN), t0);
    }
    EXPECT_EQ(pads.nextRepeat(), std::nullopt);
    pads.repeat(t0 + 100000);
    EXPECT_EQ(downs(), 4u);
  }
  sent.clear();
  pads.translate(buttonEvent(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_A), 0);
  EXPECT_EQ(pads.nextRepeat(), std::nullopt);
  pads.repeat(100000);
  EXPECT_EQ(sent.size(), 1u);
}

}  // namespace
}  // namespace bt::platform
