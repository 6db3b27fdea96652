#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include "platform/ClickFlags.h"
#include "platform/TextInput.h"

using platform::ClickFlags;
using platform::ControlCodeForKey;
using platform::Utf16ToUtf8;
using platform::Utf8ToUtf16;

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

TEST(TextInput, KeysWithoutTextBecomeControlCodes) {
    EXPECT_EQ(ControlCodeForKey(SDLK_RETURN), 13);
    EXPECT_EQ(ControlCodeForKey(SDLK_KP_ENTER), 13);
    EXPECT_EQ(ControlCodeForKey(SDLK_BACKSPACE), 8);
    EXPECT_EQ(ControlCodeForKey(SDLK_TAB), 9);
    EXPECT_EQ(ControlCodeForKey(SDLK_ESCAPE), 27);
    // Keys with text arrive as text input; delivering them here too would type them twice.
    EXPECT_EQ(ControlCodeForKey(SDLK_a), 0);
    EXPECT_EQ(ControlCodeForKey(SDLK_SPACE), 0);
    EXPECT_EQ(ControlCodeForKey(SDLK_DELETE), 0);
    EXPECT_EQ(ControlCodeForKey(SDLK_LEFT), 0);
}

TEST(ClickFlags, CarryTheHeldKeysAndButtons) {
    EXPECT_EQ(ClickFlags(false, false, false), 1);
    EXPECT_EQ(ClickFlags(true, false, false), 1 | 4);
    EXPECT_EQ(ClickFlags(false, true, false), 1 | 8);
    EXPECT_EQ(ClickFlags(false, false, true), 1 | 2);
    EXPECT_EQ(ClickFlags(true, true, true), 15);
}
