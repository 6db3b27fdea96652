// What the process sets right before SDL opens anything, and the check that a display is there:
// standard descriptors that are valid (a connection SDL opens must never land on 0, 1 or 2, where
// a stray write would corrupt it), writes to a closed pipe that fail instead of ending the game,
// the lines said on the terminal whatever the trace setting, and the refusal of SDL's offscreen
// fallback unless it was asked for.
#pragma once

#include <string>

namespace platform {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed.
void MakeStandardDescriptorsValid();
// SIGPIPE ignored: a write to a closed pipe fails with EPIPE and the game goes on (programs the
// game starts get it as usual).
void IgnoreBrokenPipes();

// Writes the line and a line end on standard error (a message for the player's terminal).
void TellTerminal(const std::string& line);

// Said when no display can be reached and no video driver was asked for.
extern const char* const kNoDisplayLine;
// True when SDL_VIDEODRIVER asks for a driver.
bool VideoDriverAsked();
// Before SDL starts: a driver was asked for, or DISPLAY or WAYLAND_DISPLAY names a display.
bool DisplayNamed();
// After SDL started: it runs on an X or Wayland display, or on the driver that was asked for.
// False when it fell back to a driver without a window on its own.
bool OnAskedDriverOrDisplay();

}  // namespace platform
