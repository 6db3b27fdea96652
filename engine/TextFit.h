// Fitting a line of extruded text into the room its place on the screen leaves it: a text that
// would run off the window or into its neighbours is made smaller, down to a share of its designed
// size, and then cut, ending in "..." (the font has no single-character ellipsis). Designed texts
// always fit their places; these rules are for what a learner's own lists bring.
#pragma once

#include <string>

class GLObjectText;

// What marks a cut text.
inline constexpr char16_t kCutMark[] = u"...";

// The text's width in ems, the sum of its glyphs' advances (as GLObjectText::TextWidth measures).
double TextWidthEm(const std::u16string& text);
// The text when it is at most maxWidthEm wide; else its longest beginning that, followed by the
// cut mark, is (the cut mark alone when nothing else fits).
std::u16string CutToWidth(const std::u16string& text, double maxWidthEm);
// Sets the object's text so that it spans at most maxWidth scene units: at its designed scale (the
// scale it had the first time it was fitted) when it fits, else smaller, down to minShare of that
// scale, and cut when it still does not fit. A short text brings the designed scale back.
void SetTextWithin(GLObjectText& object, const std::u16string& text, double maxWidth, double minShare);
