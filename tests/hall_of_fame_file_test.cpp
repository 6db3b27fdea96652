// The hall-of-fame file format and ordering rule, without GL or a disk.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "formats/HallOfFameFile.h"
#include "tests/Utf16Bytes.h"

namespace {

std::string FileOf(const std::u16string& text) { return "\xFF\xFE" + Utf16Le(text); }

std::vector<HallOfFameEntry> Scores(std::initializer_list<int> scores) {
    std::vector<HallOfFameEntry> list;
    for (int s : scores) list.push_back({u"p" + std::u16string(1, char16_t(u'0' + list.size())), s});
    return list;
}

std::vector<int> ScoresOf(const std::vector<HallOfFameEntry>& list) {
    std::vector<int> scores;
    for (const auto& e : list) scores.push_back(e.score);
    return scores;
}

}  // namespace

TEST(HallOfFameFile, FormatsBomAndTabSeparatedCrLfLinesInUtf16Le) {
    const std::string bytes = FormatHallOfFame({{u"ana", 420}, {u"jos\u00e9", -5}});
    EXPECT_EQ(bytes, FileOf(u"ana\t420\r\njos\u00e9\t-5\r\n"));
    EXPECT_EQ(FormatHallOfFame({}), std::string("\xFF\xFE"));
}

TEST(HallOfFameFile, WritesOnlyTheFirstTenEntries) {
    std::vector<HallOfFameEntry> list = Scores({120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    const std::vector<HallOfFameEntry> back = ParseHallOfFame(FormatHallOfFame(list));
    ASSERT_EQ(back.size(), 10u);
    EXPECT_EQ(back.back().score, 30);
    EXPECT_EQ(back.front().name, list.front().name);
}

TEST(HallOfFameFile, NameCharactersThatWouldBreakTheLineAreWrittenAsUnderscore) {
    const std::string bytes = FormatHallOfFame({{std::u16string(u"a\tb\nc") + u'\0' + u"d", 7}});
    EXPECT_EQ(bytes, FileOf(u"a_b_c_d\t7\r\n"));
}

TEST(HallOfFameFile, ReadsEveryLineInFileOrderWithoutALimit) {
    std::u16string text;
    for (int i = 0; i < 12; ++i) text += u"n" + std::u16string(1, char16_t(u'a' + i)) + u"\t" + u"5\r\n";
    const std::vector<HallOfFameEntry> entries = ParseHallOfFame(FileOf(text));
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries[0].name, u"na");
    EXPECT_EQ(entries[11].name, u"nl");
}

TEST(HallOfFameFile, ByteOrderMarkIsSkippedUncheckedAndOddTrailingByteIgnored) {
    const std::vector<HallOfFameEntry> entries = ParseHallOfFame("XY" + Utf16Le(u"ana\t3\r\n") + "Z");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, u"ana");
    EXPECT_EQ(entries[0].score, 3);
    EXPECT_TRUE(ParseHallOfFame("").empty());
    EXPECT_TRUE(ParseHallOfFame("\xFF").empty());
    EXPECT_TRUE(ParseHallOfFame("\xFF\xFE").empty());
}

TEST(HallOfFameFile, LinesWithoutANameAndAScoreAreSkipped) {
    const std::vector<HallOfFameEntry> entries =
        ParseHallOfFame(FileOf(u"\r\n\t\r\nnoscore\r\nempty\t\r\n\t\t\r\nkept\t9\r\n\n\tlate\t4\nlast\t1"));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, u"kept");
    EXPECT_EQ(entries[0].score, 9);
    // Runs of TABs separate like one, leading ones are skipped.
    EXPECT_EQ(entries[1].name, u"late");
    EXPECT_EQ(entries[1].score, 4);
    // The last line needs no line end.
    EXPECT_EQ(entries[2].name, u"last");
    EXPECT_EQ(entries[2].score, 1);
}

