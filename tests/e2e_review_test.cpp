// The review and the progress picture through the headless window, on days the test chooses: the
// main menu's review line, a review run's order, judging, counts and schedule, its result screen,
// and the progress picture's figures for a known schedule.
#include <SDL_keycode.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/ListImports.h"
#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/ScreenRect.h"
#include "game/texts/UiStrings.h"
#include "learning/LearningRun.h"
#include "learning/ReviewSchedule.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "platform/CalendarDay.h"
#include "screens/MainMenu.h"
#include "tests/GameHarness.h"
#include "tests/RecordReader.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace {

const int32_t kFirstDay = platform::DayNumberOfDate(2026, 3, 2);

class ReviewTest : public GameTest {
protected:
    void PrepareFolder() override { platform::SetToday(kFirstDay); }

    // A later day: the game starts again and reads the schedule from its files.
    void StartOnDay(int32_t day) {
        ForgetSchedules(TheLearner());
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
        ASSERT_FALSE(Run().test.answerEvaluated);
        Type(typed);
        Key(13);
        ASSERT_TRUE(Run().test.answerEvaluated);
    }
    void NextQuestion() {
        RunUntil([&] { return !Run().test.answerEvaluated; }, 200);
        RunTicks(1);
    }

    // Every object of the scene under a key that many objects share, in the order built.
    std::vector<GLObject*> AllOf(const std::string& key) {
        std::vector<GLObject*> found;
        for (GLObject* object : Scene().objects) {
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
    const int known = static_cast<int>(Run().words.currentWord);
    const WordEntry knownEntry = Run().words.entries[known];
    Answer(CurrentAnswer(Run().words));
    NextQuestion();
    const int missed = static_cast<int>(Run().words.currentWord);
    const WordEntry missedEntry = Run().words.entries[missed];
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
    EXPECT_FALSE(App().transitionLock);

    StartOnDay(kFirstDay + 1);
    EXPECT_EQ(ReviewLine(), "review 2");
    ChooseMenuLine(LineOf(MenuLine::Review));
    RunUntilScreen(ScreenId::Test);
    EXPECT_EQ(Run().test.mode, RunMode::Review);
    EXPECT_EQ(Run().test.testLength, 2);
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
    ASSERT_EQ(Run().words.entries.size(), 2u);
    EXPECT_EQ(Run().words.entries[0].prompt, missedEntry.prompt);
    EXPECT_EQ(Run().reviewCards.size(), 2u);

    EXPECT_EQ(TextOf("review_info"), "Review done");
    EXPECT_EQ(TextOf("wynik koncowy"), "correct: 1 of 2");
    auto* practise = List("words to practise");
    ASSERT_EQ(practise->lines.size(), 1u);
    EXPECT_EQ(Utf8(practise->lines[0]->GetText()), Shown(missedEntry.prompt + u" - " + missedEntry.answer));
    // The counts moved as the same answers in a test would move them; no hall-of-fame entry.
    EXPECT_EQ(CountOf(missed), 3);
    EXPECT_EQ(CountOf(known), 0);
    EXPECT_EQ(ReadBytes("hof.hof"), hallOfFame);
    const CardSchedule missedCard = CardAt(App(), TheLearner(), 0, missed),
                       knownCard = CardAt(App(), TheLearner(), 0, known);
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
    ASSERT_EQ(Run().test.testLength, 2);
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
    ASSERT_EQ(Run().test.testLength, 2);
    Answer(CurrentAnswer(Run().words));
    NextQuestion();
    const std::u16string lastAnswer = CurrentAnswer(Run().words);
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
    ASSERT_EQ(emptyBars.size(), 4u * 10)
        << "ten topics' bars at once; the list of names scrolls over the rest";
    EXPECT_EQ(dynamic_cast<GLObjectTextList*>(Object("progress topics"))->lines.size(), 12u)
        << "every topic named";
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

    for (int entry = 0; entry < 6; ++entry) RecordAnswer(App(), TheLearner(), 0, entry, entry != 5);
    ASSERT_TRUE(SaveSchedules(TheLearner()));
    platform::SetToday(kFirstDay + 1);
    for (int entry : {0, 1, 5}) RecordAnswer(App(), TheLearner(), 0, entry, true);
    ASSERT_TRUE(SaveSchedules(TheLearner()));
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

// More topics than the picture shows at once, one of them a list with a title longer than the
// names' column: where the player sees them, the arrows stand between the names and the bars,
// level with the first and the last shown name, the long name is cut before them, and a click on a
// name's letters selects it.
class ProgressLayoutTest : public ReviewTest {
protected:
    void PrepareFolder() override {
        ReviewTest::PrepareFolder();
        const std::string list = folder + "incoming/trip.csv";
        std::filesystem::create_directories(folder + "incoming");
        std::ofstream(list, std::ios::binary) << "#deck:" << kLongTitle << "\ncar;coche\nhouse;casa\n";
        commandLineLists.push_back(list);  // as main() passes its arguments
    }

    // The box of the window pixels (GL's, rows bottom up) that change while `show(false)` hides
    // a part; the part is shown again afterwards.
    ScreenRect PixelsOf(const std::function<void(bool)>& show) {
        RunDrawnTick();
        const std::vector<unsigned char> shown = WindowPicture();
        show(false);
        RunDrawnTick();
        const std::vector<unsigned char> hidden = WindowPicture();
        show(true);
        ScreenRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int y = 0; y < Scene().height; ++y) {
            for (int x = 0; x < Scene().width; ++x) {
                const size_t at = 3 * (static_cast<size_t>(y) * Scene().width + x);
                if (std::equal(shown.begin() + at, shown.begin() + at + 3, hidden.begin() + at)) continue;
                box = ScreenRect{std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1),
                                 std::max(box.y1, y + 1)};
            }
        }
        EXPECT_FALSE(box.Empty()) << "the part shows no pixel";
        return box;
    }

    static void ShowAlpha(GLObject* object, bool show, double alpha) { object->colour[3] = show ? alpha : 0; }

    static constexpr char kLongTitle[] =
        "Spanish words for a long journey through the mountains of the north";
};

TEST_F(ProgressLayoutTest, ArrowsStandBesideTheNamesAndNothingOverlaps) {
    LoadToUserName();
    EnterName(u"ana");
    platform::headless::PressKey(SDLK_F3);
    RunUntilScreen(ScreenId::Progress);
    auto* names = List("progress topics");
    ASSERT_EQ(names->lines.size(), 13u) << "the designed topics and the list";
    // Down to the list's name, the last line.
    while (names->selected < 12) {
        WaitUntilStill(names);
        platform::headless::PressKey(SDLK_DOWN);
        RunTicks(1);
    }
    WaitUntilStill(names);
    WaitUntilStill("arrowprev");
    ASSERT_EQ(names->firstVisible, 3);
    const std::string shownTitle = Utf8(names->lines[12]->GetText());
    ASSERT_GT(shownTitle.size(), 3u);
    EXPECT_EQ(shownTitle.substr(shownTitle.size() - 3), "...");
    EXPECT_EQ(std::string(kLongTitle).rfind(shownTitle.substr(0, shownTitle.size() - 3), 0), 0u)
        << shownTitle;

    // The selected name spins; held still, only the part hidden changes the picture.
    GLObjectText* spinning = names->lines[12];
    spinning->StartSpin(100000, 0, 0, 0);
    for (int axis = 0; axis < 3; ++axis) spinning->rotation[axis] = 0;

    GLObject* up = ChildOf("progress topics", "arrowup");
    GLObject* down = ChildOf("progress topics", "arrowdown");
    const double arrowAlpha = up->colour[3];
    const ScreenRect upBox = PixelsOf([&](bool show) { ShowAlpha(up, show, arrowAlpha); });
    const ScreenRect downBox = PixelsOf([&](bool show) { ShowAlpha(down, show, arrowAlpha); });
    auto lineShown = [&](int line) {
        return [this, names, line](bool show) { ShowAlpha(names->lines[line], show, 1.0); };
    };
    const ScreenRect firstName = PixelsOf(lineShown(3));
    const ScreenRect lastName = PixelsOf(lineShown(12));
    const ScreenRect allNames = PixelsOf([&](bool show) {
        for (int line = 3; line < 13; ++line) lineShown(line)(show);
    });
    const std::vector<GLObject*> bars = AllOf("progress boxes");
    std::vector<bool> barShown;
    for (GLObject* bar : bars) barShown.push_back(bar->visible);
    const ScreenRect allBars = PixelsOf([&](bool show) {
        for (size_t i = 0; i < bars.size(); ++i) bars[i]->visible = show && barShown[i];
    });

    for (const ScreenRect* arrow : {&upBox, &downBox}) {
        EXPECT_LE(allNames.x1, arrow->x0) << "the names end before the arrows";
        EXPECT_LE(arrow->x1, allBars.x0) << "the arrows end before the bars";
    }
    EXPECT_FALSE(upBox.Overlaps(downBox));
    // Level with the first and the last shown name (rows bottom up).
    EXPECT_TRUE(upBox.y0 < firstName.y1 && firstName.y0 < upBox.y1);
    EXPECT_TRUE(downBox.y0 < lastName.y1 && lastName.y0 < downBox.y1);
    EXPECT_LE(allNames.x1, allBars.x0) << "no name reaches into the bars";

    // A click in the middle of a name's letters selects that name.
    ClickAt((firstName.x0 + firstName.x1) / 2, Scene().height - (firstName.y0 + firstName.y1) / 2);
    RunTicks(1);
    EXPECT_EQ(names->selected, 3);
}

// An own list's cards join the review: drawn from its own file, judged by the own list's rules
// (any one alternative is right) and counted in the learner's record.
class OwnListReviewTest : public ReviewTest {
protected:
    void PrepareFolder() override {
        ReviewTest::PrepareFolder();
        const std::string list = folder + "incoming/cars.csv";
        std::filesystem::create_directories(folder + "incoming");
        std::ofstream(list, std::ios::binary) << "car;coche / auto\nhouse;casa\n";
        commandLineLists.push_back(list);
    }

