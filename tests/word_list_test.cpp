// The word-list file as the game reads it: line reads, the trim, the unshift and its cut, the
// field split, the topic range and the load's side effects.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "formats/WordFileFormat.h"
#include "learning/LearningRun.h"
#include "learning/WordList.h"
#include "tests/TempGameFolder.h"

namespace {

void AppendUnits(std::vector<uint8_t>& bytes, const std::u16string& units) {
    for (char16_t unit : units) {
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>(unit >> 8));
    }
}

// A word-list file of the given plain lines, each stored shifted with CR LF.
std::vector<uint8_t> WordFile(const std::vector<std::u16string>& plainLines) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (const std::u16string& line : plainLines) AppendUnits(bytes, EncodeLine(line) + u"\r\n");
    return bytes;
}

void Load(WordList& words, const std::vector<uint8_t>& bytes, int first, int last) {
    LoadTopicEntriesFromBytes(words, bytes.data(), bytes.size(), first, last);
}

std::u16string Decoded(std::u16string stored) {
    DecodeLine(stored);
    return stored;
}

TEST(WordFile, HandShiftedLineGivesItsTwoFields) {
    LearningRun currentRun;
    // 'ab;cd' shifted by 2, 4, 1, 6, 3, then an unshifted CR LF; the header is never looked at.
    const std::vector<uint8_t> bytes = {0x00, 0x00, 0x63, 0, 0x66, 0, 0x3C, 0,
                                        0x69, 0,    0x67, 0, 0x0D, 0, 0x0A, 0};
    Load(currentRun.words, bytes, 0, 1);
    ASSERT_EQ(WordCount(currentRun.words), 1u);
    EXPECT_EQ(currentRun.words.entries[0].prompt, u"ab");
    EXPECT_EQ(currentRun.words.entries[0].answer, u"cd");
    EXPECT_EQ(currentRun.words.counts[0].repeatCount, 0);
    EXPECT_EQ(CurrentPrompt(currentRun.words), u"ab");
    EXPECT_EQ(CurrentAnswer(currentRun.words), u"cd");
}

TEST(WordFile, KeyRepeatsEveryFiveUnitsWithSixteenBitWrap) {
    const std::u16string plain = u"abcdefg\uFFFE\uFFFF";
    const std::u16string stored = EncodeLine(plain);
    EXPECT_EQ(stored, u"cfdjhhk\uFFFF\u0005");
    EXPECT_EQ(Decoded(stored), plain);
}

TEST(WordFile, TrimsAtMostTwoStoredUnits) {
    const std::u16string ab = EncodeLine(u"ab");  // positions 0 and 1; a third unit gets key 1
    // CR LF goes; the stored space before it stays and is unshifted like any unit.
    EXPECT_EQ(Decoded(ab + u" \r\n"), u"ab\u001F");
    // LF alone goes together with a space, CR or LF before it.
    EXPECT_EQ(Decoded(ab + u" \n"), u"ab");
    EXPECT_EQ(Decoded(ab + u"\n\n"), u"ab");
    EXPECT_EQ(Decoded(ab + u"\r\n\n"), u"ab\u000C");
    EXPECT_EQ(Decoded(u""), u"");
    EXPECT_EQ(Decoded(u"\r\n"), u"");
}

