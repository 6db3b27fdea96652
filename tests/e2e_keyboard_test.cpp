// The player's hands: a whole game played with the keyboard alone, typed in capitals with accents,
// and a click on a list line that is not selected, which selects it and chooses nothing.
#include <SDL_keycode.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "formats/GlyphCodes.h"
#include "formats/HallOfFameFile.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "learning/AnswerCheck.h"
#include "learning/LearningRun.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "platform/Speech.h"
#include "screens/ExitConfirm.h"
#include "screens/InfoScreen.h"
#include "screens/MainMenu.h"
#include "screens/TopicsScreen.h"
#include "tests/GameDriver.h"
#include "tests/GameHarness.h"
#include "tests/Utf16Bytes.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace {

// What a player with the caps lock on types: every small letter of the answers as its capital.
std::u16string Capitals(std::u16string text) {
    for (char16_t& letter : text) {
        const bool small = (letter >= u'a' && letter <= u'z') || letter == u'á' || letter == u'é' ||
                           letter == u'í' || letter == u'ó' || letter == u'ú' || letter == u'ñ' ||
                           letter == u'ü';
        if (small) letter = static_cast<char16_t>(letter - 0x20);
    }
    return text;
}

class KeyboardTest : public GameTest {
protected:
    void Press(int32_t sdlKeycode) { platform::headless::PressKey(sdlKeycode); }

    // Waits for the screen, then for its object to stand still, so that a key is not refused.
    void ArriveAt(ScreenId screen, const char* objectKey) {
        RunUntilScreen(screen);
        WaitUntilStill(objectKey);
    }
    GLObjectTextList* List(const char* objectKey) {
        return dynamic_cast<GLObjectTextList*>(Object(objectKey));
    }

