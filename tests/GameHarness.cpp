// See GameHarness.h.
#include "tests/GameHarness.h"

#include <GL/gl.h>
#include <SDL_keycode.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "app/Application.h"
#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "game/names/UnknownNames.h"
#include "platform/Platform.h"
#include "tests/hooks/Headless.h"
#include "unicode/Utf8Utf16.h"

std::string Utf8(const std::u16string& text) { return Utf16ToUtf8(text); }

void GameTest::SetUp() {
    char pattern[] = "/tmp/lexadrill-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    folder = std::string(made) + "/";
    gamedriver::LayOutGameFolder(ContentFolder(), folder);
    // A game folder made read-only keeps its saves here, never in the real home.
    setenv("XDG_DATA_HOME", (folder + "player").c_str(), 1);
    PrepareFolder();
    StartGame();
}

void GameTest::StartGame() {
    // ctest runs each test in its own process; this keeps a whole-suite run in one process honest.
    platform::headless::Enable();
    platform::headless::Reset();
    platform::headless::SetExecutableFolder(ExecutableFolder());
    // A small desktop keeps software rendering quick: loading window 256 x 192, play 819 x 491.
    platform::headless::SetDesktopSize(1024, 768);
    platform::headless::SetSurfaceSize(1024, 768);  // the whole play window can be read back
    // A frame nobody reads is not drawn: ticks only step, as ticks behind the clock do, unless
    // the test looks at the picture (DrawTicks, ObserveTicks).
    platform::headless::DrawTicks(false);
    ASSERT_TRUE(application.Start(std::exchange(commandLineLists, {})));
    ASSERT_NE(application.Context(), nullptr);
    ASSERT_NE(application.Scene(), nullptr);
}

void GameTest::RestartGame() {
    application.Stop();
    StartGame();
}

void GameTest::TearDown() {
    application.Stop();
    // Every key the game looked up found its object and every event it posted had a table row.
    EXPECT_EQ(UnknownNameCount(UnknownName::ObjectKey), 0) << "scene lookups that found nothing";
    EXPECT_EQ(UnknownNameCount(UnknownName::EventName), 0) << "events no table knows";
    unsetenv("XDG_DATA_HOME");
    platform::headless::Reset();
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
}

void GameTest::RunTicks(int n) { platform::headless::RunTicks(n); }

void GameTest::RunDrawnTick() {
    platform::headless::DrawTicks(true);
    RunTicks(1);
    platform::headless::DrawTicks(false);
}

