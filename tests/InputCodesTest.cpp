#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include "platform/TextInput.h"
#include "unicode/Utf8Utf16.h"

TEST(TextInput, DecodesEachCharacterToItsUtf16Codes) {
    EXPECT_EQ(Utf8ToUtf16("ana"), u"ana");
    // Spanish and Polish letters are two UTF-8 bytes but one code each.
    EXPECT_EQ(Utf8ToUtf16("\xC3\xB1\x61\xC5\x82"), u"\u00F1a\u0142");
    // Three-byte character (euro sign).
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82\xAC"), u"\u20AC");
    // Outside the Basic Multilingual Plane (U+1F600): a surrogate pair, two codes.
    const std::u16string emoji = Utf8ToUtf16("x\xF0\x9F\x98\x80y");
    ASSERT_EQ(emoji.size(), 4u);
    EXPECT_EQ(emoji[1], 0xD83D);
    EXPECT_EQ(emoji[2], 0xDE00);
    EXPECT_EQ(emoji[3], u'y');
}

TEST(TextInput, MalformedBytesBecomeReplacementCharacters) {
    const char16_t bad = 0xFFFD;
    EXPECT_EQ(Utf8ToUtf16("\x80"), std::u16string(1, bad));              // stray continuation
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), (std::u16string{u'a', bad}));        // cut at the end
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82x"), (std::u16string{bad, u'x'}));    // cut, then resync
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), std::u16string(1, bad));          // overlong '/'
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), std::u16string(1, bad));      // encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), std::u16string(1, bad));  // past U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\xFF"), std::u16string(1, bad));
}

TEST(TextInput, EncodesBackToUtf8) {
    const std::string text = "ma\xC3\xB1\x61na \xF0\x9F\x98\x80 /home/ana/gra/";
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}

// Each press arrives once: as a named key, or (Tab, which has no text input) as its character;
// keys with text arrive as text input only, and a held key repeats only where that is meant.
TEST(TextInput, EachKeyPressArrivesOnceAsAKeyOrACharacter) {
    using platform::Key;
    const struct {
        int32_t sdlKeycode;
        char16_t character;  // 0: none
        bool named;
        Key key;
        bool repeats;
    } cases[] = {
        {SDLK_RETURN, 0, true, Key::Return, false}, {SDLK_KP_ENTER, 0, true, Key::Return, false},
        {SDLK_ESCAPE, 0, true, Key::Escape, false}, {SDLK_BACKSPACE, 0, true, Key::Backspace, true},
        {SDLK_UP, 0, true, Key::Up, true},          {SDLK_DOWN, 0, true, Key::Down, true},
        {SDLK_LEFT, 0, true, Key::Left, false},     {SDLK_RIGHT, 0, true, Key::Right, false},
        {SDLK_F1, 0, true, Key::F1, false},         {SDLK_F2, 0, true, Key::F2, false},
        {SDLK_F3, 0, true, Key::F3, false},         {SDLK_TAB, u'\t', false, Key::Return, false},
        {SDLK_a, 0, false, Key::Return, false},     {SDLK_SPACE, 0, false, Key::Return, false},
        {SDLK_DELETE, 0, true, Key::Delete, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sdlKeycode);
        EXPECT_EQ(platform::CharacterForKey(c.sdlKeycode), c.character);
        EXPECT_FALSE(c.character != 0 && c.named) << "a press is never both";
        Key key = Key::F2;
        EXPECT_EQ(platform::GameKeyFor(c.sdlKeycode, false, key), c.named);
        if (c.named) {
            EXPECT_EQ(key, c.key);
        }
        EXPECT_EQ(platform::GameKeyFor(c.sdlKeycode, true, key), c.named && c.repeats);
    }
}

// Only a click with nothing held is plain; each held key or button alone makes it another click.
TEST(Click, IsPlainOnlyWithNothingHeld) {
    using platform::Click;
    EXPECT_TRUE(Click{}.IsPlain());
    for (const Click& held : {Click{true, false, false}, Click{false, true, false}, Click{false, false, true},
                              Click{true, true, true}}) {
        EXPECT_FALSE(held.IsPlain());
        EXPECT_FALSE(held == Click{});
    }
}