    std::string SavedBytes(const std::string& name) const {
        std::ifstream in(folder + "data/" + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

}  // namespace

TEST_F(KeyboardTest, AWholeGameWithKeysAlone) {
    LoadToUserName();
    Type(u"Íñigo");
    Press(SDLK_RETURN);
    ArriveAt(ScreenId::MainMenu, key::kMainMenu);
    EXPECT_EQ(App().userName, u"Íñigo");

    // Down to "test", Return into the topics; the wheel over the list steps it like its arrows.
    Press(SDLK_DOWN);
    EXPECT_EQ(List(key::kMainMenu)->selected, 1);
    WaitUntilStill(key::kMainMenu);
    Press(SDLK_RETURN);
    ArriveAt(ScreenId::Topics, key::kTopicsList);
    RunTicks(30);
    GLObjectTextList* topics = List(key::kTopicsList);
    const WindowPoint overList = CentreOf(topics);
    platform::headless::SetCursor(overList.x, overList.y);
    RunTicks(1);
    platform::headless::TurnWheel(-1);
    EXPECT_EQ(topics->selected, 1);
    RunUntil([&] { return !TopicPictureChanging(App()); });
    WaitUntilStill(topics);
    platform::headless::TurnWheel(1);
    EXPECT_EQ(topics->selected, 0);
    RunUntil([&] { return !TopicPictureChanging(App()); });
    WaitUntilStill(topics);
    platform::headless::SetCursor(0, 0);

    // Return chooses the topic, then goes on from the information panel into the test.
    Press(SDLK_RETURN);
    ArriveAt(ScreenId::Info, key::kArrowNext);
    Press(SDLK_RETURN);
    RunUntilScreen(ScreenId::Test);

    // Twenty-one answers in capitals with their accents, each handed in with Return.
    for (int answer = 1; answer <= 21; ++answer) {
        SCOPED_TRACE(answer);
        RunUntil([&] { return !Run().test.answerEvaluated; }, 200);
        RunTicks(1);
        Type(Capitals(CurrentAnswer(Run().words)));
        Press(SDLK_RETURN);
        ASSERT_TRUE(Run().test.answerEvaluated);
        EXPECT_EQ(Run().test.correctCount, answer);
    }
    ArriveAt(ScreenId::NextLevel, key::kArrowNext);
    EXPECT_EQ(Run().test.score, 420);
    // The name is kept as typed: Í and ñ as their own UTF-16 letters.
    EXPECT_EQ(SavedBytes("hof.hof"), "\xFF\xFE" + Utf16Le(u"Íñigo\t420\r\n"));

    Press(SDLK_RETURN);
    ArriveAt(ScreenId::MainMenu, key::kMainMenu);
    while (List(key::kMainMenu)->selected < 2) {
        Press(SDLK_DOWN);
        WaitUntilStill(key::kMainMenu);
    }
    Press(SDLK_RETURN);
    ArriveAt(ScreenId::HallOfFame, key::kHallOfFameList);
    ASSERT_FALSE(List(key::kHallOfFameList)->lines.empty());
    EXPECT_EQ(GlyphTextToLetters(List(key::kHallOfFameList)->lines[0]->GetText()), u"Íñigo - 420");
    Press(SDLK_ESCAPE);
    ArriveAt(ScreenId::MainMenu, key::kMainMenu);

    // Escape asks whether to end; Escape there is "no"; Up to "yes" and Return ends.
    Press(SDLK_ESCAPE);
    ArriveAt(ScreenId::ExitConfirm, key::kExitAnswers);
    Press(SDLK_ESCAPE);
    ArriveAt(ScreenId::MainMenu, key::kMainMenu);
    {
        // Escape chose "exit", the line below the menu's window: the menu comes back showing it.
        const GLObjectTextList* menu = List(key::kMainMenu);
        EXPECT_EQ(menu->selected, 4);
        EXPECT_EQ(menu->lines[4]->colour[3], 1.0) << "the selected line is shown";
        EXPECT_EQ(menu->lines[0]->colour[3], 0.0) << "the window moved down by one line";
        WindowPoint onExit;
        ASSERT_TRUE(gamedriver::LineHoverPoint(Scene(), menu, 4, onExit));
        EXPECT_GT(onExit.y, 0);
        EXPECT_LT(onExit.y, Scene().height);
    }
    Press(SDLK_ESCAPE);
    ArriveAt(ScreenId::ExitConfirm, key::kExitAnswers);
    EXPECT_EQ(List(key::kExitAnswers)->selected, 1) << "the answer given last stays selected";
    Press(SDLK_UP);
    WaitUntilStill(key::kExitAnswers);
    Press(SDLK_RETURN);
    ArriveAt(ScreenId::Info, key::kArrowNext);
    EXPECT_EQ(platform::headless::ExitStatus(), -1000);
    Press(SDLK_RETURN);
    EXPECT_EQ(platform::headless::ExitStatus(), 0);
}

TEST_F(KeyboardTest, TypedLettersAreShownJudgedAndKeptAsTyped) {
    const struct {
        const char16_t* typed;
        const char16_t* glyphs;  // the codes the field shows
        const char16_t* shown;   // the letters it holds (what the hall of fame keeps, as UTF-16)
        const char16_t* answer;  // judged against this expected answer
        bool right;
    } cases[] = {
        {u"ÁRBOL", u"\u00D7RBOL", u"ÁRBOL", u"árbol", true},
        {u"árbol", u"\u00D2rbol", u"árbol", u"árbol", true},
        {u"DÓNDE ESTÁ", u"D\u00CCNDE EST\u00D7", u"DÓNDE ESTÁ", u"dónde está", true},
        {u"ÉL", u"\u00D8L", u"ÉL", u"él", true},
        {u"ÍÑIGO", u"\u00D9\u00DBIGO", u"ÍÑIGO", u"íñigo", true},
        {u"ÚLTIMO", u"\u00DALTIMO", u"ÚLTIMO", u"último", true},
        {u"PINGÜINO", u"PING\u00DCINO", u"PINGÜINO", u"pingüino", true},
        {u"pingüino", u"ping\u00DDino", u"pingüino", u"pingüino", true},
        {u"PINGUINO", u"PINGUINO", u"PINGUINO", u"pingüino", false},
        {u"¿ala",
         u"\u00BF"
         u"ala",
         u"¿ala", u"ala", false},
        // Letters past the 8-bit table have codes from 256 on and are kept as themselves.
        {u"Àgua", u"\u0100gua", u"Àgua", u"agua", false},
        {u"łza", u"\u00C7za", u"łza", u"łza", true},
        // No glyph: not typed at all, rather than shown as another letter.
        {u"a\u0441\u20ACy", u"ay", u"ay", u"ay", true},
    };
    LoadToUserName();
    auto* field = dynamic_cast<GLObjectText*>(Object(key::kNameField));
    ASSERT_NE(field, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.typed));
        for (int i = 0; i < 12; ++i) Key(8);
        Type(c.typed);
        EXPECT_EQ(
            std::u16string(field->glyphs, field->glyphs + std::char_traits<char16_t>::length(c.glyphs) + 1),
            std::u16string(c.glyphs) + u'\0');
        const std::u16string letters = GlyphTextToLetters(field->GetText());
        EXPECT_EQ(letters, c.shown);
        EXPECT_EQ(CheckAnswer(letters, c.answer), c.right);
        EXPECT_EQ(FormatHallOfFame({{letters, 1}}),
                  "\xFF\xFE" + Utf16Le(std::u16string(c.shown) + u"\t1\r\n"));
    }
}

