// End-to-end harness: plays the real game on the headless platform as a person would. A fresh
// game folder per test (the built data/ and gfx/ without saved results), ticks run one at a time,
// characters typed code unit by code unit, and clicks placed by projecting an object's real bounds
// to window pixels exactly as the scene's hover pass does, so a click only lands where a player's
// would.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "engine/GLObject.h"
#include "engine/GLScene.h"
#include "game/state/AppContext.h"
#include "tests/GameDriver.h"

using WindowPoint = gamedriver::WindowPoint;

// The designed topics, before any own list's.
constexpr int kDesignedTopics = 12;
// A desktop whose play window (512 x 307) is quick to draw and read back.
constexpr int kSmallDesktopWidth = 640, kSmallDesktopHeight = 480;

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Called by SetUp once the game folder is laid out, before the game starts: a test can change
    // what the game will find there.
    virtual void PrepareFolder() {}
    // The folder the game runs from as its executable's: the laid-out game folder, unless a test
    // plays another tree.
    virtual std::string ExecutableFolder() const { return folder; }
    // Where the content laid out in the test's game folder comes from (its data/ and gfx/): the
    // build, unless a test plays another tree.
    virtual std::string ContentFolder() const { return LEXADRILL_BUILD_DIR; }
    // The player's data folder the game uses when its own is read-only.
    std::string PlayerFolder() const { return folder + "player/lexadrill/"; }
    // Starts the game on the headless platform (SetUp does), or ends it and starts it afresh.
    void StartGame();
    void RestartGame();

    // The game folder of this test, ending in '/'.
    std::string folder;
    // Word lists the game is started with, as if named on its command line (handed over once).
    std::vector<std::string> commandLineLists;

    void RunTicks(int n);
    // Runs one tick that draws its frame, so the window holds the current picture (the ticks
    // before it only stepped, as ticks behind the clock do, and show nothing else).
    void RunDrawnTick();
    // The play window's picture as the player sees it: rows bottom up, three bytes a pixel; read
    // after a drawn tick (RunDrawnTick, platform::headless::DrawTicks).
    std::vector<unsigned char> WindowPicture();
    // Each UTF-16 code unit as one typed character.
    void Type(const std::u16string& text);
    // What the keyboard sends for a code: 13 the Return key, 8 the Backspace key; any other code
    // (a letter, Tab, or a control character no key types) a typed character.
    void Key(int code);

    // Places the cursor over the object, runs one tick so the hover pass sees it, then clicks. A
    // text list is clicked on its selected line (the click that chooses it).
    void ClickObject(const std::string& key);
    // Clicks shown line `line` of a text list (a line not selected is only selected by it).
    void ClickLine(const std::string& listKey, int line);
    void ClickChildOf(const std::string& parentKey, const std::string& childKey);
    void ClickOn(GLObject* object);
    void ClickAt(int x, int y);

    // FindObject, failing the test (by throwing) when the key does not exist.
    GLObject* Object(const std::string& key);
    GLObject* ChildOf(const std::string& parentKey, const std::string& childKey);
    // UTF-8 of the text object's GetText().
    std::string TextOf(const std::string& key);
    // The middle of the window rectangle in which the object counts as hovered.
    WindowPoint CentreOf(GLObject* object);
    // Runs ticks until done() holds, at most maxTicks; the test fails when it never does.
    void RunUntil(const std::function<bool()>& done, int maxTicks = 600);
    void RunUntilScreen(ScreenId screen);
    // From the main menu, standing still, through the topics (choosing `menuLine`) to the
    // information panel of topic `row`.
    void OpenTopicInfo(int menuLine, int row);
    // The same in test mode, then on from the information panel into the test of topic `row`.
    void StartTestOf(int row);

    // Runs ticks until the object and its children have no motion or fade left (at most 600).
    void WaitUntilStill(GLObject* object);
    void WaitUntilStill(const std::string& key) { WaitUntilStill(Object(key)); }

    // The loading step (first tick) and the 80 ticks until the user-name screen enters.
    void LoadToUserName();
    // Types the name, presses Enter and waits until the main menu stands still.
    void EnterName(const std::u16string& name);
    // Moves the selection of a text list with its arrows to `line`, then clicks the list.
    void ChooseLine(const std::string& listKey, int line);
    void ChooseMenuLine(int line) { ChooseLine("main menu", line); }

    ScreenId Screen() const { return App().currentScreen; }

    // The game's state, from its one owner: the application's state and the scene only while the
    // game runs (between StartGame and the window's close).
    AppContext& App() const { return *application.Context(); }
    GLScene& Scene() const { return *application.Scene(); }
    Learner& TheLearner() { return application.TheLearner(); }
    LearningRun& Run() { return application.Run(); }
    // What the screens work on, for a test that calls a screen's own function.
    Game& State() { return state.emplace(application.State()); }

    // The game itself: one per test, so the learner and the run live as long as the test.
    Application application;
    std::optional<Game> state;
};

std::string Utf8(const std::u16string& text);
