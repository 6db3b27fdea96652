// Finding the face the extruded text is made from: the installed outline font the layout fits
// best, asked of fontconfig. Its own file, apart from the font it feeds (engine/GlyphFont.h), so
// the tests' hooks can stand a chosen file in its place at link time.
#pragma once

#include <string>

namespace glyphfont {

// The file of the first installed outline face of "Myriad", Carlito and DejaVu Sans, or of
// fontconfig's best outline match for "Myriad" when none is; "" when there is no outline face at all.
std::string FindFontFile();

}  // namespace glyphfont
