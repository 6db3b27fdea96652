// The frame tick and the screen state machine: the current screen's tick work (its column of the
// screen table), at most one screen change
// from the event queue (the table of named events in FrameTick.cpp), then one Render(), which
// draws nothing while more ticks are already due (the platform's TickIsShown()).
#pragma once

#include "screens/Game.h"

void FrameTick(Game& game);
