#include "engine/FontSearch.h"

#include <fontconfig/fontconfig.h>

#include <cctype>

namespace glyphfont {
namespace {

// The layout's positions were made for the designed face's narrow proportions. Carlito is the
// packaged humanist sans whose advance widths fit them best (measured against the layout by the
// layout test); DejaVu Sans, much wider, is there on every Debian desktop.
const char* const kFamilies[] = {"Myriad", "Carlito", "DejaVu Sans"};

bool StartsWithIgnoringCase(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (std::tolower(static_cast<unsigned char>(*text)) !=
            std::tolower(static_cast<unsigned char>(*prefix)))
            return false;
    }
    return true;
}

bool HasFamily(FcPattern* font, const char* family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (name != nullptr && StartsWithIgnoringCase(reinterpret_cast<const char*>(name), family))
            return true;
    }
    return false;
}

// The file of fontconfig's best outline match for the family; with `exact`, only a face of that
// family (or one whose name begins with it, as "Myriad Pro") counts. "" when there is none.
std::string OutlineFileOf(const char* family, bool exact) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (pattern == nullptr) return "";
    FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
    std::string file;
    // The best match first; the fallbacks follow in fontconfig's order. Only outlines can be extruded.
    for (int i = 0; fonts != nullptr && i < fonts->nfont && file.empty(); ++i) {
        FcBool outline = FcFalse;
        FcChar8* path = nullptr;
        if (FcPatternGetBool(fonts->fonts[i], FC_OUTLINE, 0, &outline) == FcResultMatch && outline &&
            (!exact || HasFamily(fonts->fonts[i], family)) &&
            FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &path) == FcResultMatch && path != nullptr) {
            file = reinterpret_cast<const char*>(path);
        }
    }
    if (fonts != nullptr) FcFontSetDestroy(fonts);
    FcPatternDestroy(pattern);
    return file;
}

}  // namespace

std::string FindFontFile() {
    if (!FcInit()) return "";
    std::string file;
    for (const char* family : kFamilies) {
        file = OutlineFileOf(family, true);
        if (!file.empty()) break;
    }
    // None of them is installed: whatever outline face fontconfig offers for the designed one.
    if (file.empty()) file = OutlineFileOf(kFamilies[0], false);
    // Only the file's name is needed: fontconfig's configuration and caches are let go, so none of
    // it stays allocated for the rest of the program.
    FcFini();
    return file;
}

}  // namespace glyphfont
