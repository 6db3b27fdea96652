#include "engine/TextFit.h"

#include <algorithm>

#include "engine/GLObjectText.h"
#include "engine/GlyphFont.h"
#include "formats/GlyphCodes.h"

namespace {

// A text's glyphs are drawn at half an em per scene unit of its scale.
constexpr double kSceneUnitsPerEm = 0.5;

}  // namespace

double TextWidthEm(const std::u16string& text) {
    double width = 0;
    for (char16_t letter : text) width += glyphfont::Advance(GlyphCodeOf(letter));
    return width;
}

std::u16string CutToWidth(const std::u16string& text, double maxWidthEm) {
    if (TextWidthEm(text) <= maxWidthEm) return text;
    const double room = maxWidthEm - TextWidthEm(kCutMark);
    size_t kept = 0;
    for (double used = 0; kept < text.size(); ++kept) {
        used += glyphfont::Advance(GlyphCodeOf(text[kept]));
        if (used > room) break;
    }
    // A cut never leaves a blank before the mark, nor half a surrogate pair.
    while (kept > 0 && (text[kept - 1] == u' ' || (text[kept - 1] >= 0xD800 && text[kept - 1] <= 0xDBFF)))
        --kept;
    return text.substr(0, kept) + kCutMark;
}

void SetTextWithin(GLObjectText& object, const std::u16string& text, double maxWidth, double minShare) {
    if (object.fittedScale <= 0) object.fittedScale = object.scale;
    const double designed = object.fittedScale;
    const double width = kSceneUnitsPerEm * TextWidthEm(text) * designed;
    const double share = width <= maxWidth ? 1.0 : std::max(minShare, maxWidth / width);
    object.scale = designed * share;
    object.SetText(CutToWidth(text, maxWidth / (kSceneUnitsPerEm * object.scale)));
}
