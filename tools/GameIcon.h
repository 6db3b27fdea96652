// The game's icon, one drawing for the window icon (gfx/icon.bmp) and the desktop icons.
#pragma once

#include "PictureCanvas.h"

// Draws the icon on a canvas whose logical size is 64 x 64.
void DrawGameIcon(Canvas& c);