std::vector<unsigned char> GameTest::WindowPicture() {
    EXPECT_TRUE(platform::headless::LastTickShown()) << "the picture is read after a drawn tick";
    std::vector<unsigned char> rgb(static_cast<size_t>(Scene().width) * Scene().height * 3);
    platform::MakeContextCurrent();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, Scene().width, Scene().height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

void GameTest::Type(const std::u16string& text) {
    for (char16_t unit : text) platform::headless::Character(unit);
}

void GameTest::Key(int code) {
    if (code == 13) {
        platform::headless::PressKey(SDLK_RETURN);
    } else if (code == 8) {
        platform::headless::PressKey(SDLK_BACKSPACE);
    } else {
        platform::headless::Character(static_cast<char16_t>(code));
    }
}

GLObject* GameTest::Object(const std::string& key) {
    GLObject* object = Scene().FindObject(key);
    if (object == nullptr) throw std::runtime_error("no scene object with key \"" + key + "\"");
    return object;
}

GLObject* GameTest::ChildOf(const std::string& parentKey, const std::string& childKey) {
    GLObject* child = FindObjectIn(Object(parentKey)->children, childKey);
    if (child == nullptr) throw std::runtime_error("\"" + parentKey + "\" has no child \"" + childKey + "\"");
    return child;
}

std::string GameTest::TextOf(const std::string& key) {
    auto* text = dynamic_cast<GLObjectText*>(Object(key));
    if (text == nullptr) throw std::runtime_error("\"" + key + "\" is not a text object");
    return Utf8(text->GetText());
}

WindowPoint GameTest::CentreOf(GLObject* object) {
    WindowPoint middle;
    if (!gamedriver::HoverPoint(Scene(), object, middle)) {
        throw std::runtime_error("\"" + object->name + "\" covers no pixel of the window");
    }
    return middle;
}

void GameTest::ClickOn(GLObject* object) {
    if (auto* list = dynamic_cast<GLObjectTextList*>(object)) {
        ClickLine(list->name, list->selected);
        return;
    }
    const WindowPoint point = CentreOf(object);
    platform::headless::SetCursor(point.x, point.y);
    RunTicks(1);
    EXPECT_TRUE(object->hovered) << "the cursor at (" << point.x << ", " << point.y << ") does not hover \""
                                 << object->name << "\"";
    platform::headless::Click();
}

void GameTest::ClickObject(const std::string& key) { ClickOn(Object(key)); }

void GameTest::ClickLine(const std::string& listKey, int line) {
    auto* list = dynamic_cast<GLObjectTextList*>(Object(listKey));
    ASSERT_NE(list, nullptr) << listKey << " is not a text list";
    WindowPoint point;
    ASSERT_TRUE(gamedriver::LineHoverPoint(Scene(), list, line, point))
        << "line " << line << " of " << listKey;
    platform::headless::SetCursor(point.x, point.y);
    RunTicks(1);
    EXPECT_EQ(list->hoveredLine, line) << "the cursor at (" << point.x << ", " << point.y
                                       << ") does not hover line " << line << " of \"" << listKey << "\"";
    platform::headless::Click();
}

void GameTest::ClickChildOf(const std::string& parentKey, const std::string& childKey) {
    ClickOn(ChildOf(parentKey, childKey));
}

void GameTest::ClickAt(int x, int y) {
    platform::headless::SetCursor(x, y);
    RunTicks(1);
    platform::headless::Click();
}

void GameTest::WaitUntilStill(GLObject* object) {
    EXPECT_TRUE(gamedriver::WaitUntilStill(object)) << "\"" << object->name << "\" never came to rest";
}

void GameTest::RunUntil(const std::function<bool()>& done, int maxTicks) {
    for (int tick = 0; tick < maxTicks && !done(); ++tick) RunTicks(1);
    ASSERT_TRUE(done()) << "still waiting after " << maxTicks << " ticks";
}

void GameTest::RunUntilScreen(ScreenId screen) {
    RunUntil([&] { return Screen() == screen; });
}

void GameTest::OpenTopicInfo(int menuLine, int row) {
    ChooseMenuLine(menuLine);
    RunUntilScreen(ScreenId::Topics);
    WaitUntilStill("main menu 2");
    RunTicks(30);  // any picture change of the entry has ended
    ChooseLine("main menu 2", row);
    RunUntilScreen(ScreenId::Info);
}

void GameTest::StartTestOf(int row) {
    OpenTopicInfo(1, row);
    WaitUntilStill("arrownext");
    ClickObject("arrownext");
    RunUntilScreen(ScreenId::Test);
}

void GameTest::LoadToUserName() {
    RunTicks(1);
    RunTicks(80);
    ASSERT_EQ(Screen(), ScreenId::UserName);
}

void GameTest::EnterName(const std::u16string& name) {
    Type(name);
    Key(13);
    RunTicks(100);
    ASSERT_EQ(Screen(), ScreenId::MainMenu);
    WaitUntilStill("main menu");
}

void GameTest::ChooseLine(const std::string& listKey, int line) {
    auto* list = dynamic_cast<GLObjectTextList*>(Object(listKey));
    ASSERT_NE(list, nullptr) << listKey << " is not a text list";
    WaitUntilStill(list);
    for (int guard = 0; guard < 50 && list->selected != line; ++guard) {
        ClickChildOf(listKey, list->selected < line ? "arrowdown" : "arrowup");
        WaitUntilStill(list);
    }
    ASSERT_EQ(list->selected, line);
    ClickOn(list);
}
