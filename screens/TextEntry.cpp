#include "screens/TextEntry.h"

#include "engine/GLObjectText.h"
#include "engine/GLScene.h"
#include "formats/GlyphCodes.h"
#include "screens/SceneLookup.h"

namespace {

// The working copy of a text is held to this many code units, terminator included.
constexpr size_t kWorkingBufferSize = 1000;

}  // namespace

void EditText(Game& game, const std::string& objectKey, const InputEvent& input, bool takesTab) {
    const bool erase = input.IsKey(platform::Key::Backspace);
    const char16_t code = input.character;
    // Controls, and letters the font has no glyph for (their low byte would show another letter).
    const bool typable = input.IsCharacter() && (HasGlyphFor(code) || (code == u'\t' && takesTab));
    if (!erase && !typable) return;
    GLObjectText* field = FindText(game.scene, objectKey);
    if (field == nullptr) return;

    std::u16string text = field->GetText();
    if (text.size() > kWorkingBufferSize - 1) text.resize(kWorkingBufferSize - 1);

    if (erase) {
        if (text.empty()) return;
        text.pop_back();
    } else {
        // The longest text is also bounded by the working buffer.
        const size_t maxLength = field->lineWidth < 0 ? 0 : static_cast<size_t>(field->lineWidth);
        if (text.size() >= maxLength || text.size() >= kWorkingBufferSize - 1) return;
        text.push_back(code);
    }
    field->SetText(text);
}