TEST(HallOfFameFile, ScoreIsReadLikeStrtol) {
    const std::vector<HallOfFameEntry> e = ParseHallOfFame(
        FileOf(u"a\t  +12x\r\nb\t-7\r\nc\tabc\r\nd\t99999999999\r\ne\t-99999999999\r\nf\t--3\r\n"));
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(ScoresOf(e), (std::vector<int>{12, -7, 0, std::numeric_limits<int32_t>::max(),
                                             std::numeric_limits<int32_t>::min(), 0}));
}

TEST(HallOfFameFile, OverlongLineIsReadIn1999UnitPieces) {
    // The first 1999 units hold no TAB and are skipped; the rest is a line of its own.
    const std::u16string name(2100, u'a');
    const std::vector<HallOfFameEntry> entries = ParseHallOfFame(FileOf(name + u"\t5\r\nb\t6\r\n"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, std::u16string(2100 - 1999, u'a'));
    EXPECT_EQ(entries[0].score, 5);
    EXPECT_EQ(entries[1].name, u"b");
}

TEST(HallOfFameFile, NulEndsTheLinesText) {
    std::u16string text = u"ana\t5";
    text += u'\0';
    text += u"7\r\nbo";
    text += u'\0';
    text += u"b\t3\r\n";
    const std::vector<HallOfFameEntry> entries = ParseHallOfFame(FileOf(text));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].score, 5);
}

TEST(HallOfFameFile, FormatThenParseGivesTheSameEntries) {
    const std::vector<HallOfFameEntry> list = {{u"\u00f1and\u00fa", 2147483647}, {u"x", 0}, {u"y", -1}};
    const std::vector<HallOfFameEntry> back = ParseHallOfFame(FormatHallOfFame(list));
    ASSERT_EQ(back.size(), list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(back[i].name, list[i].name);
        EXPECT_EQ(back[i].score, list[i].score);
    }
}

TEST(HallOfFameInsert, EqualScoresStayAboveTheNewEntry) {
    std::vector<HallOfFameEntry> list = {{u"a", 200}, {u"old", 100}, {u"c", 50}};
    InsertHallOfFameEntry(list, {u"new", 100});
    EXPECT_EQ(ScoresOf(list), (std::vector<int>{200, 100, 100, 50}));
    EXPECT_EQ(list[1].name, u"old");
    EXPECT_EQ(list[2].name, u"new");

    std::vector<HallOfFameEntry> empty;
    InsertHallOfFameEntry(empty, {u"first", -3});
    ASSERT_EQ(empty.size(), 1u);
    InsertHallOfFameEntry(empty, {u"top", 5});
    EXPECT_EQ(ScoresOf(empty), (std::vector<int>{5, -3}));
}

TEST(HallOfFameInsert, AFullListDropsAnEqualLowestAndKeepsAHigherOneUntilTheSave) {
    std::vector<HallOfFameEntry> list = Scores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    InsertHallOfFameEntry(list, {u"eq", 10});
    EXPECT_EQ(list.size(), 10u);
    InsertHallOfFameEntry(list, {u"up", 15});
    ASSERT_EQ(list.size(), 11u);
    EXPECT_EQ(list[9].name, u"up");
    const std::vector<HallOfFameEntry> saved = ParseHallOfFame(FormatHallOfFame(list));
    ASSERT_EQ(saved.size(), 10u);
    EXPECT_EQ(saved.back().name, u"up");
}

TEST(HallOfFameInsert, NineEntriesTakeAnyScoreAtTheEnd) {
    std::vector<HallOfFameEntry> list = Scores({90, 80, 70, 60, 50, 40, 30, 20, 10});
    InsertHallOfFameEntry(list, {u"neg", -20});
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.back().name, u"neg");
}

TEST(HallOfFameFile, LineTextIsNameDashScore) {
    EXPECT_EQ(HallOfFameLineText({u"ana", 420}), u"ana - 420");
    EXPECT_EQ(HallOfFameLineText({u"b", -3}), u"b - -3");
}
