// The process-wide extruded font of the text objects: one display list per glyph code
// (formats/GlyphCodes.h: codes 0-221 and the extended letters from 256 filled; 222-255 hold nothing), each
// drawing its glyph with the em square as 1.0 and ending with the pen moved by the glyph's advance, so
// calling the lists of a string lays it out. The face is "Myriad" when installed, else Carlito (its advance
// widths fit the layout), else DejaVu Sans, else whatever outline face fontconfig offers. Text objects hold a
// reference each: the first loads the font, the last deletes it.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <string>

#include "formats/GlyphCodes.h"

namespace glyphfont {

// Where every glyph's drawing lies, in ems from its pen position (x, y) and from its front (z):
// x and y between the minima and maxima, z from -depth to 0. Empty (minima above maxima) while
// no glyph has any geometry.
struct GlyphBox {
    double minX = 1, minY = 1, maxX = -1, maxY = -1;
    double depth = 0;
};

// Takes one reference; the first one finds the font and builds every glyph's geometry.
void Acquire();
// Drops one reference; the last one deletes the display lists and the geometry.
void Release();
// True when a usable outline font was found (only meaningful while a reference is held).
bool Available();
const GlyphBox& Box();
// The glyph's advance in ems (the width metric). With no font, printable codes get a nominal
// advance so texts keep a plausible width.
double Advance(GlyphCode code);
// First of the kGlyphCodeCount lists; compiles them on the first call, so a GL context must be current.
// 0 when there is no font or GL gave no lists: draw nothing then.
GLuint ListBase();
// The font file in use ("" when none).
const std::string& FontFile();

}  // namespace glyphfont
