// Turning a decoded picture (formats/Image.h) into a GL texture: the only step of loading a
// texture that needs GL. The scene's context must be current.
#pragma once

#include <GL/gl.h>

#include "formats/Image.h"

// A scene picture: decal, repeated, linearly filtered. A picture whose sides are not powers of two
// (or exceed the GL's limit) goes through gluBuild2DMipmaps, whose first level is the picture
// rescaled to a power of two. Returns the texture name (0 when GL gave none).
GLuint UploadPicture(const Image& image);
// A particle sprite: RGB or RGBA as the image has it, clamped, linearly filtered, no mipmaps.
GLuint UploadSprite(const Image& image);
