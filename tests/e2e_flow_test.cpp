// The game's flow played through the headless window: loading, the name, the main menu, the exit
// confirmation and the information screen.
#include <algorithm>
#include <optional>
#include <vector>

#include "engine/GLObjectTextList.h"
#include "engine/TextureTable.h"
#include "game/names/ObjectKeys.h"
#include "game/names/UnknownNames.h"
#include "platform/Platform.h"
#include "screens/InfoScreen.h"
#include "tests/GameHarness.h"
#include "tests/hooks/Headless.h"

TEST_F(GameTest, LoadingShowsOnlyThePictureThenTheNameScreenInThePlayWindow) {
    EXPECT_EQ(Screen(), ScreenId::Loading);
    ASSERT_EQ(Scene().objects.size(), 1u);
    EXPECT_TRUE(Object("loading")->visible);
    const platform::Size loadingWindow = platform::ClientSize();
    EXPECT_EQ(loadingWindow.width, 1024 / 4);
    EXPECT_EQ(loadingWindow.height, 768 / 4);

    // A click and a key during loading change nothing.
    Key('a');
    platform::headless::Click();
    RunTicks(1);
    EXPECT_EQ(Screen(), ScreenId::None);
    EXPECT_FALSE(Object("w")->visible);
    EXPECT_TRUE(Object("main menu") != nullptr);
    // The shared pictures hold fixed slots; the scene's objects refer to them by these numbers.
    const char* const slots[] = {"gfx/loading.jpg",           "gfx/mirror.jpg",
                                 "gfx/glowny_bg.jpg",         "gfx/infoscreen_free.jpg",
                                 "gfx/tem/constructions.jpg", "gfx/tem/human body 1.jpg",
                                 "gfx/tem/time.jpg",          "gfx/blocked.jpg",
                                 "gfx/flag uk.jpg",           "gfx/flag spain.jpg",
                                 "gfx/particle.tga"};
    ASSERT_EQ(Scene().textures.count, 11);
    for (int slot = 0; slot < 11; ++slot) EXPECT_EQ(Scene().textures.fileNames[slot], folder + slots[slot]);
    EXPECT_EQ(Object("bg glowny")->texture, 2);
    EXPECT_EQ(Object("flag 2")->texture, 9);
    // Insertion order is drawing order: the backdrop first, then the shared objects, then the
    // screens' own, beginning with the user-name screen's.
    const std::vector<std::string> drawingOrder = {
        "loading",   "w",         "score_board", "lexa",          "drill",     "ok_button",  "bg glowny",
        "bg1 temat", "bg2 temat", "main menu",   "arrownext",     "arrowprev", "flag 1",     "flag 2",
        "txt 1",     "txt 2",     "wynik",       "wynik koncowy", "przerwij",  "user_label", "user"};
    ASSERT_GT(Scene().objects.size(), drawingOrder.size());
    for (size_t i = 0; i < drawingOrder.size(); ++i) EXPECT_EQ(Scene().objects[i]->name, drawingOrder[i]);
    EXPECT_EQ(static_cast<GLObjectTextList*>(Object("main menu"))->selected, 0);

    for (GLObject* object : Scene().objects) {
        if (object->name != "loading") {
            EXPECT_FALSE(object->visible) << object->name;
        }
    }

    // The loading tick already counted the first of the 80.
    RunTicks(78);
    EXPECT_EQ(Screen(), ScreenId::None);
    EXPECT_TRUE(Scene().reflectionOff);
    RunTicks(1);
    EXPECT_EQ(Screen(), ScreenId::UserName);
    EXPECT_FALSE(Scene().reflectionOff);
    EXPECT_FALSE(Object("loading")->visible);
    for (const char* key : {"user_label", "user", "arrownext", "przerwij", "w", "lexa", "drill"}) {
        EXPECT_TRUE(Object(key)->visible) << key;
    }
    EXPECT_EQ(TextOf("user"), "");
    RunTicks(1);
    const platform::Size playWindow = platform::ClientSize();
    EXPECT_EQ(playWindow.width, 1024 * 80 / 100);
    EXPECT_EQ(playWindow.height, 1024 * 80 / 100 * 60 / 100);
}

TEST_F(GameTest, NameFieldKeepsTenCharactersAndBackspaceRemovesTheLast) {
    LoadToUserName();
    Type(u"abcdefghijk");
    EXPECT_EQ(TextOf("user"), "abcdefghij");
    Key(8);
    EXPECT_EQ(TextOf("user"), "abcdefghi");
    for (int i = 0; i < 12; ++i) Key(8);
    EXPECT_EQ(TextOf("user"), "");
    EXPECT_EQ(Screen(), ScreenId::UserName);
}

