// The word-list encoder run as the build runs it, checked through the game's own reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "learning/LearningRun.h"
#include "learning/WordList.h"
#include "tests/TempGameFolder.h"

namespace {

const std::string kEncoder = std::string(LEXADRILL_BUILD_DIR) + "/tools/encode_words";

int Encode(const TempGameFolder& folder, const std::string& source) {
    std::ofstream(folder.Path("words.txt"), std::ios::binary) << source;
    // Bounded like every wait on a child: a hung encoder fails the test instead of holding the suite.
    const std::string command = "timeout 60 '" + kEncoder + "' '" + folder.Path("words.txt") + "' '" +
                                folder.Path("data/words_free.enc") + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(EncodeWords, EncodedListReadsBackAsItsSource) {
    LearningRun currentRun;
    TempGameFolder folder;
    ASSERT_EQ(Encode(folder,
                     "# topic one\n"
                     "the tree;\xC3\xA1rbol\r\n"
                     "\n"
                     "   \n"
                     "the table;mesa (f)\n"
                     "the boy;el ni\xC3\xB1o\n"),
              0)
        << "is " << kEncoder << " built?";
    const std::vector<uint8_t> bytes = folder.Read("data/words_free.enc");
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 4, bytes.end()), (std::vector<uint8_t>{0x0D, 0, 0x0A, 0}));

    LoadTopicEntries(currentRun.words, folder.Path("data/words_free.enc"), 0, 100);
    ASSERT_EQ(WordCount(currentRun.words), 3u);
    EXPECT_EQ(currentRun.words.entries[0].prompt, u"the tree");
    EXPECT_EQ(currentRun.words.entries[0].answer, u"\u00E1rbol");
    EXPECT_EQ(currentRun.words.entries[1].answer, u"mesa (f)");
    EXPECT_EQ(currentRun.words.entries[2].answer, u"el ni\u00F1o");
}

TEST(EncodeWords, RefusesMalformedLinesAndWritesNothing) {
    const char* malformed[] = {
        "the cat gato\n",        // no separator
        "the cat;gato;extra\n",  // a third field would be dropped
        ";gato\n",               // empty prompt
        "the cat;gato \n",       // a trailing space would have to be typed
        "facade;fa\xC3\xA7"
        "ade\n",       // no glyph for c with cedilla
        "tab;\tx\n",   // control character
        "bad;\xC3\n",  // broken UTF-8
    };
    for (const char* line : malformed) {
        TempGameFolder folder;
        EXPECT_EQ(Encode(folder, std::string("ok;bien\n") + line), 1) << line;
        EXPECT_FALSE(folder.Exists("data/words_free.enc")) << line;
    }
}

}  // namespace
