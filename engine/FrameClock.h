// FrameClock: the millisecond clock as the frame being made reads it. A frame holds one reading
// from before its look is taken until it is drawn, so what the look expects (a caret about to
// blink) and what the drawing does agree even when the clock moves while the frame draws.
// Outside a frame the clock is read as it stands.
#pragma once

#include <cstdint>

uint32_t FrameClockMs();

// Holds one reading of the platform's clock for as long as it lives.
class FrameClockHold {
public:
    FrameClockHold();
    ~FrameClockHold();
    FrameClockHold(const FrameClockHold&) = delete;
    FrameClockHold& operator=(const FrameClockHold&) = delete;
};
