// See GameHarness.h.
#include "tests/GameHarness.h"

#include <GL/glu.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "app/Application.h"
#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/TextureTable.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

// Copies a content folder, leaving out what a previous run saved (results, repetition counts).
void CopyContent(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    if (!fs::exists(from)) return;
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        const std::string name = entry.path().filename().string();
        if (name == "hof.hof" || (name.size() >= 8 && name.compare(name.size() - 8, 8, "_rep.dat") == 0))
            continue;
        const fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory()) {
            fs::create_directories(target);
        } else {
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
        }
    }
}

// The view the hover pass projects with: the scene's view rotation (always zero in this game)
// and translation, and the 45-degree perspective of Render().
void ViewMatrices(double modelView[16], double projection[16]) {
    for (int i = 0; i < 16; ++i) modelView[i] = projection[i] = 0.0;
    modelView[0] = modelView[5] = modelView[10] = modelView[15] = 1.0;
    modelView[12] = scene->viewTranslation[0];
    modelView[13] = scene->viewTranslation[1];
    modelView[14] = scene->viewTranslation[2];

    const double nearPlane = 0.1, farPlane = 100.0;
    const double aspect = static_cast<double>(scene->width) / scene->height;
    const double f = 1.0 / std::tan(45.0 / 2.0 * M_PI / 180.0);
    projection[0] = f / aspect;
    projection[5] = f;
    projection[10] = (farPlane + nearPlane) / (nearPlane - farPlane);
    projection[11] = -1.0;
    projection[14] = 2.0 * farPlane * nearPlane / (nearPlane - farPlane);
}

bool MovingOrFading(const GLObject* object) {
    if (object->motionPath || object->fadePath || object->spinStep < object->spinTicks) return true;
    for (const GLObject* child : object->children) {
        if (MovingOrFading(child)) return true;
    }
    if (auto* list = dynamic_cast<const GLObjectTextList*>(object)) {
        if (list->scrollingUp || list->scrollingDown) return true;
        for (const GLObject* line : list->lines) {
            if (line->fadePath) return true;
        }
    }
    return false;
}

}  // namespace

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void GameTest::SetUp() {
    char pattern[] = "/tmp/lexadrill-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    folder = std::string(made) + "/";
    CopyContent(fs::path(LEXADRILL_BUILD_DIR) / "data", fs::path(folder) / "data");
    CopyContent(fs::path(LEXADRILL_BUILD_DIR) / "gfx", fs::path(folder) / "gfx");
    PrepareFolder();

    // ctest runs each test in its own process; this keeps a whole-suite run in one process honest.
    ResetTextureTable();
    platform::headless::Enable();
    platform::headless::Reset();
    platform::headless::SetExecutableFolder(folder);
    // A small desktop keeps software rendering quick: loading window 256 x 192, play 819 x 491.
    platform::headless::SetDesktopSize(1024, 768);
    ASSERT_TRUE(StartApplication());
    ASSERT_NE(app, nullptr);
    ASSERT_NE(scene, nullptr);
}

void GameTest::TearDown() {
    StopApplication();
    platform::headless::Reset();
    std::error_code ignored;
    if (!folder.empty()) fs::remove_all(folder, ignored);
}

void GameTest::RunTicks(int n) { platform::headless::RunTicks(n); }

void GameTest::Type(const std::u16string& text) {
    for (char16_t unit : text) platform::headless::Character(unit);
}

void GameTest::Key(int code) { platform::headless::Character(code); }

GLObject* GameTest::Object(const std::string& key) {
    GLObject* object = scene->FindObject(key);
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
    double modelView[16], projection[16];
    ViewMatrices(modelView, projection);
    const GLint viewport[4] = {0, 0, scene->width, scene->height};
    // The hover pass negates y so that window y grows downwards like the cursor's.
    double ax, ay, az, bx, by, bz;
    gluProject(object->bounds[0], -object->bounds[1], object->position[2], modelView, projection, viewport,
               &ax, &ay, &az);
    gluProject(object->bounds[3], -object->bounds[4], object->position[2], modelView, projection, viewport,
               &bx, &by, &bz);
    WindowPoint middle{static_cast<int>(std::lround((ax + bx) / 2)),
                       static_cast<int>(std::lround((ay + by) / 2))};
    // The hover test is strict on every side: the point must lie inside, not on an edge.
    if (!(bx > middle.x && middle.x > ax && by < middle.y && middle.y < ay)) {
        throw std::runtime_error("\"" + object->name + "\" covers no pixel of the window");
    }
    return middle;
}

void GameTest::ClickOn(GLObject* object) {
    const WindowPoint point = CentreOf(object);
    platform::headless::SetCursor(point.x, point.y);
    RunTicks(1);
    EXPECT_TRUE(object->hovered) << "the cursor at (" << point.x << ", " << point.y << ") does not hover \""
                                 << object->name << "\"";
    platform::headless::Click(1);
}

void GameTest::ClickObject(const std::string& key) { ClickOn(Object(key)); }

void GameTest::ClickChildOf(const std::string& parentKey, const std::string& childKey) {
    ClickOn(ChildOf(parentKey, childKey));
}

void GameTest::ClickAt(int x, int y) {
    platform::headless::SetCursor(x, y);
    RunTicks(1);
    platform::headless::Click(1);
}

void GameTest::WaitUntilStill(GLObject* object) {
    for (int tick = 0; tick < 600 && MovingOrFading(object); ++tick) RunTicks(1);
    EXPECT_FALSE(MovingOrFading(object)) << "\"" << object->name << "\" never came to rest";
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
