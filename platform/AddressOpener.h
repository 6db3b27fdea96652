// Finding the desktop's address opener before handing it an address. SDL_OpenURL runs xdg-open in
// a child process and reports success whether or not that program exists, so without this check a
// machine with no opener would swallow the request silently.
#pragma once

#include <string>

namespace platform {

// The program SDL_OpenURL runs on this system.
constexpr const char* kAddressOpener = "xdg-open";

// The first executable file named `program` in the colon-separated folders of `searchPath` (an
// empty entry is the current folder, as the shell reads it); "" when there is none.
std::string FindProgram(const std::string& program, const std::string& searchPath);

// The one line written to standard error when nothing can open the address: a file:// address is
// given as the plain path of the file, so it can be opened by hand.
std::string NoOpenerLine(const std::string& address);

}  // namespace platform
