// The review and the progress picture through the headless window, on days the test chooses: the
// main menu's review line, a review run's order, judging, counts and schedule, its result screen,
// and the progress picture's figures for a known schedule.
#include <SDL_keycode.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/ListImports.h"
#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "formats/OwnTopicCountsFile.h"
#include "game/UiStrings.h"
#include "learning/LearningRun.h"
#include "learning/ReviewSchedule.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "platform/CalendarDay.h"
#include "screens/MainMenu.h"
#include "tests/GameHarness.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace {

const int32_t kFirstDay = platform::DayNumberOfDate(2026, 3, 2);

class ReviewTest : public GameTest {
protected:
    void PrepareFolder() override { platform::SetToday(kFirstDay); }

    // A later day: the game starts again and reads the schedule from its files.
    void StartOnDay(int32_t day) {
        ForgetSchedules();
        platform::SetToday(day);
        RestartGame();
        LoadToUserName();
        EnterName(u"ana");
    }

    std::string ReadBytes(const std::string& name) const {
        std::ifstream in(folder + "data/" + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // A count of the first topic (small: its low byte is the value).
    int CountOf(int entry) const { return ReadBytes("0-30_rep.dat").at(4 * entry); }

    GLObjectTextList* List(const std::string& key) { return dynamic_cast<GLObjectTextList*>(Object(key)); }
    std::string ReviewLine() { return Utf8(List("main menu")->lines[LineOf(MenuLine::Review)]->GetText()); }
    // The text as the font stores it, for comparing with what a text object shows.
    static std::string Shown(const std::u16string& text) {
        return Utf8(GLObjectText("probe", text, 0, 0, 0).GetText());
    }

    void Answer(const std::u16string& typed) {
        ASSERT_FALSE(currentRun.test.answerEvaluated);
        Type(typed);
        Key(13);
        ASSERT_TRUE(currentRun.test.answerEvaluated);
    }
    void NextQuestion() {
        RunUntil([] { return !currentRun.test.answerEvaluated; }, 200);
        RunTicks(1);
    }

    // Every object of the scene under a key that many objects share, in the order built.
    std::vector<GLObject*> AllOf(const std::string& key) {
        std::vector<GLObject*> found;
        for (GLObject* object : scene->objects) {
            if (object->name == key) found.push_back(object);
        }
        return found;
    }
};

// The cases the game below does not reach: more than 99 due, the next card days away.
TEST(ReviewLine, SaysWhatIsDueOrWhenTheNextIs) {
    const UiStrings texts = InterfaceTexts();
    EXPECT_EQ(ReviewLineText(texts, 100, 0), u"review 99+");
    EXPECT_EQ(ReviewLineText(texts, 99, 0), u"review 99");
    EXPECT_EQ(ReviewLineText(texts, 0, 2), u"review: next in 2 days");
}

// A test on the first day answers one word right and one wrong; the next day's review asks the
// missed one first, takes a wrong and a right answer, and saves counts and schedule as a test would.
TEST_F(ReviewTest, NextDaysReviewAsksTheMissedCardFirstAndUpdatesCountsAndSchedule) {
    LoadToUserName();
    EnterName(u"ana");
    EXPECT_EQ(ReviewLine(), "review: nothing due");
    StartTestOf(0);
    const int known = static_cast<int>(currentRun.words.currentWord);
    const WordEntry knownEntry = currentRun.words.entries[known];
    Answer(CurrentAnswer());
    NextQuestion();
    const int missed = static_cast<int>(currentRun.words.currentWord);
    const WordEntry missedEntry = currentRun.words.entries[missed];
    Answer(u"zzz");
    NextQuestion();
    WaitUntilStill("przerwij");
    ClickObject("przerwij");
    RunUntilScreen(ScreenId::GameOver);
    const std::string hallOfFame = ReadBytes("hof.hof");
    EXPECT_EQ(CountOf(known), 0);
    EXPECT_EQ(CountOf(missed), 2);

    // Nothing is due the same day: the line says when, and choosing it goes nowhere.
    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    RunUntilScreen(ScreenId::Info);
    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    RunUntilScreen(ScreenId::MainMenu);
    EXPECT_EQ(ReviewLine(), "review: next tomorrow");
    ChooseMenuLine(LineOf(MenuLine::Review));
    RunTicks(100);
    EXPECT_EQ(Screen(), ScreenId::MainMenu);
    EXPECT_FALSE(app->transitionLock);

    StartOnDay(kFirstDay + 1);
    EXPECT_EQ(ReviewLine(), "review 2");
    ChooseMenuLine(LineOf(MenuLine::Review));
    RunUntilScreen(ScreenId::Test);
    EXPECT_EQ(currentRun.test.mode, RunMode::Review);
    EXPECT_EQ(currentRun.test.testLength, 2);
    EXPECT_FALSE(Object("wynik")->visible) << "a review keeps no score";
    EXPECT_FALSE(Object("do zaliczenia")->visible) << "a review cannot pass";
    EXPECT_TRUE(Object("pozostalo")->visible);
    EXPECT_EQ(TextOf("txt 1"), Shown(missedEntry.prompt)) << "last run's miss first";
    Answer(u"zzz");
    EXPECT_TRUE(Object("zle")->visible);
    NextQuestion();
    EXPECT_EQ(TextOf("txt 1"), Shown(knownEntry.prompt));
    EXPECT_EQ(TextOf("czas"), "14") << "the test's countdown";
    Answer(knownEntry.answer);
    RunUntilScreen(ScreenId::ReviewResult);
    // Its topic's counts were saved from a list of their own: the run's is still its two cards.
    ASSERT_EQ(currentRun.words.entries.size(), 2u);
    EXPECT_EQ(currentRun.words.entries[0].prompt, missedEntry.prompt);
    EXPECT_EQ(currentRun.reviewCards.size(), 2u);

    EXPECT_EQ(TextOf("review_info"), "Review done");
    EXPECT_EQ(TextOf("wynik koncowy"), "correct: 1 of 2");
    auto* practise = List("words to practise");
    ASSERT_EQ(practise->lines.size(), 1u);
    EXPECT_EQ(Utf8(practise->lines[0]->GetText()), Shown(missedEntry.prompt + u" - " + missedEntry.answer));
    // The counts moved as the same answers in a test would move them; no hall-of-fame entry.
    EXPECT_EQ(CountOf(missed), 3);
    EXPECT_EQ(CountOf(known), 0);
    EXPECT_EQ(ReadBytes("hof.hof"), hallOfFame);
    const CardSchedule missedCard = CardAt(0, missed), knownCard = CardAt(0, known);
    EXPECT_EQ(missedCard.box, 1);
    EXPECT_EQ(missedCard.dueDay, kFirstDay + 2);
    EXPECT_EQ(knownCard.box, 2);
    EXPECT_EQ(knownCard.dueDay, kFirstDay + 1 + kBoxWaitDays[2]);

    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    RunUntilScreen(ScreenId::MainMenu);
    EXPECT_EQ(ReviewLine(), "review: next tomorrow");
}

// How a review ends, as the player sees it: broken off after one wrong answer it says "review
// stopped" with the one answer counted; a full one whose last answer is wrong shows the right
// answer as every wrong answer does, drifting away readable until the result screen, then says
// "Review done".
TEST_F(ReviewTest, AReviewSaysHowItEndedAndItsLastWrongAnswerShowsTheRightOne) {
    LoadToUserName();
    EnterName(u"ana");
    StartTestOf(0);
    for (int miss = 0; miss < 2; ++miss) {
        Answer(u"zzz");
        NextQuestion();
    }
    WaitUntilStill("przerwij");
    ClickObject("przerwij");
    RunUntilScreen(ScreenId::GameOver);

    StartOnDay(kFirstDay + 1);
    ChooseMenuLine(LineOf(MenuLine::Review));
    RunUntilScreen(ScreenId::Test);
    ASSERT_EQ(currentRun.test.testLength, 2);
    Answer(u"zzz");
    NextQuestion();
    WaitUntilStill("przerwij");
    ClickObject("przerwij");
    RunUntilScreen(ScreenId::ReviewResult);
    EXPECT_EQ(TextOf("review_info"), "review stopped");
    EXPECT_EQ(TextOf("wynik koncowy"), "correct: 0 of 1");

    StartOnDay(kFirstDay + 2);
    ChooseMenuLine(LineOf(MenuLine::Review));
    RunUntilScreen(ScreenId::Test);
    ASSERT_EQ(currentRun.test.testLength, 2);
    Answer(CurrentAnswer());
    NextQuestion();
    const std::u16string lastAnswer = CurrentAnswer();
    Answer(u"zzz");
    // As after any wrong answer, it fades over two seconds (a quick leave was gone in 45 ticks).
    const GLObject* field = Object("txt 2");
    for (int tick = 0; tick < 80; ++tick) {
        RunTicks(1);
        ASSERT_EQ(Screen(), ScreenId::Test) << tick;
        ASSERT_TRUE(field->visible) << tick;
        ASSERT_EQ(TextOf("txt 2"), Shown(lastAnswer)) << tick;
        ASSERT_GT(field->colour[3], 0.3) << "readable at tick " << tick;
    }
    RunUntilScreen(ScreenId::ReviewResult);
    EXPECT_EQ(TextOf("review_info"), "Review done");
    EXPECT_EQ(TextOf("wynik koncowy"), "correct: 1 of 2");
}

// Five right answers and one miss on the first day, three of them right again the next; on the
// third day (nothing answered yet) the picture shows the figures those answers give.
TEST_F(ReviewTest, ProgressShowsBoxGroupsPractisedDaysAndTheDaysAhead) {
    LoadToUserName();
    EnterName(u"ana");
    WaitUntilStill("main menu");
    platform::headless::PressKey(SDLK_F3);
    RunUntilScreen(ScreenId::Progress);
    const std::vector<GLObject*> emptyBars = AllOf("progress boxes");
    ASSERT_GE(emptyBars.size(), 4u * 12);
    EXPECT_TRUE(Object("progress hint")->visible) << "with no schedule, how to start";
    {
        // Where the player sees it: hiding it changes a whole line's worth of pixels (about 580
        // in this window), not the few dots (about 50) that peeked over the floor.
        WaitUntilStill("progress hint");
        RunDrawnTick();
        const std::vector<unsigned char> shown = WindowPicture();
        Object("progress hint")->visible = false;
        RunDrawnTick();
        const std::vector<unsigned char> hidden = WindowPicture();
        Object("progress hint")->visible = true;
        ASSERT_EQ(shown.size(), hidden.size());
        size_t changed = 0;
        for (size_t i = 0; i < shown.size(); i += 3)
            changed += !std::equal(shown.begin() + i, shown.begin() + i + 3, hidden.begin() + i);
        EXPECT_GT(changed, 300u);
    }
    EXPECT_TRUE(emptyBars[0]->visible && !emptyBars[1]->visible) << "every card new";
    EXPECT_EQ(TextOf("progress streak"), "streak: 0 days");
    platform::headless::PressKey(SDLK_ESCAPE);
    RunUntilScreen(ScreenId::MainMenu);

    for (int entry = 0; entry < 6; ++entry) RecordAnswer(0, entry, entry != 5);
    ASSERT_TRUE(SaveSchedules());
    platform::SetToday(kFirstDay + 1);
    for (int entry : {0, 1, 5}) RecordAnswer(0, entry, true);
    ASSERT_TRUE(SaveSchedules());
    StartOnDay(kFirstDay + 2);

    EXPECT_EQ(ReviewLine(), "review 3");
    ChooseMenuLine(LineOf(MenuLine::Progress));
    RunUntilScreen(ScreenId::Progress);
    WaitUntilStill("arrowprev");
    EXPECT_FALSE(Object("progress hint")->visible);
    // The first topic's bar: 24 new cards, 6 in boxes 1-2, none higher; the second topic all new.
    const std::vector<GLObject*> bars = AllOf("progress boxes");
    const double barLength = bars[0]->size[0] + bars[1]->size[0];
    const int expected[2][4] = {{24, 6, 0, 0}, {30, 0, 0, 0}};
    for (int topic = 0; topic < 2; ++topic) {
        for (int group = 0; group < 4; ++group) {
            const GLObject* bar = bars[4 * topic + group];
            SCOPED_TRACE(testing::Message() << "topic " << topic << " group " << group);
            EXPECT_EQ(bar->visible, expected[topic][group] > 0);
            EXPECT_NEAR(bar->size[0] / barLength * 30, expected[topic][group], 1e-9);
        }
    }
    // The first two days practised, today not yet: a streak of two, ending yesterday.
    const std::vector<GLObject*> days = AllOf("progress day");
    ASSERT_EQ(days.size(), 14u);
    for (int day = 0; day < 14; ++day) EXPECT_EQ(!days[day]->wireframe, day == 11 || day == 12) << day;
    EXPECT_EQ(TextOf("progress streak"), "streak: 2 days");
    // Entries 2-4 were due yesterday (overdue counts as today); 0, 1 and 5 went to box 2
    // yesterday and fall due tomorrow.
    const std::vector<GLObject*> counts = AllOf("progress due count");
    ASSERT_EQ(counts.size(), 7u);
    const char* const expectedDue[7] = {"3", "3", "0", "0", "0", "0", "0"};
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(Utf8(static_cast<GLObjectText*>(counts[day])->GetText()), expectedDue[day]) << day;

    WaitUntilStill("arrowprev");
    ClickObject("arrowprev");
    RunUntilScreen(ScreenId::MainMenu);
}

// An own list's cards join the review: drawn from its own file, judged by the own list's rules
// (any one alternative is right) and counted in the list's own counts file.
class OwnListReviewTest : public ReviewTest {
protected:
    void PrepareFolder() override {
        ReviewTest::PrepareFolder();
        const std::string list = folder + "incoming/cars.csv";
        std::filesystem::create_directories(folder + "incoming");
        std::ofstream(list, std::ios::binary) << "car;coche / auto\nhouse;casa\n";
        commandLineLists.push_back(list);
    }

    static int OwnRow() {
        for (int row = 0; row < app->topicCount; ++row) {
            if (app->topics[row].ownTopic >= 0) return row;
        }
        return -1;
    }

    int OwnCount(const std::u16string& prompt) const {
        const std::string bytes = ReadBytes("lists/cars.csv.1.counts");
        for (const OwnCardCount& card :
             ParseOwnTopicCounts(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())) {
            if (card.prompt == prompt) return card.count;
        }
        return -1;
    }
};

TEST_F(OwnListReviewTest, OwnCardsAreReviewedByTheirListsRulesAndCountedInItsFile) {
    LoadToUserName();
    EnterName(u"ana");
    RunUntil([] { return OwnRow() >= 0; }, 400);
    const int row = OwnRow();
    ASSERT_GE(row, 0);
    RecordAnswer(row, 0, false);  // "car" missed, "house" right
    RecordAnswer(row, 1, true);
    ASSERT_TRUE(SaveSchedules());

    StartOnDay(kFirstDay + 1);
    EXPECT_EQ(ReviewLine(), "review 2");
    ChooseMenuLine(LineOf(MenuLine::Review));
    RunUntilScreen(ScreenId::Test);
    EXPECT_EQ(TextOf("txt 1"), Shown(u"car")) << "last run's miss first";
    Answer(u"auto");  // one alternative of the own list's answer
    EXPECT_EQ(currentRun.test.correctCount, 1);
    NextQuestion();
    EXPECT_EQ(TextOf("txt 1"), Shown(u"house"));
    Answer(u"zzz");
    RunUntilScreen(ScreenId::ReviewResult);

    EXPECT_LT(OwnCount(u"car"), OwnCount(u"house")) << "right lowers a count, wrong raises it";
    EXPECT_EQ(CardAt(row, 0).box, 2);
    EXPECT_EQ(CardAt(row, 1).box, 1);
    EXPECT_EQ(CardAt(row, 1).dueDay, kFirstDay + 2);
    EXPECT_FALSE(ReadBytes("lists/cars.csv.1.counts_box.dat").empty()) << "the list's schedule file";
}

}  // namespace