    int OwnRow() {
        for (int row = 0; row < App().topicCount; ++row) {
            if (App().topics[row].ownTopic >= 0) return row;
        }
        return -1;
    }

    // The card's count as the learner's record keeps it; -1 for none.
    int OwnCount(const std::string& prompt) const {
        for (const std::string& card : RecordReader(folder + "data/progress.sqlite").Counts("cars.csv")) {
            if (card.rfind(prompt + "|", 0) == 0) return std::stoi(card.substr(card.find_last_of('|') + 1));
        }
        return -1;
    }
};

TEST_F(OwnListReviewTest, OwnCardsAreReviewedByTheirListsRulesAndCountedInTheRecord) {
    LoadToUserName();
    EnterName(u"ana");
    RunUntil([&] { return OwnRow() >= 0; }, 400);
    const int row = OwnRow();
    ASSERT_GE(row, 0);
    RecordAnswer(App(), TheLearner(), row, 0, false);  // "car" missed, "house" right
    RecordAnswer(App(), TheLearner(), row, 1, true);
    ASSERT_TRUE(SaveSchedules(TheLearner()));

    StartOnDay(kFirstDay + 1);
    EXPECT_EQ(ReviewLine(), "review 2");
    ChooseMenuLine(LineOf(MenuLine::Review));
    RunUntilScreen(ScreenId::Test);
    EXPECT_EQ(TextOf("txt 1"), Shown(u"car")) << "last run's miss first";
    Answer(u"auto");  // one alternative of the own list's answer
    EXPECT_EQ(Run().test.correctCount, 1);
    NextQuestion();
    EXPECT_EQ(TextOf("txt 1"), Shown(u"house"));
    Answer(u"zzz");
    RunUntilScreen(ScreenId::ReviewResult);

    EXPECT_LT(OwnCount("car"), OwnCount("house")) << "right lowers a count, wrong raises it";
    EXPECT_EQ(CardAt(App(), TheLearner(), row, 0).box, 2);
    EXPECT_EQ(CardAt(App(), TheLearner(), row, 1).box, 1);
    EXPECT_EQ(CardAt(App(), TheLearner(), row, 1).dueDay, kFirstDay + 2);
    EXPECT_EQ(
        RecordReader(folder + "data/progress.sqlite")
            .Rows("SELECT count(*), sum(kind = 'review') FROM answers a JOIN cards c ON c.id = a.card_id "
                  "JOIN lists l ON l.id = c.list_id WHERE l.file = 'cars.csv'"),
        std::vector<std::string>{"4|2"})
        << "every answer kept, the review's as such";
}

}  // namespace