// The line is a C string: a unit stored as 0 ends it before the trim, one that decodes to 0 ends it
// during the unshift; either way nothing after it reaches the fields.
TEST(WordFile, ZeroUnitEndsTheLine) {
    LearningRun currentRun;
    const std::u16string ab = EncodeLine(u"ab;cd").substr(0, 3), cd = EncodeLine(u"ab;cd").substr(3);
    const std::u16string decodesToZero(1, static_cast<char16_t>(WordFileKey[3]));
    struct Case {
        std::u16string stored, decoded;
    } cases[] = {
        {ab + decodesToZero + cd.substr(1) + u"\r\n", u"ab;"},
        {ab + std::u16string(1, u'\0') + cd + u"\r\n", u"ab;"},
        {ab.substr(0, 2) + u" " + std::u16string(1, u'\0') + cd + u"\r\n", u"ab"},  // trimmed after the cut
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decoded(c.stored), c.decoded);
        std::vector<uint8_t> bytes = {0xFF, 0xFE};
        AppendUnits(bytes, c.stored + EncodeLine(u"next;line") + u"\r\n");
        Load(currentRun.words, bytes, 0, 2);
        ASSERT_EQ(WordCount(currentRun.words), 2u);
        EXPECT_EQ(currentRun.words.entries[0].prompt, u"ab");
        EXPECT_EQ(currentRun.words.entries[0].answer, u"");
        EXPECT_EQ(currentRun.words.entries[1].prompt, u"next") << "the cut line still counts as one line";
    }
}

TEST(WordFile, SplitBehavesAsWcstok) {
    struct Case {
        std::u16string line, prompt, answer;
    } cases[] = {
        {u";;ab;;cd;ef", u"ab", u"cd"}, {u"ab;cd;", u"ab", u"cd"}, {u"ab", u"ab", u""},
        {u"ab;;;", u"ab", u""},         {u";;;", u"", u""},        {u"", u"", u""},
        {u" a ; b ", u" a ", u" b "},
    };
    for (const Case& c : cases) {
        WordFields fields = SplitFields(c.line);
        EXPECT_EQ(fields.prompt, c.prompt);
        EXPECT_EQ(fields.answer, c.answer);
    }
}

TEST(WordFile, ReadsStopAfterLineFeedOrAt1999Units) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    AppendUnits(bytes, u"x\n" + std::u16string(2500, u'y'));
    bytes.push_back(0x41);  // half a unit at the end is not read
    size_t position = kWordFileHeaderBytes;
    std::u16string line;
    ASSERT_TRUE(ReadWordFileLine(bytes.data(), bytes.size(), position, line));
    EXPECT_EQ(line, u"x\n");
    ASSERT_TRUE(ReadWordFileLine(bytes.data(), bytes.size(), position, line));
    EXPECT_EQ(line.size(), 1999u);
    ASSERT_TRUE(ReadWordFileLine(bytes.data(), bytes.size(), position, line));
    EXPECT_EQ(line.size(), 501u);
    EXPECT_FALSE(ReadWordFileLine(bytes.data(), bytes.size(), position, line));

    for (size_t size : {0, 1, 2, 3}) {
        position = kWordFileHeaderBytes;
        EXPECT_FALSE(ReadWordFileLine(bytes.data(), size, position, line)) << size;
    }
}

TEST(WordList, KeepsOnlyTheTopicsRangeInFileOrder) {
    LearningRun currentRun;
    std::vector<std::u16string> lines;
    for (int i = 0; i < 360; ++i) {
        const std::string digits = std::to_string(i);
        const std::u16string number(digits.begin(), digits.end());
        lines.push_back(u"p" + number + u";a" + number);
    }
    const std::vector<uint8_t> bytes = WordFile(lines);
    Load(currentRun.words, bytes, 30, 60);
    ASSERT_EQ(WordCount(currentRun.words), 30u);
    EXPECT_EQ(currentRun.words.entries[0].prompt, u"p30");
    EXPECT_EQ(currentRun.words.entries[29].answer, u"a59");
    EXPECT_EQ(currentRun.words.counts.size(), 30u);
    for (const RepetitionRecord& record : currentRun.words.counts) EXPECT_EQ(record.repeatCount, 0);
    EXPECT_EQ(currentRun.words.currentWord, 0u);

    // The next topic replaces the first one entirely.
    currentRun.words.currentWord = 7;
    Load(currentRun.words, bytes, 330, 360);
    ASSERT_EQ(WordCount(currentRun.words), 30u);
    EXPECT_EQ(currentRun.words.entries[0].prompt, u"p330");
    EXPECT_EQ(currentRun.words.entries[29].prompt, u"p359");
    EXPECT_EQ(currentRun.words.currentWord, 0u);

    // A range running past the end of the file keeps what is there.
    Load(currentRun.words, bytes, 350, 400);
    EXPECT_EQ(WordCount(currentRun.words), 10u);
}

