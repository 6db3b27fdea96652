// The word schedule: its rules day by day, kept in the learner's record, the old files (damaged
// ones too) carried over, a clock that misbehaves, the review's choice and the progress figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/RepetitionStore.h"
#include "learning/ReviewSchedule.h"
#include "platform/CalendarDay.h"
#include "record/RecordMigration.h"
#include "record/RecordStore.h"
#include "tests/OldProgressFiles.h"
#include "tests/RecordReader.h"
#include "tests/TempGameFolder.h"
#include "tests/hooks/RecordFaults.h"
#include "tests/hooks/TestHooks.h"

namespace {

constexpr int32_t kDay0 = 20000;  // 4 October 2024

using Card = OldCard;

std::vector<uint8_t> FileBytes(uint32_t version, const std::vector<Card>& cards,
                               const std::vector<int32_t>& days) {
    return OldScheduleBytes(version, cards, days);
}

// Rows 0 and 1 (four cards each) are unlocked, row 2 (eight cards) locked; row 3 holds 200 cards.
class Schedule : public testing::Test {
protected:
    void SetUp() override {
        const int ranges[4][2] = {{0, 4}, {4, 8}, {8, 16}, {16, 216}};
        context.topicCount = 4;
        for (int i = 0; i < 4; ++i) {
            context.topics[i].firstWord = ranges[i][0];
            context.topics[i].lastWord = ranges[i][1];
        }
        UnlockTopic(4, 8);
        UnlockTopic(16, 216);
        platform::SetToday(kDay0);
    }
    void TearDown() override { record::StopRecord(); }

    void On(int32_t day) { platform::SetToday(kDay0 + day); }
    // Saves and starts again, as a game closed and opened.
    void Restart() {
        ASSERT_TRUE(SaveSchedules(learner));
        record::StopRecord();
        ForgetSchedules(learner);
    }
    // A start that finds old schedule files in the folder and carries them over into the record.
    void StartWithOldFile(const std::string& name, const std::vector<uint8_t>& bytes) {
        folder.Write("data/" + name, bytes);
        record::StopRecord();
        // As a start does, without forgetting this run's answers not saved yet.
        EXPECT_NE(record::StartRecord(SaveWriteFolder(), {},
                                      [this] { return TopicsWithOldFiles(context, learner); })
                      .migratedLine,
                  "")
            << name;
    }
    // A folder without a record, as before the first start.
    void ForgetRecord() {
        record::StopRecord();
        ForgetSchedules(learner);
        for (const char* name : {"progress.sqlite", "progress.sqlite-wal", "progress.sqlite-shm", "migrated"})
            std::filesystem::remove_all(folder.Path(std::string("data/") + name));
    }
    void ExpectCard(int topic, int entry, int box, int32_t last, int32_t due, const std::string& when) {
        const CardSchedule card = CardAt(context, learner, topic, entry);
        EXPECT_EQ(card.box, box) << when;
        if (box == kNewBox) return;
        EXPECT_EQ(card.lastDay, kDay0 + last) << when;
        EXPECT_EQ(card.dueDay, kDay0 + due) << when;
    }