TEST_F(GameTest, EnterWithAnEmptyNameDoesNothing) {
    LoadToUserName();
    Key(13);
    ClickObject("arrownext");
    RunTicks(150);
    EXPECT_EQ(Screen(), ScreenId::UserName);
    EXPECT_FALSE(App().transitionLock);
    EXPECT_TRUE(Scene().events.empty());
    EXPECT_TRUE(platform::headless::Messages().empty());
}

TEST_F(GameTest, SpacesAndTabsInTheNameAreStoredAsUnderscores) {
    LoadToUserName();
    EnterName(u"ana\tm ar");
    EXPECT_EQ(Utf8(App().userName), "ana_m_ar");
    EXPECT_FALSE(App().cheatMode);
    // The logo stayed from the name screen; the menu came in with the backdrop.
    for (const char* key : {"main menu", "bg glowny", "lexa", "drill", "w"})
        EXPECT_TRUE(Object(key)->visible);
    EXPECT_FALSE(Object("user")->visible);
    EXPECT_FALSE(Object("arrownext")->visible);
}

// Tab is the one control character the name takes (it is stored as "_"); Escape, Delete and the
// codes of a Shift- or Ctrl-click (5, 9) type nothing, wherever the cursor is.
TEST_F(GameTest, TheNameTakesTabButNoOtherControlCharacterOrClickCode) {
    LoadToUserName();
    Type(u"a");
    for (int code : {27, 5, 1, 0x7F, 0x85}) Key(code);
    for (const platform::Click& held :
         {platform::Click{true, false, false}, platform::Click{false, true, false},
          platform::Click{false, false, true}})
        platform::headless::Click(held);
    Type(u"\tb");
    EXPECT_EQ(TextOf("user"), "a\tb");
    Key(13);
    EXPECT_EQ(Utf8(App().userName), "a_b");
}

TEST_F(GameTest, TheArrowAcceptsTheNameAndTheScreenTakesNoMoreTyping) {
    LoadToUserName();
    Type(u"ana");
    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    EXPECT_EQ(Screen(), ScreenId::None);
    Type(u"xyz");
    EXPECT_EQ(TextOf("user"), "ana");
    RunTicks(100);
    EXPECT_EQ(Screen(), ScreenId::MainMenu);
    EXPECT_EQ(Utf8(App().userName), "ana");
}

TEST_F(GameTest, CodeWordInsideTheNameShowsOkAndTurnsOnCheatMode) {
    LoadToUserName();
    EnterName(u"avofub");
    EXPECT_TRUE(App().cheatMode);
    EXPECT_EQ(platform::headless::Messages(), std::vector<std::string>{"ok"});
    EXPECT_EQ(Utf8(App().userName), "avofub");
}

TEST_F(GameTest, CodeWordInCapitalsIsJustAName) {
    LoadToUserName();
    EnterName(u"VOFU");
    EXPECT_FALSE(App().cheatMode);
    EXPECT_TRUE(platform::headless::Messages().empty());
}

// The line a click would choose is styled as selected from the list's first appearance.
TEST_F(GameTest, MenuAndExitQuestionShowTheirFirstSelectionFromTheStart) {
    auto expectSelectionShown = [](const GLObjectTextList* list) {
        SCOPED_TRACE(list->name);
        ASSERT_EQ(list->selected, 0);
        for (size_t i = 0; i < list->lines.size(); ++i) {
            const GLObjectText* line = list->lines[i];
            // A disabled line (the review with nothing due) shows as disabled.
            const double* expected = i == 0          ? list->selectedColour
                                     : line->visible ? list->normalColour
                                                     : list->disabledColour;
            EXPECT_EQ(std::vector<double>(line->colour, line->colour + 3),
                      std::vector<double>(expected, expected + 3))
                << i;
            EXPECT_EQ(line->spinIncrement[0], i == 0 ? 1.0 : 0.0) << i;
        }
    };
    LoadToUserName();
    EnterName(u"ana");
    expectSelectionShown(dynamic_cast<GLObjectTextList*>(Object("main menu")));
    ChooseMenuLine(4);
    RunTicks(80);
    ASSERT_EQ(Screen(), ScreenId::ExitConfirm);
    expectSelectionShown(dynamic_cast<GLObjectTextList*>(Object("menu tak-nie")));
}