namespace {

// A hall of fame to click in: three results, an old one holding a glyph code (0xFFCD, "ó").
class LineClickTest : public KeyboardTest {
protected:
    void PrepareFolder() override {
        std::ofstream(folder + "data/hof.hof", std::ios::binary)
            << "\xFF\xFE" + Utf16Le(u"ana\t300\r\nbea\t200\r\nc\xFFCD\t100\r\n");
    }
};

}  // namespace

TEST_F(LineClickTest, AClickOnALineNotSelectedSelectsItAndChoosesNothing) {
    const struct {
        int menuLine;  // the main-menu line that opens the list's screen; -1: the main menu's own
        ScreenId screen;
        const char* list;
        int line;
        ScreenId chosen;  // where a second click, now on the selected line, leads (None: not tried)
    } cases[] = {
        {-1, ScreenId::MainMenu, key::kMainMenu, 3, ScreenId::Info},  // "about" while "learn" is selected
        {1, ScreenId::Topics, key::kTopicsList, 1, ScreenId::None},   // with its picture change
        {2, ScreenId::HallOfFame, key::kHallOfFameList, 2, ScreenId::None},
        {4, ScreenId::ExitConfirm, key::kExitAnswers, 1, ScreenId::MainMenu},  // "no" while "yes" is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        RestartGame();
        LoadToUserName();
        EnterName(u"ana");
        if (c.menuLine >= 0) {
            ChooseMenuLine(c.menuLine);
            ArriveAt(c.screen, c.list);
            RunTicks(30);
        }
        GLObjectTextList* list = List(c.list);
        ASSERT_NE(list->selected, c.line);
        // A click just right of a line's drawn text (on the list, on no line) chooses nothing: not
        // beside the selected line, nor beside the one to be clicked ("no" in the exit question).
        const int selected = list->selected;
        for (int line : {selected, c.line}) {
            SCOPED_TRACE(line);
            const GLObjectText& text = *list->lines[line];
            const double drawnRight =
                0.5 * (text.bounds[0] + text.bounds[3]) + list->homePosition[0] + 0.25 * text.TextWidth();
            WindowPoint onLine;
            ASSERT_TRUE(gamedriver::LineHoverPoint(Scene(), list, line, onLine));
            const WindowPoint edge = gamedriver::ProjectedPoint(Scene(), drawnRight, 0, list->position[2]);
            ClickAt(edge.x + 12, onLine.y);
            EXPECT_EQ(list->hoveredLine, -1);
            EXPECT_EQ(list->selected, selected);
            EXPECT_FALSE(App().transitionLock);
        }
        RunTicks(100);
        ASSERT_EQ(Screen(), c.screen) << "a click beside a line chose it";
        // A name saved as a glyph code by an earlier version still shows as it did.
        if (c.screen == ScreenId::HallOfFame) {
            EXPECT_EQ(list->lines[2]->glyphs[1], 205);
        }
        ClickLine(c.list, c.line);
        EXPECT_EQ(list->selected, c.line);
        EXPECT_EQ(TopicPictureChanging(App()), c.screen == ScreenId::Topics);
        EXPECT_FALSE(App().transitionLock);
        RunTicks(200);
        EXPECT_EQ(Screen(), c.screen) << "nothing was chosen";
        EXPECT_EQ(platform::headless::ExitStatus(), -1000);
        if (c.chosen == ScreenId::None) continue;
        WaitUntilStill(list);
        ClickLine(c.list, c.line);
        ArriveAt(c.chosen, c.chosen == ScreenId::Info ? key::kArrowNext : key::kMainMenu);
    }
}

