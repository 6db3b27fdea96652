// Own lists as topics without a window: how a read list is cut into topics and named, and the
// old counts file of an own topic, read whole and against damaged bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/OwnTopicCountsFile.h"
#include "learning/OwnTopics.h"
#include "tests/OldProgressFiles.h"

namespace {

ImportedLesson Lesson(const std::u16string& title, size_t cards) {
    ImportedLesson lesson{title, {}};
    for (size_t i = 0; i < cards; ++i) {
        const std::u16string n(1, static_cast<char16_t>(u'A' + i % 26));
        lesson.cards.push_back(ImportedCard{u"p" + n + std::u16string(i / 26, u'x'), u"a" + n, u"", ""});
    }
    return lesson;
}

TEST(OwnTopics, ListsAreCutIntoTopicsOfAtMostThirtyInFileOrderAndNamedByTitle) {
    const struct {
        std::u16string listTitle;
        std::vector<ImportedLesson> lessons;
        bool languagesUnknown;
        std::vector<std::u16string> titles;
        std::vector<size_t> sizes;
    } cases[] = {
        {u"", {Lesson(u"", 44)}, false, {u"animals 1", u"animals 2"}, {30, 14}},
        {u"Tiere", {Lesson(u"", 30)}, false, {u"Tiere"}, {30}},
        {u"Tiere", {Lesson(u"", 31)}, false, {u"Tiere 1", u"Tiere 2"}, {30, 1}},
        {u"Tiere",
         {Lesson(u"Mammals", 3), Lesson(u"Birds", 61)},
         false,
         {u"Mammals", u"Birds 1", u"Birds 2", u"Birds 3"},
         {3, 30, 30, 1}},
        {u"", {Lesson(u"", 2)}, true, {u"animals"}, {2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.titles.front().size());
        WordListImport list;
        list.title = c.listTitle;
        list.lessons = c.lessons;
        list.promptLanguage = {"en", LanguageFound::Header};
        if (!c.languagesUnknown) list.answerLanguage = {"de", LanguageFound::Guessed};
        const std::vector<OwnTopic> topics = TopicsOfList("animals.csv", u"animals", list);
        ASSERT_EQ(topics.size(), c.titles.size());
        size_t card = 0, lesson = 0;
        for (size_t i = 0; i < topics.size(); ++i) {
            EXPECT_EQ(topics[i].title, c.titles[i]);
            EXPECT_EQ(topics[i].cards.size(), c.sizes[i]);
            EXPECT_EQ(topics[i].part, static_cast<int>(i + 1));
            EXPECT_EQ(topics[i].listFile, "animals.csv");
            // The list's languages, shown by name; an unknown side stays unknown.
            EXPECT_EQ(topics[i].languages.prompt, "en");
            EXPECT_EQ(topics[i].languages.answer, c.languagesUnknown ? "" : "de");
            EXPECT_FALSE(topics[i].languages.designedFlags);
            // File order, no card lost or repeated.
            for (const WordEntry& entry : topics[i].cards) {
                if (card == c.lessons[lesson].cards.size()) card = 0, ++lesson;
                EXPECT_EQ(entry.prompt, c.lessons[lesson].cards[card].prompt);
                EXPECT_EQ(entry.answer, c.lessons[lesson].cards[card++].answer);
            }
        }
    }
}

TEST(OwnTopicCountsFile, ReadsEveryRecordAndStopsAtDamage) {
    const std::vector<OldCount> cards = {
        {u"dog", u"Hund", 0}, {u"to take (a photo)", u"hacer; sacar", 5}, {u"łódź", u"", -3}};
    const std::vector<uint8_t> bytes = OldCountsBytes(cards);
    const auto parsed = ParseOwnTopicCounts(bytes.data(), bytes.size());
    ASSERT_EQ(parsed.size(), cards.size());
    for (size_t i = 0; i < cards.size(); ++i) {
        EXPECT_EQ(parsed[i].prompt, cards[i].prompt);
        EXPECT_EQ(parsed[i].answer, cards[i].answer);
        EXPECT_EQ(parsed[i].count, cards[i].count);
    }

    std::vector<uint8_t> huge = OldCountsBytes({{u"a", u"b", 1}});
    const std::vector<uint8_t> claim = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F};  // 2^31 units promised
    huge.insert(huge.end(), claim.begin(), claim.end());
    std::vector<uint8_t> otherMagic = bytes;
    otherMagic[7] = '2';
    const struct {
        std::vector<uint8_t> bytes;
        size_t records;
    } damaged[] = {
        {{}, 0},
        {otherMagic, 0},                                            // a later version is not guessed at
        {std::vector<uint8_t>(bytes.begin(), bytes.end() - 1), 2},  // cut in the last record
        {std::vector<uint8_t>(bytes.begin(), bytes.begin() + 12), 0},
        {huge, 1},
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.bytes.size());
        EXPECT_EQ(ParseOwnTopicCounts(d.bytes.data(), d.bytes.size()).size(), d.records);
    }
}

}  // namespace
