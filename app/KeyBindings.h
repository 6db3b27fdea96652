// The game's keys, each doing what the click it stands for does, or what the screen says it does.
// One table says, per screen, what a key works on (an arrow, a button, a list's steps, its selected
// line or one named line) or which step of the screen it runs (the previous pair, the word spoken
// again, the help page, speech off and on). A key with an object reaches the screen's own handler
// as that key with its meaning there (game/state/InputEvent.h), and the screen's buttons and lists answer
// it as they answer a plain click on them: the same transition lock, the same events, the same
// animations; nothing about the cursor or the hover flags changes. What no row names reaches the
// screen's own handler as a key or character without a meaning.
#pragma once

#include "platform/Platform.h"
#include "screens/Game.h"

// Up and Down are a list's arrows, Return its selected line or the screen's next arrow, Escape the
// screen's way back or out (or on, where the arrow is the only way), F3 the main menu's progress
// picture; F1 opens the help page and F2 turns speech off and on wherever the player is.
void RouteKey(Game& game, platform::Key key);
// A typed character: Space speaks the shown Spanish word again where a word is shown without a
// field; everywhere else characters go to the screen (its text field).
void RouteCharacter(Game& game, char16_t unit);
// The wheel over a list is its arrows, one step a notch.
void RouteWheel(Game& game, int notches);