// The keys each screen names: Escape on the information panel and the result screens is their
// arrow, Left and Right step through the pairs, Space says the shown word again, F1 opens the
// help page and F2 shows that speech went off or on.
// A key does what it means on its screen wherever the cursor rests: over another line, Return
// still chooses the selected one and Escape is still "no"; the hover pass's flags stay as it set them.
TEST_F(KeyboardTest, AKeyIsNotTakenForAClickOnWhatTheCursorRestsOn) {
    LoadToUserName();
    EnterName(u"ana");
    ArriveAt(ScreenId::MainMenu, key::kMainMenu);
    const auto restOn = [&](const char* listKey, int line) {
        WindowPoint point;
        ASSERT_TRUE(gamedriver::LineHoverPoint(Scene(), List(listKey), line, point));
        platform::headless::SetCursor(point.x, point.y);
        RunTicks(1);
        ASSERT_EQ(List(listKey)->hoveredLine, line);
        ASSERT_NE(List(listKey)->selected, line);
    };

    Press(SDLK_ESCAPE);
    ArriveAt(ScreenId::ExitConfirm, key::kExitAnswers);
    Press(SDLK_DOWN);  // "no" selected, so the cursor can rest on "yes", the line not selected
    WaitUntilStill(key::kExitAnswers);
    restOn(key::kExitAnswers, LineOf(ExitAnswer::Yes));
    Press(SDLK_ESCAPE);
    ArriveAt(ScreenId::MainMenu, key::kMainMenu);
    EXPECT_EQ(platform::headless::ExitStatus(), -1000);

    restOn(key::kMainMenu, LineOf(MenuLine::Results));
    Press(SDLK_RETURN);
    ASSERT_EQ(Scene().events.size(), 1u);
    // "exit", the line Escape selected on the way to the question, not "results" under the cursor.
    EXPECT_EQ(Scene().events.front().name, EventName(ScreenEvent::ExitConfirmAfterMenuLine));
    EXPECT_EQ(List(key::kMainMenu)->hoveredLine, LineOf(MenuLine::Results));
    EXPECT_TRUE(List(key::kMainMenu)->hovered);
}