    TempGameFolder folder;
    AppContext context{folder.root};
    Learner learner;
};

TEST_F(Schedule, AnswersMoveCardsByTheRules) {
    struct Case {
        Card before;
        bool right;
        int32_t today;
        Card after;
    };
    const Case cases[] = {
        {{0, 0, 0, false}, true, 10, {1, 10, 11, false}},     // first answer: box 1
        {{0, 0, 0, false}, false, 10, {1, 10, 11, true}},     // also when missed
        {{3, 6, 10, false}, true, 10, {4, 10, 17, false}},    // due: up one box, its wait
        {{3, 6, 10, true}, true, 8, {3, 8, 10, false}},       // not due yet: box and day kept
        {{7, 0, 60, false}, true, 60, {7, 60, 120, false}},   // the top box stays
        {{6, 0, 30, false}, false, 30, {1, 30, 31, true}},    // a miss: box 1
        {{2, 0, 2, false}, true, 400, {3, 400, 404, false}},  // a year late: one box only
        {{4, 90, 97, false}, true, 50, {4, 50, 57, false}},   // answered "in the future": wait from today
        {{4, 90, 97, false}, false, 50, {1, 50, 51, true}},
    };
    for (const Case& c : cases) {
        const CardSchedule after =
            CardAfterAnswer({c.before.box, c.before.last, c.before.due, c.before.missed}, c.right, c.today);
        EXPECT_EQ(after.box, c.after.box) << "box " << c.before.box << " on day " << c.today;
        EXPECT_EQ(after.lastDay, c.after.last) << "box " << c.before.box << " on day " << c.today;
        EXPECT_EQ(after.dueDay, c.after.due) << "box " << c.before.box << " on day " << c.today;
        EXPECT_EQ(after.missed, c.after.missed) << "box " << c.before.box << " on day " << c.today;
    }
}

TEST_F(Schedule, SimulatedFortnightOfTestsAndReviews) {
    struct Step {
        int day, topic, entry;
        bool right;
        int box, due;  // the card afterwards
    };
    const Step steps[] = {
        {0, 0, 0, true, 1, 1},  {0, 1, 2, false, 1, 1},  {1, 0, 0, true, 2, 3},   {2, 0, 0, true, 2, 3},
        {3, 0, 0, true, 3, 7},  {5, 1, 2, true, 2, 7},   {7, 0, 0, false, 1, 8},  {7, 1, 2, true, 3, 11},
        {8, 0, 0, true, 2, 10}, {10, 0, 0, true, 3, 14}, {14, 0, 0, true, 4, 21}, {14, 1, 2, true, 4, 21},
    };
    int previousDay = 0;
    for (const Step& step : steps) {
        if (step.day != previousDay) Restart();  // each day another game
        previousDay = step.day;
        On(step.day);
        RecordAnswer(context, learner, step.topic, step.entry, step.right);
        ExpectCard(step.topic, step.entry, step.box, step.day, step.due, "day " + std::to_string(step.day));
    }
    Restart();
    On(15);
    ExpectCard(0, 0, 4, 14, 21, "after the fortnight, read back");
    EXPECT_EQ(DueCountToday(context, learner), 0);
    EXPECT_EQ(DaysUntilNextDue(context, learner), 6);
    // A review: the card missed last first, then the most overdue.
    On(30);
    RecordAnswer(context, learner, 0, 1, true);
    RecordAnswer(context, learner, 1, 0, false);
    On(31);
    EXPECT_EQ(ChooseReviewCards(context, learner), (std::vector<CardRef>{{1, 0}, {0, 0}, {1, 2}, {0, 1}}));
    EXPECT_EQ(DueCountToday(context, learner), 4);
    On(30);
    EXPECT_EQ(DueCountToday(context, learner), 2);
    EXPECT_EQ(DaysUntilNextDue(context, learner), 0);
}

TEST_F(Schedule, DamagedFilesKeepWhatTheyCanTell) {
    const std::vector<Card> good{{2, 5, 7, false}, {1, 6, 7, true}, {5, 1, 15, false}, {0, 0, 0, false}};
    std::vector<Card> badRecord = good;
    badRecord[1].box = 9;
    std::vector<Card> longWait = good;
    longWait[0].due = 40;  // box 2 waits 2 days, not 35
    const std::vector<uint8_t> whole = FileBytes(1, good, {5, 6});
    std::vector<uint8_t> otherMagic = whole;
    otherMagic[0] = 'Y';
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::vector<int> boxes;
    };
    const Case cases[] = {
        {"whole", whole, {2, 1, 5, 0}},
        {"cut inside card 2", std::vector<uint8_t>(whole.begin(), whole.begin() + 16 + 25), {2, 1, 0, 0}},
        {"cut header", std::vector<uint8_t>(whole.begin(), whole.begin() + 10), {0, 0, 0, 0}},
        {"other magic", otherMagic, {0, 0, 0, 0}},
        {"bad record", FileBytes(1, badRecord, {}), {2, 0, 5, 0}},
        {"wait too long", FileBytes(1, longWait, {}), {0, 1, 5, 0}},
        {"future version", FileBytes(2, good, {}), {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        ForgetRecord();
        On(6);
        StartWithOldFile("0-4_box.dat", c.bytes);
        for (int e = 0; e < 4; ++e)
            EXPECT_EQ(CardAt(context, learner, 0, e).box, c.boxes[static_cast<size_t>(e)]) << c.what;
        EXPECT_EQ(folder.Read("data/migrated/0-4_box.dat"), c.bytes) << "moved aside whole, never rewritten";
        RecordAnswer(context, learner, 0, 3, true);
        Restart();
        for (int e = 0; e < 3; ++e)
            EXPECT_EQ(CardAt(context, learner, 0, e).box, c.boxes[static_cast<size_t>(e)]) << c.what;
        EXPECT_EQ(CardAt(context, learner, 0, 3).box, 1) << c.what;
    }
}

TEST_F(Schedule, SaveReplaysThisRunOntoWhatTheRecordHoldsAndKeepsWhatFailed) {
    RecordAnswer(context, learner, 0, 0, false);
    // Another game saves meanwhile (carried over here from its old file); a failed save keeps this
    // run's answer for the next one.
    StartWithOldFile("0-4_box.dat",
                     FileBytes(1, {{0, 0, 0, false}, {5, kDay0 - 3, kDay0 + 11, false}}, {kDay0 - 3}));
    record_testing::InstallFaultLayer();
    record::StopRecord();  // the next connection goes through the fault layer
    record_testing::FailStep(record_testing::Fault::DiskFull, 0);
    EXPECT_FALSE(SaveSchedules(learner));
    record_testing::FailStep(record_testing::Fault::None, -1);
    record::StopRecord();
    record_testing::RemoveFaultLayer();
    ASSERT_TRUE(SaveSchedules(learner));
    Restart();
    ExpectCard(0, 0, 1, 0, 1, "this run's answer");
    ExpectCard(0, 1, 5, -3, 11, "the other game's");
    EXPECT_EQ(CurrentProgress(context, learner).streakDays, 1);
    EXPECT_TRUE(CurrentProgress(context, learner).practised[10]);
    // Saved once: a later save with no new answer replays nothing.
    const std::string kept = RecordReader(folder.Path("data/progress.sqlite")).Dump();
    EXPECT_TRUE(SaveSchedules(learner));
    EXPECT_EQ(RecordReader(folder.Path("data/progress.sqlite")).Dump(), kept);
}

TEST_F(Schedule, ClockThatMisbehavesLosesNoBoxAndDueNoTwiceADay) {
    struct Answer {
        int32_t day;
        bool right;
    };
    const std::vector<std::vector<Answer>> runs = {
        {{0, true}, {1, true}, {366, true}, {2, true}, {3, true}, {9, true}},  // a year ahead and back
        {{10, true}, {9, true}, {9, false}, {8, true}, {12, true}},            // set back day by day
        {{0, true}, {0, true}, {1, true}, {1, true}, {3, true}},               // 25-hour days: one day
    };
    for (size_t r = 0; r < runs.size(); ++r) {
        ForgetRecord();
        int boxBefore = kNewBox;
        for (const Answer& answer : runs[r]) {
            const std::string when = "run " + std::to_string(r) + " day " + std::to_string(answer.day);
            On(answer.day);
            const int32_t today = kDay0 + answer.day;
            const CardSchedule before = CardAt(context, learner, 0, 0);
            if (before.box != kNewBox) {
                EXPECT_LE(EffectiveDueDay(before, today) - today, kBoxWaitDays[before.box]) << when;
            }
            const bool wasDue = before.box != kNewBox && EffectiveDueDay(before, today) <= today;
            RecordAnswer(context, learner, 0, 0, answer.right);
            Restart();
            const CardSchedule after = CardAt(context, learner, 0, 0);
            EXPECT_EQ(after.lastDay, today) << when;
            EXPECT_EQ(DueCountToday(context, learner), 0) << when;  // answered today: not due again today
            if (answer.right) {
                EXPECT_EQ(after.box, wasDue ? std::min(boxBefore + 1, kTopBox) : std::max(boxBefore, 1))
                    << when;
            }
            boxBefore = after.box;
        }
    }
}

TEST_F(Schedule, ReviewTakesThirtyMissedFirstThenOldest) {
    std::vector<Card> cards;
    for (int i = 0; i < 200; ++i) cards.push_back({1, -i - 1, -i, i == 150});
    for (Card& card : cards) card.last += kDay0, card.due += kDay0;
    StartWithOldFile("16-216_box.dat", FileBytes(1, cards, {}));
    EXPECT_EQ(DueCountToday(context, learner), 200);
    EXPECT_EQ(DueCountText(DueCountToday(context, learner)), "99+");
    EXPECT_EQ(DueCountText(99), "99");
    for (int expectedFirst : {150, 170}) {
        const std::vector<CardRef> chosen = ChooseReviewCards(context, learner);
        ASSERT_EQ(chosen.size(), 30u);
        EXPECT_EQ(chosen[0], (CardRef{3, expectedFirst}));
        EXPECT_EQ(chosen[1], (CardRef{3, expectedFirst == 150 ? 199 : 169}));
        for (const CardRef& card : chosen) RecordAnswer(context, learner, card.topicIndex, card.entry, true);
    }
    EXPECT_EQ(DueCountToday(context, learner), 140);
}

TEST_F(Schedule, ProgressFiguresOfAKnownSchedule) {
    EXPECT_FALSE(CurrentProgress(context, learner).anyAnswered);
    const int32_t t = 20;  // today, from kDay0
    auto day = [](int32_t d) { return kDay0 + d; };
    folder.Write("data/0-4_box.dat", FileBytes(1,
                                               {{0, 0, 0, false},
                                                {1, day(t - 1), day(t), false},
                                                {3, day(t - 2), day(t + 2), false},
                                                {7, day(t - 10), day(t + 50), false}},
                                               {day(t - 5), day(t - 2), day(t - 1), day(t)}));
    folder.Write("data/4-8_box.dat", FileBytes(1,
                                               {{2, day(t - 3), day(t - 1), true},
                                                {4, day(t - 1), day(t + 6), false},
                                                {4, day(t - 2), day(t + 5), false}},
                                               {day(t - 14), day(t - 13), day(t - 3)}));
    StartWithOldFile("8-16_box.dat", FileBytes(1, {{1, day(t - 1), day(t), false}}, {day(t - 20)}));
    On(t);
    const ProgressFigures figures = CurrentProgress(context, learner);
    EXPECT_TRUE(figures.anyAnswered);
    const int expectedBars[4][4] = {{1, 1, 1, 1}, {1, 1, 2, 0}, {7, 1, 0, 0}, {200, 0, 0, 0}};
    ASSERT_EQ(figures.topics.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const TopicProgress& row = figures.topics[static_cast<size_t>(i)];
        EXPECT_EQ((std::vector<int>{row.newCards, row.boxes1to2, row.boxes3to4, row.boxes5to7}),
                  (std::vector<int>(expectedBars[i], expectedBars[i] + 4)))
            << "row " << i;
    }
    const std::array<bool, 14> practised{true,  false, false, false, false, false, false,
                                         false, true,  false, true,  true,  true,  true};
    EXPECT_EQ(figures.practised, practised);
    EXPECT_EQ(figures.streakDays, 4);
    EXPECT_EQ(figures.dueOnDay, (std::array<int, 7>{2, 0, 1, 0, 0, 1, 1}));  // the locked row left out
    On(t + 1);
    EXPECT_EQ(CurrentProgress(context, learner).streakDays, 4);  // today not practised yet
    On(t + 2);
    EXPECT_EQ(CurrentProgress(context, learner).streakDays, 0);
}

TEST(CalendarDay, DayNumbersFollowTheCalendar) {
    EXPECT_EQ(platform::DayNumberOfDate(1970, 1, 1), 0);
    EXPECT_EQ(platform::DayNumberOfDate(2024, 10, 4), kDay0);
    EXPECT_EQ(platform::DayNumberOfDate(2024, 3, 1) - platform::DayNumberOfDate(2024, 2, 28), 2);
    EXPECT_EQ(platform::DayNumberOfDate(2023, 3, 1) - platform::DayNumberOfDate(2023, 2, 28), 1);
    EXPECT_EQ(platform::DayNumberOfDate(2000, 3, 1) - platform::DayNumberOfDate(2000, 2, 28), 2);
    EXPECT_EQ(platform::DayNumberOfDate(2100, 3, 1) - platform::DayNumberOfDate(2100, 2, 28), 1);
}

}  // namespace
