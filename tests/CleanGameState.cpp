// The game's own state lives in each test's application, but the platform services are
// process-wide, and ctest gives every test a process of its own; run as one process (in order or
// shuffled), each test would otherwise see what the one before it left: the headless folder, clock
// and exit status, the save folder's decision, the record's session.
// This listener gives every test the state a fresh process starts with. It also gives the tests a
// player's data folder of their own: a test whose game folder cannot be written would otherwise
// save into the real $HOME/.local/share/lexadrill/ of whoever runs the suite; and it keeps the
// game from reaching (or starting) the real speech service of whoever runs it.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "game/names/UnknownNames.h"
#include "game/saves/SaveFolder.h"
#include "platform/Platform.h"
#include "platform/Speech.h"
#include "record/RecordStore.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace {

class CleanGameState : public ::testing::EmptyTestEventListener {
    void OnTestProgramStart(const ::testing::UnitTest&) override {
        playerData = "/tmp/lexadrill_tests_player_" + std::to_string(getpid());
    }
    void OnTestProgramEnd(const ::testing::UnitTest&) override {
        std::error_code ignored;
        std::filesystem::remove_all(playerData, ignored);
    }
    void OnTestStart(const ::testing::TestInfo&) override {
        setenv("XDG_DATA_HOME", playerData.c_str(), 1);
        // No speech service unless a test stands its fake one there: nothing listens at this
        // socket, and a named address never lets the game start the real service.
        platform::StopSpeech();
        setenv("SPEECHD_ADDRESS", ("unix_socket:" + playerData + "/no-speech-service").c_str(), 1);
        platform::ObserveSpeechRequests(nullptr);
        platform::headless::Reset();
        ClearUnknownNames();
        ForgetSaveFolder();
        record::StopRecord();
        platform::UseClockDay();
    }

    std::string playerData;
};

[[maybe_unused]] const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CleanGameState);
    return true;
}();

}  // namespace
