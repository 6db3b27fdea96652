// Every topic practised both ways: a German deck without a header turned on the topics screen by
// Tab and played in reverse by keys (the English word shown, the German one typed and heard in
// German), its counts kept per direction in the record and its choice remembered at the next start;
// and one table over what the direction changes for a designed and an own topic.
#include <SDL2/SDL_keycode.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "game/names/ObjectKeys.h"
#include "learning/LearningRun.h"
#include "learning/OwnTopicCounts.h"
#include "learning/OwnTopics.h"
#include "learning/RepetitionStore.h"
#include "learning/SpokenWord.h"
#include "learning/TestRun.h"
#include "learning/TopicDirection.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "tests/GameHarness.h"
#include "tests/GermanDeckGame.h"
#include "tests/RecordReader.h"
#include "tests/hooks/FakeSpeechService.h"
#include "tests/hooks/Headless.h"

namespace {

using record::Direction;

class BothWaysGame : public GermanDeckGame {
protected:
    void StartWithDeck() {
        LoadToUserName();
        EnterName(u"ana");
        platform::headless::DropFile(folder + "incoming/deck.txt");
        RunTicks(1);
        ASSERT_EQ(App().topicCount, kDesignedTopics + 1);
    }

    // Up or Down once the list stands, so each press moves it.
    void PressStill(int32_t sdlKey, const std::string& listKey) {
        WaitUntilStill(listKey);
        RunTicks(30);
        platform::headless::PressKey(sdlKey);
        RunTicks(1);
    }
};

TEST_F(BothWaysGame, AGermanDeckPlayedInReverseByKeysKeepsEachDirectionsCountsAndIsHeardInGerman) {
    StartWithDeck();
    // Main menu: "test", then the deck's topic, turned by Tab.
    PressStill(SDLK_DOWN, "main menu");
    platform::headless::PressKey(SDLK_RETURN);
    RunUntilScreen(ScreenId::Topics);
    for (int row = 0; row < kDesignedTopics; ++row) PressStill(SDLK_DOWN, "main menu 2");
    WaitUntilStill("main menu 2");
    RunTicks(30);
    EXPECT_EQ(TextOf("direction"), "German \u2192 English");
    Key('\t');
    RunTicks(1);
    EXPECT_EQ(TextOf("direction"), "English \u2192 German");
    EXPECT_EQ(ChosenDirection(App(), TheLearner(), kDesignedTopics), Direction::Reverse);
    platform::headless::PressKey(SDLK_RETURN);
    RunUntilScreen(ScreenId::Info);
    WaitUntilStill("arrownext");
    platform::headless::PressKey(SDLK_RETURN);
    RunUntilScreen(ScreenId::Test);
    RunTicks(1);
    ASSERT_EQ(Run().test.testLength, 10);

    std::vector<std::string> typedGerman;
    for (int asked = 0; Screen() == ScreenId::Test && asked < 10; ++asked) {
        // Asked the other way round: the English word shown, the German one expected.
        const std::u16string prompt = CurrentPrompt(Run().words), answer = CurrentAnswer(Run().words);
        ASSERT_TRUE(std::any_of(kDeck.begin(), kDeck.end(), [&](const auto& card) {
            return card.second == Utf8(prompt) && card.first == Utf8(answer);
        })) << Utf8(prompt);
        Type(asked == 0 ? u"zzz" : answer);
        Key(13);
        ASSERT_TRUE(Run().test.answerEvaluated);
        typedGerman.push_back(Utf8(answer));
        // The German word is heard as the answer is judged, before the next question.
        ASSERT_TRUE(service->WaitForMessages(asked + 1, std::chrono::seconds(10)));
        RunUntil([&] { return !Run().test.answerEvaluated || App().currentScreen != ScreenId::Test; }, 400);
        RunTicks(1);
    }
    RunUntilScreen(ScreenId::NextLevel);
    EXPECT_EQ(Run().test.correctCount, 7);
    EXPECT_EQ(Run().test.wrongCount, 1);
    // A reverse pass ends on "Test passed" and writes no hall-of-fame entry.
    EXPECT_TRUE(Object("passed_info")->visible);
    EXPECT_FALSE(std::filesystem::exists(folder + "data/hof.hof"));

    // Only the reverse direction was answered: its counts (7 right from 1, 1 wrong up to 2) and
    // schedule; the designed direction of the list has none.
    const RecordReader record(folder + "data/progress.sqlite");
    EXPECT_EQ(record.Rows("SELECT direction, count, count(*) FROM card_state GROUP BY direction, count "
                          "ORDER BY direction, count"),
              (std::vector<std::string>{"1|0|7", "1|2|1"}));
    EXPECT_EQ(record.Rows("SELECT direction, verdict, count(*) FROM answers GROUP BY direction, verdict"),
              (std::vector<std::string>{"1|right|7", "1|wrong|1"}));
    for (const FakeSpeechService::Message& heard : service->Messages()) {
        EXPECT_EQ(heard.language, "de") << heard.text;
        EXPECT_NE(std::find(typedGerman.begin(), typedGerman.end(), heard.text), typedGerman.end())
            << heard.text;
    }

    // The choice and each direction's progress are there at the next start.
    RestartGame();
    LoadToUserName();
    EnterName(u"ana");
    EXPECT_EQ(ChosenDirection(App(), TheLearner(), kDesignedTopics), Direction::Reverse);
    LoadTopicProgress(App(), TheLearner(), Run().words, kDesignedTopics, Direction::Reverse);
    EXPECT_EQ(CountLearned(Run().words), 7);
    LoadTopicProgress(App(), TheLearner(), Run().words, kDesignedTopics, Direction::Forward);
    EXPECT_EQ(CountLearned(Run().words), 0);
}

// What the direction changes, for a designed topic and an own list: on the topics screen the
// direction line (never drawn for a designed topic asked as designed), the side shown and typed,
// the languages (and so the flags and the spoken side), where the counts are kept, and the judging.
TEST_F(BothWaysGame, TheDirectionTurnsSidesLanguagesCountsAndJudging) {
    StartWithDeck();
    ChooseMenuLine(0);
    RunUntilScreen(ScreenId::Topics);
    WaitUntilStill("main menu 2");
    GLObject* line = Object(key::kDirectionLine);
    // The line's pixels in the window as it stands: those that change when it is taken away for a
    // frame, counted where it is drawn: the lower half of its box once drawn for a frame (its
    // letters' lower half and their reflection; the progress bar above spins into the upper half).
    auto linePixels = [&] {
        WaitUntilStill(line);
        RunDrawnTick();
        const std::vector<unsigned char> asIs = WindowPicture();
        const bool shown = line->visible;
        line->visible = false;
        RunDrawnTick();
        const std::vector<unsigned char> without = WindowPicture();
        line->visible = true;
        RunDrawnTick();
        line->visible = shown;
        const double z = line->position[2], top = line->position[1];
        const WindowPoint from = gamedriver::ProjectedPoint(Scene(), line->bounds[0], top, z);
        const WindowPoint to = gamedriver::ProjectedPoint(Scene(), line->bounds[3], line->bounds[1], z);
        size_t changed = 0;
        for (int y = std::max(0, from.y); y < std::min(Scene().height, to.y); ++y) {
            for (int x = std::max(0, from.x); x < std::min(Scene().width, to.x); ++x) {
                const size_t at = 3 * (static_cast<size_t>(Scene().height - 1 - y) * Scene().width + x);
                changed += !std::equal(asIs.begin() + at, asIs.begin() + at + 3, without.begin() + at);
            }
        }
        return changed;
    };
    const struct {
        const char* turnedBy;  // "" not turned, "Tab", or the object clicked
        Direction after;
        const char* shown;  // the direction line; nullptr: not drawn
    } turns[] = {
        {"", Direction::Forward, nullptr},
        {"Tab", Direction::Reverse, "Spanish \u2192 English"},
        {"Tab", Direction::Forward, nullptr},
        {key::kProgressCaption, Direction::Reverse, "Spanish \u2192 English"},
        {key::kDirectionLine, Direction::Forward, nullptr},
        {key::kProgressOutline, Direction::Reverse, "Spanish \u2192 English"},
        {key::kProgressCaption, Direction::Forward, nullptr},
    };
    for (const auto& turn : turns) {
        SCOPED_TRACE(std::string("turned by ") + turn.turnedBy);
        if (std::string(turn.turnedBy) == "Tab") {
            Key('\t');
        } else if (*turn.turnedBy != '\0') {
            ClickObject(turn.turnedBy);
        }
        RunTicks(1);
        EXPECT_EQ(ChosenDirection(App(), TheLearner(), 0), turn.after);
        EXPECT_EQ(line->visible, turn.shown != nullptr);
        const size_t drawn = linePixels();
        if (turn.shown) {
            EXPECT_EQ(TextOf(key::kDirectionLine), turn.shown);
            EXPECT_GT(drawn, 200u);
        } else {
            EXPECT_EQ(drawn, 0u);
        }
    }
    ClickObject(key::kArrowPrevious);
    RunUntilScreen(ScreenId::MainMenu);

    const int designed = 0, own = kDesignedTopics;
    struct Case {
        int row;
        Direction direction;
        std::string promptLanguage, answerLanguage;
        bool countsInRecord;
        bool promptSpoken;     // the shown word is the foreign one
        std::u16string typed;  // typed for the entry's answer ("" types it as it stands)
        bool right;
    };
    const Case cases[] = {
        {designed, Direction::Forward, "en", "es", false, false, u"", true},
        {designed, Direction::Reverse, "es", "en", true, true, u"", true},
        {own, Direction::Forward, "de", "en", true, true, u"", true},
        {own, Direction::Reverse, "en", "de", true, false, u"", true},
        // Typed without its article: optional only where English is typed.
        {own, Direction::Forward, "de", "en", true, true, u"dog", true},
        {own, Direction::Reverse, "en", "de", true, false, u"hund", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + (c.direction == Direction::Reverse ? " reverse" : " forward") +
                     " " + Utf8(c.typed));
        LoadTopicWords(App(), TheLearner(), Run().words, c.row, Direction::Forward);
        const WordEntry listed = Run().words.entries.at(0);
        LoadTopicWords(App(), TheLearner(), Run().words, c.row, c.direction);
        Run().words.currentWord = 0;
        const bool reverse = c.direction == Direction::Reverse;
        EXPECT_EQ(Utf8(CurrentPrompt(Run().words)), Utf8(reverse ? listed.answer : listed.prompt));
        EXPECT_EQ(Utf8(CurrentAnswer(Run().words)), Utf8(reverse ? listed.prompt : listed.answer));
        EXPECT_EQ(CurrentLanguages(Run().words).prompt, c.promptLanguage);
        EXPECT_EQ(CurrentLanguages(Run().words).answer, c.answerLanguage);
        EXPECT_EQ(PromptIsForeign(CurrentLanguages(Run().words)), c.promptSpoken);
        EXPECT_EQ(CountsDeck(App(), TheLearner(), c.row, c.direction).has_value(), c.countsInRecord);
        // The record knows the card by its words as listed, whichever way it is asked.
        const record::CardWords words = CardWordsOf(CurrentEntry(Run().words), CurrentLanguages(Run().words));
        EXPECT_EQ(Utf8(words.prompt), Utf8(listed.prompt));
        if (c.row == own) {
            ASSERT_EQ(Utf8(listed.answer), "the dog");
        }
        const std::u16string typed = c.typed.empty() ? CurrentAnswer(Run().words) : c.typed;
        EXPECT_EQ(JudgeTypedAnswer(App(), TheLearner(), Run().words, c.row, typed, CurrentAnswer(Run().words))
                      .right,
                  c.right);
    }
}

TEST_F(BothWaysGame, ADesignedTopicInReverseIsJudgedWithTheEnglishRules) {
    StartWithDeck();
    LoadTopicWords(App(), TheLearner(), Run().words, 0, Direction::Reverse);
    // "excuse me (formal)" is answered without its hint, "you're welcome" as it stands; the
    // Spanish side is never what is typed.
    int checked = 0;
    for (unsigned i = 0; i < WordCount(Run().words); ++i) {
        Run().words.currentWord = i;
        const std::u16string answer = CurrentAnswer(Run().words);
        if (answer == u"excuse me (formal)") {
            EXPECT_TRUE(JudgeTypedAnswer(App(), TheLearner(), Run().words, 0, u"excuse me", answer).right);
            ++checked;
        }
        if (answer == u"goodbye") {
            EXPECT_TRUE(JudgeTypedAnswer(App(), TheLearner(), Run().words, 0, u"Goodbye", answer).right);
            EXPECT_FALSE(
                JudgeTypedAnswer(App(), TheLearner(), Run().words, 0, CurrentPrompt(Run().words), answer)
                    .right);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2);
}

}  // namespace
