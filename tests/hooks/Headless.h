// The headless twin of the platform layer, for tests and the benchmark (never linked into the
// game): the window lives on SDL's offscreen driver, and the caller places the cursor, sends
// clicks and characters, runs ticks one at a time, sets the millisecond clock and reads the
// message boxes and addresses the game would have shown. Enable it before platform::Start().
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {
namespace headless {
void Enable();
bool Enabled();
// The folder that ExecutableFolder() reports (tests lay out a game folder of their own).
void SetExecutableFolder(const std::string& folder);
void SetDesktopSize(int width, int height);
// The offscreen driver never resizes a window's drawing surface, so what lies outside the size
// the window opened at is not drawn. Set before the window opens, this makes the surface at
// least width x height, so the play window's frames are drawn (and can be read back) whole.
void SetSurfaceSize(int width, int height);
void SetCursor(int x, int y);
// The clock TickCountMs() reports in headless mode; it starts at 0 and moves only with ticks
// and these calls.
void SetClockMs(uint32_t ms);
void AdvanceClockMs(uint32_t ms);
// Delivers input exactly as the real window would.
void Click(const platform::Click& click = platform::Click{});
void Character(char16_t unit);
// Text as the window's text input delivers it (UTF-8 bytes, at most 31 of them, none zero),
// through the real window's event dispatch.
void TypeText(const std::string& utf8);
// A key press (an SDLK_ code) or wheel notches, through the real window's event dispatch.
void PressKey(int32_t sdlKeycode, bool alt = false, bool repeat = false);
void TurnWheel(int notches);
// A file dropped onto the window, through the real window's event dispatch.
void DropFile(const std::string& path);
void Paint();
// Delivers the window's close request, as the real window does when the user closes it.
void Close();
// Runs n ticks through the callbacks given to RunMainLoop (which returns at once when headless).
// Window events the offscreen driver queues (resizes) are delivered before and after each tick.
// Each tick advances the clock by one tick period (15.625 ms, fractions carried), so wall-clock
// timings see 64 ticks as one second, as in a real run.
void RunTicks(int n);
// Runs the real, timed loop for durationMs of wall-clock time and returns the ticks it delivered
// (for measuring the tick pacing); ends early, returning what it has, if the window is closed.
int RunRealTimeMs(uint32_t durationMs);
// The same timed loop, ending after the first tick at which done() holds or after limitMs of
// wall-clock time, whichever comes first; returns the ticks delivered (for timing a real run).
int RunRealTimeUntil(const std::function<bool()>& done, uint32_t limitMs);
// Calls observer after every tick delivered from now on (nullptr stops it), e.g. to read back
// each frame's picture; every observed tick is shown.
void ObserveTicks(const std::function<void()>& observer);
// Whether ticks draw their frame (the default, as in the game) or only step, as a tick run behind
// the clock does: a test that reads no picture has no frame drawn that nobody looks at.
void DrawTicks(bool draw);
// Whether the last tick delivered was shown: only then does the window hold the current picture.
bool LastTickShown();
// Everything ShowMessage / OpenAddress received, oldest first; the kind of each message beside it.
const std::vector<std::string>& Messages();
const std::vector<MessageKind>& MessageKinds();
const std::vector<std::string>& OpenedAddresses();
void ClearRecords();
// True while the window is shown (false before it opens).
bool WindowShown();
// Size of the window's icon picture; 0 x 0 when it has the default icon or no window is open.
Size WindowIconSize();
// The status passed to RequestExit, or -1000 when none was requested.
int ExitStatus();
// Clears records, exit status, cursor, clock, the tick observer and the desktop-size and folder
// overrides; ticks draw again.
void Reset();
}  // namespace headless

}  // namespace platform
