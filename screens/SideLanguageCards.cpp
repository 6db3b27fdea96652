#include "screens/SideLanguageCards.h"

#include "engine/GLObject.h"
#include "engine/GlyphFont.h"
#include "engine/TextureTable.h"
#include "engine/TitleCard.h"
#include "formats/LanguageCodes.h"
#include "formats/TextEncoding.h"
#include "game/AppContext.h"
#include "game/ObjectKeys.h"
#include "platform/Platform.h"
#include "screens/SceneLookup.h"

namespace {

// The text each flag's card holds: the texture table never frees a slot, so each flag has one,
// found by its name and drawn again only when its language changes. Owned by this module for the
// program's life; the slots are the scene's textures (a new table has none, so they are made anew).
std::u16string cardTexts[2];

int32_t CardSlot(const std::string& code, int index) {
    const std::u16string text = SideCardText(code);
    const std::string name = "side language card " + std::to_string(index);
    int32_t slot = FindTexture(name);
    if (slot >= 0 && cardTexts[index] == text) return slot;
    const Image image = DrawLanguageCard(
        text, Utf8ToUtf16(code.empty() ? "unknown" : EnglishLanguageName(code)), glyphfont::FontFile());
    platform::MakeContextCurrent();
    if (slot < 0) {
        slot = LoadTextureImage(name, image);
    } else {
        ReplaceTextureImage(slot, name, image);
    }
    platform::ReleaseContext();
    cardTexts[index] = slot >= 0 ? text : u"";
    return slot;
}

// The design's flag of a designed side: the British flag for English, the Spanish one for Spanish.
void ShowFlag(GLObject& flag, const std::string& code) {
    const bool english = code == "en";
    flag.texture = FindTexture(english ? app->nativeFlagPath : app->foreignFlagPath);
    flag.textured = true;
    // As the flags were built: the British one lit by its colour, the Spanish one by its texture.
    flag.texturedColour = english;
}

void ShowCard(GLObject& flag, const std::string& code, int index) {
    flag.texture = CardSlot(code, index);
    flag.textured = true;
    flag.texturedColour = true;
}

}  // namespace

std::u16string SideCardText(const std::string& code) {
    const std::string name = OwnLanguageName(code);
    return Utf8ToUtf16(name.empty() ? "unknown" : name);
}

void ShowSideLanguages(const SideLanguages& languages) {
    const char* flags[2] = {key::kNativeFlag, key::kForeignFlag};
    const std::string* codes[2] = {&languages.prompt, &languages.answer};
    for (int i = 0; i < 2; ++i) {
        GLObject* flag = FindSceneObject(flags[i]);
        if (!flag) continue;
        if (languages.designedFlags) {
            ShowFlag(*flag, *codes[i]);
        } else {
            ShowCard(*flag, *codes[i], i);
        }
    }
}