TEST_F(GameTest, MainMenuLinesLeadToTheirScreens) {
    struct Case {
        int line;
        ScreenId screen;
        std::optional<SessionMode> sessionMode;
    };
    // After each choice the menu comes back through the event table's own return rows; the
    // roads back that each screen offers are that screen's tests' business.
    const Case cases[] = {{0, ScreenId::Topics, SessionMode::Learning},
                          {1, ScreenId::Topics, SessionMode::Test},
                          {2, ScreenId::HallOfFame, std::nullopt},
                          {3, ScreenId::Info, std::nullopt},
                          {4, ScreenId::ExitConfirm, std::nullopt}};
    LoadToUserName();
    EnterName(u"ana");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        App().sessionMode = static_cast<SessionMode>(7);  // neither mode, so the menu must write it
        ChooseMenuLine(c.line);
        EXPECT_TRUE(App().transitionLock);
        RunTicks(79);
        EXPECT_EQ(Screen(), ScreenId::MainMenu);
        RunTicks(1);
        EXPECT_EQ(Screen(), c.screen);
        EXPECT_FALSE(App().transitionLock);
        if (c.sessionMode) {
            EXPECT_EQ(App().sessionMode, *c.sessionMode);
        }
        EXPECT_FALSE(Object("main menu")->visible);
        if (c.screen == ScreenId::Info) {
            EXPECT_EQ(App().infoReturnScreen, ScreenId::MainMenu);
        }
        if (c.screen == ScreenId::ExitConfirm) {
            EXPECT_EQ(App().exitReturnScreen, ScreenId::MainMenu);
        }
        // Back to the menu as the frame tick does when that screen is left.
        Scene().PostEvent(c.screen == ScreenId::Topics       ? "ekran_glowny po tematach wjazd"
                          : c.screen == ScreenId::HallOfFame ? "ekran_glowny po halloffame wjazd"
                          : c.screen == ScreenId::Info       ? "ekran_glowny po info wjazd"
                                                             : "ekran_glowny po koniec wjazd",
                          1);
        RunTicks(1);
        ASSERT_EQ(Screen(), ScreenId::MainMenu);
        WaitUntilStill("main menu");
    }
}

TEST_F(GameTest, SecondClickDuringTheLeaveSchedulesNothingMore) {
    LoadToUserName();
    EnterName(u"ana");
    ChooseMenuLine(3);
    ASSERT_EQ(Scene().events.size(), 1u);
    RunTicks(5);
    ClickObject("main menu");
    EXPECT_EQ(Scene().events.size(), 1u);
    RunTicks(74);
    EXPECT_EQ(Screen(), ScreenId::Info);
    RunTicks(100);
    EXPECT_EQ(Screen(), ScreenId::Info);
}

TEST_F(GameTest, KeysDoNothingInTheMainMenu) {
    LoadToUserName();
    EnterName(u"ana");
    Type(u"\rx");  // characters; Return is a key of its own
    EXPECT_TRUE(Scene().events.empty());
    EXPECT_FALSE(App().transitionLock);
}

TEST_F(GameTest, NoFromTheMenuReturnsToTheMenuWithTheLogoFlyingIn) {
    LoadToUserName();
    EnterName(u"ana");
    ChooseMenuLine(4);
    RunTicks(80);
    ASSERT_EQ(Screen(), ScreenId::ExitConfirm);
    Type(u"\r");  // characters are ignored here
    EXPECT_TRUE(Scene().events.empty());
    ChooseLine("menu tak-nie", 1);
    ClickObject("menu tak-nie");  // a second answer while the question leaves is ignored
    EXPECT_EQ(Scene().events.size(), 1u);
    RunTicks(49);
    EXPECT_EQ(Screen(), ScreenId::MainMenu);
    EXPECT_FALSE(Object("areyousure")->visible);
    EXPECT_TRUE(Object("lexa")->visible);
    EXPECT_TRUE(Object("lexa")->motionPath != nullptr);  // flying in again
}

TEST_F(GameTest, NoFromTheNameScreenReturnsThereWithTheTypedName) {
    LoadToUserName();
    Type(u"ana");
    WaitUntilStill("przerwij");
    ClickObject("przerwij");
    ClickObject("przerwij");  // a second click during the leave is ignored
    EXPECT_EQ(Scene().events.size(), 1u);
    Type(u"x");  // the screen is still current while it leaves, so typing still reaches it
    EXPECT_EQ(TextOf("user"), "anax");
    RunTicks(99);
    ASSERT_EQ(Screen(), ScreenId::ExitConfirm);
    EXPECT_EQ(App().exitReturnScreen, ScreenId::UserName);
    EXPECT_FALSE(Object("user")->visible);
    ChooseLine("menu tak-nie", 1);
    RunTicks(50);
    EXPECT_EQ(Screen(), ScreenId::UserName);
    EXPECT_TRUE(Object("user")->visible);
    EXPECT_EQ(TextOf("user"), "anax");
}

TEST_F(GameTest, YesThenTheInformationArrowEndsTheProgramWithStatusZero) {
    LoadToUserName();
    EnterName(u"ana");
    ChooseMenuLine(4);
    RunTicks(80);
    ChooseLine("menu tak-nie", 0);
    RunTicks(50);
    ASSERT_EQ(Screen(), ScreenId::Info);
    EXPECT_EQ(App().infoReturnScreen, ScreenId::None);
    EXPECT_EQ(platform::headless::ExitStatus(), -1000);  // not yet: the panel comes first
    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    EXPECT_EQ(platform::headless::ExitStatus(), 0);
    EXPECT_TRUE(Scene().events.empty());
}

