// Speaking a word through the desktop's speech service (speech-dispatcher), in the user's own voice
// and rate. Its client library is loaded when the first word is spoken; where the library or the
// service is missing the game plays on silently, saying so once on standard error.
//
// Every call returns at once: a worker thread owns the connection and hands each text to the
// service, so the game's thread never waits on the socket. The connection's address is the
// library's own rule (SPEECHD_ADDRESS, else the user's default socket); only for the default one
// may the library start the service itself, so an address named on purpose (a test's fake, a
// socket with nothing behind it) never starts a real service.
#pragma once

#include <string>

namespace platform {

// Speaks a UTF-8 text in the language given by its code ("es"). A text still waiting or being
// spoken is cancelled first. Nothing happens while speech is turned off.
void Speak(const std::string& text, const std::string& language);
// Cancels whatever is waiting or being spoken.
void CancelSpeech();
// Turns speech off (cancelling what is being spoken) or back on, for the run of the program.
void ToggleSpeech();
bool SpeechEnabled();
// Ends the worker and closes the connection; speech is on again for the next start. Called by Stop().
void StopSpeech();

}  // namespace platform
