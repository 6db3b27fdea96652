// The game's keys, each standing for the click it replaces. One table says, per screen, which
// object a key is a click on (an arrow, a button, a list's selected line or one given line); the
// key then runs that screen's own click handler with only that object hovered, so it takes the
// same transition lock, posts the same events and starts the same animations as the click. No
// screen knows about keys; what no click can do, no key does.
#pragma once

#include "platform/Platform.h"

// Up and Down are a list's arrows, Return its selected line or the screen's next arrow, Escape the
// screen's way back or out, F3 the main menu's progress picture; F2 turns speech off and on wherever
// the player is.
void RouteKey(platform::Key key);
// The wheel over a list is its arrows, one step a notch.
void RouteWheel(int notches);
