#include "screens/TextEntry.h"

#include "engine/GLObjectText.h"
#include "formats/GlyphCodes.h"
#include "screens/SceneLookup.h"

namespace {

// The working copy of a text is held to this many code units, terminator included.
constexpr size_t kWorkingBufferSize = 1000;

bool routingClick = false;

}  // namespace

ClickRouting::ClickRouting() { routingClick = true; }

ClickRouting::~ClickRouting() { routingClick = false; }

bool RoutingClick() { return routingClick; }

void TypeIntoText(const std::string& objectKey, int code, bool takesTab) {
    if (routingClick) return;
    // Controls, and letters the font has no glyph for (their low byte would show another letter).
    const bool typable = code >= 0 && code <= 0xFFFF && HasGlyphFor(static_cast<char16_t>(code));
    if (code != 8 && !typable && !(code == 9 && takesTab)) return;
    GLObjectText* field = FindText(objectKey);
    if (field == nullptr) return;

    std::u16string text = field->GetText();
    if (text.size() > kWorkingBufferSize - 1) text.resize(kWorkingBufferSize - 1);

    if (code == 8) {
        if (text.empty()) return;
        text.pop_back();
    } else {
        // The longest text is also bounded by the working buffer.
        const size_t maxLength = field->lineWidth < 0 ? 0 : static_cast<size_t>(field->lineWidth);
        if (text.size() >= maxLength || text.size() >= kWorkingBufferSize - 1) return;
        text.push_back(static_cast<char16_t>(code));
    }
    field->SetText(text);
}