TEST_F(KeyboardTest, KeysDoWhatTheScreenSays) {
    std::vector<std::string> spoken;
    platform::ObserveSpeechRequests(
        [&](const std::string& text, const std::string&) { spoken.push_back(text); });
    LoadToUserName();
    EnterName(u"ana");

    Press(SDLK_F1);
    EXPECT_EQ(platform::headless::OpenedAddresses(), std::vector<std::string>{HelpAddress()});
    {
        // No program to open pages: a box, in the game's name, says where the page is.
        const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (folder + "no-programs").c_str(), 1);
        Press(SDLK_F1);
        setenv("PATH", path.c_str(), 1);
        EXPECT_EQ(platform::headless::OpenedAddresses().size(), 1u) << "nothing handed on";
        ASSERT_EQ(platform::headless::Messages().size(), 1u);
        EXPECT_EQ(platform::headless::Messages()[0],
                  "lexaDRILL: no program to open pages is installed (xdg-open); open it yourself: " + folder +
                      "data/help.html");
        EXPECT_EQ(platform::headless::MessageKinds()[0], platform::MessageKind::Information);
    }
    GLObject* sign = Object(key::kSpeechSign);
    for (const char* shown : {"speech off", "speech on"}) {
        SCOPED_TRACE(shown);
        Press(SDLK_F2);
        EXPECT_EQ(platform::SpeechEnabled(), std::string(shown) == "speech on");
        // Readable (at its full strength) for a second and a half, then gone.
        int ticksInFull = 0;
        for (int tick = 0; tick < 200; ++tick) {
            RunTicks(1);
            if (sign->visible && sign->colour[3] >= 0.99 * sign->baseColour[3]) ++ticksInFull;
            if (tick == 30) {
                EXPECT_EQ(TextOf(key::kSpeechSign), shown);
            }
        }
        EXPECT_GE(ticksInFull, 96);
        EXPECT_FALSE(sign->visible) << "gone after a moment";
    }

    // The steps of one learning round and of a test broken off after a wrong answer; each row's
    // key is pressed on the screen named, once its objects stand still.
    const struct {
        ScreenId on;
        int32_t key;
        ScreenId leadsTo;
        const char* counter;  // the learning screen's counter afterwards; nullptr: not looked at
        bool speaks;          // the shown word is asked to be spoken once more
    } steps[] = {
        {ScreenId::Learning, SDLK_SPACE, ScreenId::Learning, "words: 1 of 30", true},
        {ScreenId::Learning, SDLK_LEFT, ScreenId::Learning, "words: 1 of 30", false},  // the first pair
        {ScreenId::Learning, SDLK_RIGHT, ScreenId::Learning, "words: 2 of 30", true},
        {ScreenId::Learning, SDLK_RIGHT, ScreenId::Learning, "words: 3 of 30", true},
        {ScreenId::Learning, SDLK_LEFT, ScreenId::Learning, "words: 2 of 30", true},
        {ScreenId::Learning, SDLK_ESCAPE, ScreenId::MainMenu, nullptr, false},
        {ScreenId::Info, SDLK_ESCAPE, ScreenId::Test, nullptr, false},  // after "test" and a topic
        // After a wrong answer; the words to practise say their first word as they come in.
        {ScreenId::Test, SDLK_ESCAPE, ScreenId::GameOver, nullptr, true},
        {ScreenId::GameOver, SDLK_SPACE, ScreenId::GameOver, nullptr, true},
        {ScreenId::GameOver, SDLK_ESCAPE, ScreenId::Info, nullptr, false},
        {ScreenId::Info, SDLK_ESCAPE, ScreenId::MainMenu, nullptr, false},
    };
    OpenTopicInfo(0, 0);
    Press(SDLK_RETURN);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        SCOPED_TRACE(static_cast<int>(step.on));
        if (step.on == ScreenId::Info && Screen() == ScreenId::MainMenu) {
            OpenTopicInfo(1, 0);
        }
        RunUntilScreen(step.on);
        RunTicks(60);
        if (step.on == ScreenId::Test) {
            Type(u"zzz");
            Press(SDLK_RETURN);
            ASSERT_TRUE(Run().test.answerEvaluated);
            RunUntil([&] { return !Run().test.answerEvaluated; }, 200);
            RunTicks(1);
        }
        const size_t spokenBefore = spoken.size();
        const std::string expected = step.on == ScreenId::Learning
                                         ? Utf8(WithoutGenderMarker(CurrentAnswer(Run().words)))
                                         : std::string();
        if (step.key == SDLK_SPACE) {
            platform::headless::Character(u' ');
        } else {
            Press(step.key);
        }
        RunTicks(100);
        EXPECT_EQ(Screen(), step.leadsTo);
        if (step.counter) {
            EXPECT_EQ(TextOf(key::kScore), step.counter);
        }
        EXPECT_EQ(spoken.size(), spokenBefore + (step.speaks ? 1 : 0));
        if (step.speaks && step.key == SDLK_SPACE && !expected.empty()) {
            EXPECT_EQ(spoken.back(), expected);
        }
    }
}