TEST_F(GameTest, InformationScreenOpensTheHelpPageOnceForAStrayClickAndNeverForKeys) {
    LoadToUserName();
    EnterName(u"ana");
    ChooseMenuLine(3);
    RunTicks(80);
    ASSERT_EQ(Screen(), ScreenId::Info);
    WaitUntilStill("arrownext");

    const std::string help = HelpAddress();
    EXPECT_EQ(help, "file://" + folder + "data/help.html");
    Type(u"hola\r\x1b");
    EXPECT_TRUE(platform::headless::OpenedAddresses().empty()) << "typed characters open nothing";
    ClickAt(2, 2);
    EXPECT_EQ(platform::headless::OpenedAddresses(), std::vector<std::string>{help});
    ClickAt(3, 3);
    platform::headless::Click(platform::Click{true, false, false});  // with Shift
    EXPECT_EQ(platform::headless::OpenedAddresses().size(), 1u) << "once while the panel stands";
    RunTicks(60);
    EXPECT_EQ(Screen(), ScreenId::Info);
    EXPECT_TRUE(Scene().events.empty());

    // Only the arrow goes on, back to the menu here; a second click on it while it leaves opens
    // nothing either.
    platform::headless::ClearRecords();
    ClickObject("arrownext");
    platform::headless::Click();
    EXPECT_TRUE(platform::headless::OpenedAddresses().empty());
    RunTicks(50);
    EXPECT_EQ(Screen(), ScreenId::MainMenu);
    EXPECT_EQ(platform::headless::ExitStatus(), -1000);

    // The panel standing again may open the page again, once.
    WaitUntilStill("main menu");
    ChooseMenuLine(3);
    RunTicks(80);
    ASSERT_EQ(Screen(), ScreenId::Info);
    WaitUntilStill("arrownext");
    ClickAt(2, 2);
    ClickAt(2, 2);
    EXPECT_EQ(platform::headless::OpenedAddresses(), std::vector<std::string>{help});
}

TEST_F(GameTest, InformationAfterATopicGoesOnToLearningOrTestByTheMenuChoice) {
    LoadToUserName();
    EnterName(u"ana");
    for (SessionMode mode : {SessionMode::Learning, SessionMode::Test}) {
        SCOPED_TRACE(static_cast<int>(mode));
        App().sessionMode = mode;
        Scene().PostEvent("ekran_info po tematach wjazd", 1);
        RunTicks(1);
        ASSERT_EQ(Screen(), ScreenId::Info);
        EXPECT_EQ(App().infoReturnScreen,
                  mode == SessionMode::Learning ? ScreenId::Learning : ScreenId::Test);
        WaitUntilStill("arrownext");
        ClickObject("arrownext");
        RunTicks(50);
        EXPECT_EQ(Screen(), mode == SessionMode::Learning ? ScreenId::Learning : ScreenId::Test);
        EXPECT_FALSE(Object("corvina_info")->visible);
        EXPECT_FALSE(App().transitionLock);
    }
}

TEST_F(GameTest, UnknownEventIsDroppedAndKeepsTheScreenAndItsLock) {
    LoadToUserName();
    App().transitionLock = true;
    Scene().PostEvent("ekran_glowny po username", 1);  // not a name of the table
    // A debug build stops at it; the shipped game reports it, drops it and plays on.
    EXPECT_DEBUG_DEATH(RunTicks(1), "unknown event \"ekran_glowny po username\"");
#ifdef NDEBUG
    EXPECT_EQ(UnknownNameCount(UnknownName::EventName), 1);
    ClearUnknownNames();
    EXPECT_EQ(Screen(), ScreenId::UserName);
    EXPECT_TRUE(App().transitionLock);
    EXPECT_TRUE(Scene().events.empty());
#endif
}

TEST_F(GameTest, MissingObjectIsReportedAndSkipped) {
    LoadToUserName();
    Object(key::kNameField)->name = "renamed";
    // A debug build stops at the first lookup that finds nothing.
    EXPECT_DEBUG_DEATH(Key('a'), "no scene object \"user\"");
#ifdef NDEBUG
    Key(13);  // typing and accepting both look the field up; neither touches it
    EXPECT_EQ(UnknownNameCount(UnknownName::ObjectKey), 2);
    ClearUnknownNames();
    EXPECT_EQ(TextOf("renamed"), "");
    EXPECT_EQ(Screen(), ScreenId::UserName);
    EXPECT_TRUE(Scene().events.empty());
#endif
    Object("renamed")->name = key::kNameField;
}
