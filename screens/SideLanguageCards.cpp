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

// The card slot of each flag and the text it holds: the texture table never frees a slot, so each
// flag has one, drawn again only when its language changes. Owned by this module for the program's
// life; the slots are the scene's textures.
struct SideCard {
    int32_t slot = -1;
    std::u16string text;
};
SideCard sideCards[2];

int32_t CardSlot(SideCard& card, const std::string& code, int index) {
    const std::u16string text = SideCardText(code);
    if (card.slot >= 0 && card.text == text) return card.slot;
    const Image image = DrawLanguageCard(
        text, Utf8ToUtf16(code.empty() ? "unknown" : EnglishLanguageName(code)), glyphfont::FontFile());
    const std::string name = "side language card " + std::to_string(index);
    platform::MakeContextCurrent();
    if (card.slot < 0) {
        card.slot = LoadTextureImage(name, image);
    } else {
        ReplaceTextureImage(card.slot, name, image);
    }
    platform::ReleaseContext();
    card.text = card.slot >= 0 ? text : u"";
    return card.slot;
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
    flag.texture = CardSlot(sideCards[index], code, index);
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
