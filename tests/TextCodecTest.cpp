// The one UTF-8 rule, seen by both of its users: a word list read from a file and the text the
// window types. The same bytes give the same text, and what is malformed is malformed for both.
#include <gtest/gtest.h>

#include <string>

#include "formats/WordListImport.h"
#include "platform/Platform.h"
#include "tests/hooks/Headless.h"
#include "unicode/Utf8Utf16.h"

namespace {

constexpr char16_t kBad = 0xFFFD;

struct Row {
    const char* what;
    std::string bytes;
    std::u16string text;
};

const Row kRows[] = {
    {"Spanish letters", "le\xC3\xB3n \xC3\xB1", u"le\u00F3n \u00F1"},
    {"past the Basic Multilingual Plane", "\xF0\x9F\x98\x80", u"\U0001F600"},
    {"a stray continuation byte",
     "a\x80"
     "b",
     {u'a', kBad, u'b'}},
    {"a byte that starts nothing", "\xF8\x88", {kBad, kBad}},
    {"cut at the end", "a\xC3", {u'a', kBad}},
    {"cut by another byte, read on from it", "\xE2\x82x", {kBad, u'x'}},
    {"a four-byte character cut", "\xF0\x9F\x98y", {kBad, u'y'}},
    {"overlong", "\xC0\xAF", {kBad}},
    {"an encoded surrogate", "\xED\xA0\x80", {kBad}},
    {"past U+10FFFF", "\xF4\x90\x80\x80", {kBad}},
};

bool Malformed(const Row& row) { return row.text.find(kBad) != std::u16string::npos; }

class TextCodec : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::Enable();
        platform::headless::Reset();
        ASSERT_TRUE(platform::Start());
        platform::WindowCallbacks callbacks;
        callbacks.character = [this](char16_t unit) { typed.push_back(unit); };
        platform::RunMainLoop(callbacks);
    }
    void TearDown() override { platform::Stop(); }

    std::u16string typed;
};

TEST_F(TextCodec, MalformedBytesReadAndTypeByOneRule) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.what);
        const auto* data = reinterpret_cast<const uint8_t*>(row.bytes.data());
        EXPECT_EQ(Utf8ToUtf16(row.bytes), row.text);
        EXPECT_EQ(IsValidUtf8(data, row.bytes.size()), !Malformed(row));

        // Typed into the window: the same code units, one character each.
        typed.clear();
        platform::headless::TypeText(row.bytes);
        EXPECT_EQ(typed, row.text);

        // In a word list: a list holding malformed bytes is not UTF-8, so it is read as
        // Windows-1252; a well-formed one is read as the same text.
        const std::string file = "word;" + row.bytes + "\n";
        const WordListImport list =
            ReadWordList("list.txt", reinterpret_cast<const uint8_t*>(file.data()), file.size());
        EXPECT_EQ(list.readAsWindows1252, Malformed(row));
    }
    // A well-formed list's word is the text typed from the same bytes.
    const std::string file = "word;" + kRows[0].bytes + "\n";
    const WordListImport list =
        ReadWordList("list.txt", reinterpret_cast<const uint8_t*>(file.data()), file.size());
    ASSERT_EQ(list.CardCount(), 1u);
    EXPECT_EQ(list.lessons[0].cards[0].answer, kRows[0].text);
    // And goes back to the same bytes.
    EXPECT_EQ(Utf16ToUtf8(kRows[0].text), kRows[0].bytes);
    EXPECT_EQ(Utf16ToUtf8(kRows[1].text), kRows[1].bytes);
}

}  // namespace
