#include "platform/TextInput.h"

#include <SDL_keycode.h>

namespace platform {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendCodePoint(std::u16string& out, uint32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string out;
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const uint8_t lead = static_cast<uint8_t>(text[i]);
        int length = 0;
        uint32_t cp = 0;
        uint32_t minimum = 0;
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, cp = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, cp = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, cp = lead & 0x07, minimum = 0x10000;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        int taken = 1;
        while (taken < length && i + taken < n && (static_cast<uint8_t>(text[i + taken]) & 0xC0) == 0x80) {
            cp = (cp << 6) | (static_cast<uint8_t>(text[i + taken]) & 0x3F);
            ++taken;
        }
        if (taken < length) {
            // Truncated: the bytes read so far stand for one bad character; resync on the next byte.
            out.push_back(kReplacement);
            i += taken;
            continue;
        }
        i += length;
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(kReplacement);
        } else {
            AppendCodePoint(out, cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

char16_t CharacterForKey(int32_t sdlKeycode) { return sdlKeycode == SDLK_TAB ? u'\t' : 0; }

bool GameKeyFor(int32_t sdlKeycode, bool repeat, Key& key) {
    struct Row {
        int32_t sdlKeycode;
        Key key;
        bool repeats;  // a held key keeps delivering it
    };
    static constexpr Row kKeys[] = {
        {SDLK_UP, Key::Up, true},
        {SDLK_DOWN, Key::Down, true},
        {SDLK_BACKSPACE, Key::Backspace, true},
        {SDLK_LEFT, Key::Left, false},
        {SDLK_RIGHT, Key::Right, false},
        {SDLK_RETURN, Key::Return, false},
        {SDLK_KP_ENTER, Key::Return, false},
        {SDLK_ESCAPE, Key::Escape, false},
        {SDLK_F1, Key::F1, false},
        {SDLK_F2, Key::F2, false},
        {SDLK_F3, Key::F3, false},
        {SDLK_DELETE, Key::Delete, false},
    };
    for (const Row& row : kKeys) {
        if (row.sdlKeycode != sdlKeycode) continue;
        key = row.key;
        return row.repeats || !repeat;
    }
    return false;
}

}  // namespace platform