TEST(WordList, ShortLineKeepsItsPlaceWithAnEmptyField) {
    LearningRun currentRun;
    const std::vector<uint8_t> bytes = WordFile({u"one;uno", u"two", u"", u"four;cuatro"});
    Load(currentRun.words, bytes, 0, 4);
    ASSERT_EQ(WordCount(currentRun.words), 4u);
    EXPECT_EQ(currentRun.words.entries[1].prompt, u"two");
    EXPECT_EQ(currentRun.words.entries[1].answer, u"");
    EXPECT_EQ(currentRun.words.entries[2].prompt, u"");
    EXPECT_EQ(currentRun.words.entries[3].answer, u"cuatro");
    EXPECT_EQ(currentRun.words.asked.size(), 4u);
}

TEST(WordList, MissingFileEmptiesTheList) {
    LearningRun currentRun;
    TempGameFolder folder;
    Load(currentRun.words, WordFile({u"a;b"}), 0, 1);
    currentRun.words.currentWord = 3;
    LoadTopicEntries(currentRun.words, folder.Path("data/words_free.enc"), 0, 30);
    EXPECT_EQ(WordCount(currentRun.words), 0u);
    EXPECT_TRUE(currentRun.words.counts.empty());
    EXPECT_EQ(currentRun.words.currentWord, 0u);
    EXPECT_EQ(CurrentPrompt(currentRun.words), u"");
    EXPECT_EQ(CurrentAnswer(currentRun.words), u"");
}

TEST(WordList, LoadsFromFileTracesEachEntryAndReseeds) {
    LearningRun currentRun;
    TempGameFolder folder;
    folder.Write("data/words_free.enc", WordFile({u"skip;me", u"tree;\u00E1rbol", u"girl;ni\u00F1a"}));
    const std::string path = folder.Path("data/words_free.enc");

    // The trace shows the answers: it is written only with a debugger's stand-in, LEXADRILL_TRACE=1.
    testing::internal::CaptureStderr();
    LoadTopicEntries(currentRun.words, path, 1, 3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    setenv("LEXADRILL_TRACE", "1", 1);
    testing::internal::CaptureStderr();
    LoadTopicEntries(currentRun.words, path, 1, 3);
    const std::string trace = testing::internal::GetCapturedStderr();
    unsetenv("LEXADRILL_TRACE");
    EXPECT_EQ(trace,
              "tree - \xC3\xA1rbol\ngirl - ni\xC3\xB1"
              "a\n");
    ASSERT_EQ(WordCount(currentRun.words), 2u);
    EXPECT_EQ(currentRun.words.entries[0].answer, u"\u00E1rbol");

    // Every load seeds rand() with the time: two loads in the same second give the same draw.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::time_t before = std::time(nullptr);
        LoadTopicEntries(currentRun.words, path, 1, 3);
        const int firstDraw = std::rand();
        std::srand(4242);
        LoadTopicEntries(currentRun.words, path, 1, 3);
        const int secondDraw = std::rand();
        if (std::time(nullptr) != before) continue;
        std::srand(static_cast<unsigned>(before));
        EXPECT_EQ(firstDraw, std::rand());
        EXPECT_EQ(secondDraw, firstDraw);
        return;
    }
    FAIL() << "the clock kept moving to a new second";
}

TEST(WordList, ReleaseEntriesEmptiesEverySequence) {
    LearningRun currentRun;
    Load(currentRun.words, WordFile({u"a;b", u"c;d"}), 0, 2);
    currentRun.words.currentWord = 1;
    ReleaseEntries(currentRun.words);
    EXPECT_EQ(WordCount(currentRun.words), 0u);
    EXPECT_TRUE(currentRun.words.counts.empty());
    EXPECT_TRUE(currentRun.words.asked.empty());
    EXPECT_EQ(CurrentPrompt(currentRun.words), u"");
}

}  // namespace
