// The game's state is process-wide by design, and ctest gives every test a process of its own; run
// as one process (in order or shuffled), each test would otherwise see what the one before it
// left: the headless folder, clock and exit status, textures in the table, a half-played run.
// This listener gives every test the state a fresh process starts with.
#include <gtest/gtest.h>

#include "engine/GLScene.h"
#include "engine/TextureTable.h"
#include "game/UnknownNames.h"
#include "learning/HallOfFame.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "platform/Platform.h"
#include "screens/HallOfFameScreen.h"
#include "screens/TestScreen.h"
#include "screens/TopicsScreen.h"
#include "tests/hooks/Headless.h"

namespace {

class CleanGameState : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        platform::headless::Reset();
        ResetTextureTable();
        clickPending = false;
        testRun = TestRun{};
        wordList = WordList{};
        hallOfFame.clear();
        topicPictureChanging = false;
        ClearUnknownNames();
    }
};

[[maybe_unused]] const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CleanGameState);
    return true;
}();

}  // namespace
