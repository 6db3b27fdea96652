#include "screens/SideLanguageCards.h"

#include "engine/GLObject.h"
#include "engine/GLScene.h"
#include "engine/GlyphFont.h"
#include "engine/TextureTable.h"
#include "engine/TitleCard.h"
#include "formats/LanguageCodes.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "platform/Platform.h"
#include "screens/SceneLookup.h"
#include "unicode/Utf8Utf16.h"

namespace {

// Each flag's card: one texture slot of the scene's per flag, drawn again only when its language
// changes.
int32_t CardSlot(Game& game, const std::string& code, int index) {
    const std::u16string text = SideCardText(code);
    return game.scene.textures.DrawnImage("side language card " + std::to_string(index), text, [&] {
        return DrawLanguageCard(text, Utf8ToUtf16(code.empty() ? "unknown" : EnglishLanguageName(code)),
                                glyphfont::FontFile());
    });
}

// The design's flag of a designed side: the British flag for English, the Spanish one for Spanish.
void ShowFlag(Game& game, GLObject& flag, const std::string& code) {
    const bool english = code == "en";
    flag.texture = game.scene.textures.Find(english ? game.app.nativeFlagPath : game.app.foreignFlagPath);
    flag.textured = true;
    // As the flags were built: the British one lit by its colour, the Spanish one by its texture.
    flag.texturedColour = english;
}

void ShowCard(Game& game, GLObject& flag, const std::string& code, int index) {
    flag.texture = CardSlot(game, code, index);
    flag.textured = true;
    flag.texturedColour = true;
}

}  // namespace

std::u16string SideCardText(const std::string& code) {
    const std::string name = OwnLanguageName(code);
    return Utf8ToUtf16(name.empty() ? "unknown" : name);
}

void ShowSideLanguages(Game& game, const SideLanguages& languages) {
    const char* flags[2] = {key::kNativeFlag, key::kForeignFlag};
    const std::string* codes[2] = {&languages.prompt, &languages.answer};
    for (int i = 0; i < 2; ++i) {
        GLObject* flag = FindSceneObject(game.scene, flags[i]);
        if (!flag) continue;
        if (languages.designedFlags) {
            ShowFlag(game, *flag, *codes[i]);
        } else {
            ShowCard(game, *flag, *codes[i], i);
        }
    }
}
