// A watcher of the texts the game asks to be spoken, called on the game's thread at the moment of
// asking (before the worker hands the text over). Set only by the test hooks (tests/hooks), to
// time the hand-over and to see when each word was asked for; nothing else includes this header.
#pragma once

#include <functional>
#include <string>

namespace platform::speech_observer {

extern std::function<void(const std::string& text, const std::string& language)> observer;

}  // namespace platform::speech_observer
