// The window's icon: the game's own picture gfx/icon.bmp, read through the bounded file read and
// handed to the platform only when its header declares an icon-sized picture, since SDL makes room
// for the declared size before it reads a pixel.
#pragma once

// Gives the open window the icon from the game folder; without a usable file the default stays.
void SetWindowIconFromGameFolder();
