#include "engine/FrameClock.h"

#include "platform/Platform.h"

namespace {

bool held = false;
uint32_t heldMs = 0;

}  // namespace

uint32_t FrameClockMs() { return held ? heldMs : platform::TickCountMs(); }

FrameClockHold::FrameClockHold() {
    heldMs = platform::TickCountMs();
    held = true;
}

FrameClockHold::~FrameClockHold() { held = false; }
