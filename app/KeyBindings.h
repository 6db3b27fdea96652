// The game's keys, each standing for the click it replaces or for what the screen says it does.
// One table says, per screen, which object a key is a click on (an arrow, a button, a list's
// selected line or one named line), or which step of the screen it runs (the previous pair, the
// word spoken again, the help page, speech off and on). A click row runs that screen's own click
// handler with only that object hovered, so it takes the same transition lock, posts the same
// events and starts the same animations as the click. What no row names reaches the screen's own
// handler as a typed event.
#pragma once

#include "platform/Platform.h"

// Up and Down are a list's arrows, Return its selected line or the screen's next arrow, Escape the
// screen's way back or out (or on, where the arrow is the only way), F3 the main menu's progress
// picture; F1 opens the help page and F2 turns speech off and on wherever the player is.
void RouteKey(platform::Key key);
// A typed character: Space speaks the shown Spanish word again where a word is shown without a
// field; everywhere else characters go to the screen (its text field).
void RouteCharacter(char16_t unit);
// The wheel over a list is its arrows, one step a notch.
void RouteWheel(int notches);
