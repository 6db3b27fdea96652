// A run's end under faults, played through the headless window on a topic of one word and checked
// on the files' bytes: a full disk, a folder that turns read-only after the start, a second game
// saving the same topic while this run is on, the window closed right after the run ended, and
// the folder's lock held by another game or not a file at all.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "formats/WordFileFormat.h"
#include "learning/HallOfFame.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/RepetitionStore.h"
#include "learning/SaveFolderLock.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "platform/SafeFileWrite.h"
#include "screens/MainMenu.h"
#include "tests/GameHarness.h"
#include "tests/Utf16Bytes.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace fs = std::filesystem;

namespace {

enum class SaveFault {
    FullFolder,
    ReadOnlyAfterStart,
    TwoGamesInterleaved,
    CloseRightAfterTheRunEnds,
    LockHeldByAnotherGame,
    LockIsAFifo,
    CloseWhileTheLockIsHeld
};

struct SaveFaultCase {
    SaveFault fault;
    const char* name;
    const char16_t* answer;      // "perro" passes the one-word topic, anything else fails it
    int32_t countAfter;          // the topic's one count on disk at the end; it was 3 before the run
    const char16_t* hallOfFame;  // the file's lines at the end; nullptr: no file
    const char* told;            // the one message box, "{data}" for the save folder; nullptr: no box
    ScreenId next;
    bool unlocksNext = false;  // the next topic's file of zeros is written
    // How the box speaks: titled "lexaDRILL" for the game's own news, with the error icon when
    // progress was lost.
    platform::MessageKind toldAs = platform::MessageKind::Information;
};

const SaveFaultCase kSaveFaultCases[] = {
    // Nothing written: the design's "nothing unlocked" road (the main menu), not the next level.
    {SaveFault::FullFolder, "FullFolder", u"perro", 3, nullptr,
     "Progress not saved in {data}: No space left on device", ScreenId::MainMenu, false,
     platform::MessageKind::Error},
    // The folder chosen at the start stays the folder: the saves fail there, none moves elsewhere.
    {SaveFault::ReadOnlyAfterStart, "ReadOnlyAfterStart", u"gato", 3, nullptr,
     "Progress not saved in {data}: Permission denied", ScreenId::GameOver, false,
     platform::MessageKind::Error},
    // The other game raised the count to 4 and entered the hall of fame; this run's wrong answer
    // raises it once more, and both entries stand.
    {SaveFault::TwoGamesInterleaved, "TwoGamesInterleaved", u"gato", 5, u"bea\t10\r\nana\t0\r\n", nullptr,
     ScreenId::GameOver},
    // The counts are kept with the hall-of-fame entry when the run ends, not 150 ticks later.
    {SaveFault::CloseRightAfterTheRunEnds, "CloseRightAfterTheRunEnds", u"gato", 4, u"ana\t0\r\n", nullptr,
     ScreenId::Test},
    // The game plays on while it waits for the lock, once, then saves without it and says so.
    {SaveFault::LockHeldByAnotherGame, "LockHeldByAnotherGame", u"perro", 2, u"ana\t20\r\n",
     "Progress saved in {data} without the folder's lock: another game held lexadrill.lock for more "
     "than 3 seconds",
     ScreenId::NextLevel, true},
    {SaveFault::LockIsAFifo, "LockIsAFifo", u"gato", 4, u"ana\t0\r\n",
     "Progress saved in {data} without the folder's lock: lexadrill.lock is not a regular file",
     ScreenId::GameOver},
    // Closing ends the wait: the run is saved at once (the terminal is told, no box holds the exit).
    {SaveFault::CloseWhileTheLockIsHeld, "CloseWhileTheLockIsHeld", u"gato", 4, u"ana\t0\r\n", nullptr,
     ScreenId::Test},
};

// Names the case in test listings (CTest's included) instead of its bytes.
void PrintTo(const SaveFaultCase& c, std::ostream* out) { *out << c.name; }

std::string LittleEndian(int32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(uint32_t(value) >> shift));
    return bytes;
}

class SaveFaultTest : public GameTest, public ::testing::WithParamInterface<SaveFaultCase> {
protected:
    void PrepareFolder() override {
        std::ofstream(folder + "data/words_free.enc", std::ios::binary)
            << "\xFF\xFE" + Utf16Le(EncodeLine(u"dog;perro") + u"\r\n");
        std::ofstream(Counts(), std::ios::binary) << LittleEndian(3);
    }

    void TearDown() override {
        if (otherGameLock >= 0) close(otherGameLock);
        safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
        if (geteuid() == 0) setfsuid(0);
        std::error_code ignored;
        fs::permissions(folder + "data", fs::perms::owner_all, fs::perm_options::add, ignored);
        GameTest::TearDown();
    }

    std::string Counts() const { return folder + "data/0-30_rep.dat"; }
    std::string LockFile() const { return folder + "data/" + kSaveLockFile; }

    // Another game's hold on the save folder's lock, kept until the test ends.
    void AnotherGameHoldsTheLock() {
        otherGameLock = open(LockFile().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        ASSERT_EQ(flock(otherGameLock, LOCK_EX | LOCK_NB), 0);
    }
    int otherGameLock = -1;

    void StartTestRun() {
        LoadToUserName();
        EnterName(u"ana");
        OpenTopicInfo(LineOf(MenuLine::Test), 0);
        WaitUntilStill("arrownext");
        ClickObject("arrownext");
        RunUntilScreen(ScreenId::Test);
        ASSERT_EQ(WordCount(Run().words), 1u);
    }

    // Another game on the same folder plays the topic, answers wrong, and saves its counts and its
    // hall-of-fame entry: the same code on the state that game's process would hold.
    void AnotherGameSaves() {
        WordList ours = std::move(Run().words);
        std::vector<HallOfFameEntry> ourHallOfFame = std::move(TheLearner().hallOfFame);
        Run().words = WordList{};
        LoadTopicEntries(Run().words, App().wordFilePath, 0, 30);
        LoadRepetitions(Run().words, 0, 30);
        ASSERT_EQ(ChooseNextWord(Run().words), 0);
        MarkWrong(Run().words);
        EXPECT_TRUE(SaveRepetitions(Run().words, 0, 30));
        LoadHallOfFame(TheLearner());
        AddHallOfFameEntry(TheLearner(), u"bea", 10);
        EXPECT_TRUE(SaveHallOfFame(TheLearner()));
        Run().words = std::move(ours);
        TheLearner().hallOfFame = std::move(ourHallOfFame);
        ASSERT_EQ(ReadFile(Counts()), LittleEndian(4));
    }
};

TEST_P(SaveFaultTest, TheRunsFilesAreKeptOrTheFailureIsTold) {
    const SaveFaultCase& c = GetParam();
    StartTestRun();
    switch (c.fault) {
        case SaveFault::FullFolder:
            safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::Write);
            break;
        case SaveFault::ReadOnlyAfterStart:
            fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
            fs::permissions(folder + "data",
                            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
            // Permissions do not bind root: the game's file access then runs as nobody.
            if (geteuid() == 0) setfsuid(65534);
            ASSERT_FALSE(std::ofstream(folder + "data/probe").good()) << "data/ is still writable";
            break;
        case SaveFault::TwoGamesInterleaved:
            AnotherGameSaves();
            break;
        case SaveFault::CloseRightAfterTheRunEnds:
            break;
        case SaveFault::LockHeldByAnotherGame:
        case SaveFault::CloseWhileTheLockIsHeld:
            AnotherGameHoldsTheLock();
            break;
        case SaveFault::LockIsAFifo:
            ASSERT_EQ(mkfifo(LockFile().c_str(), 0444), 0);
            break;
    }

    Type(c.answer);
    double longestStepMs = 0;  // the longest the game's thread spent in a key or a tick
    const auto timed = [&longestStepMs](const std::function<void()>& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        longestStepMs = std::max(
            longestStepMs,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    };
    timed([&] { Key(13); });
    ASSERT_TRUE(Run().test.answerEvaluated);
    if (c.fault == SaveFault::CloseRightAfterTheRunEnds || c.fault == SaveFault::CloseWhileTheLockIsHeld) {
        timed([] { platform::headless::Close(); });
    } else {
        int ticks = 0;
        for (; Screen() != c.next && ticks < 600; ++ticks) timed([&] { RunTicks(1); });
        ASSERT_EQ(Screen(), c.next);
        // The usual delay (150 ticks at most) and one wait for the lock at most, in ticks.
        EXPECT_LE(ticks, 150 + static_cast<int>(kLockWaitMs * 64 / 1000) + 2);
        std::printf("%s: next screen after %d ticks (%.2f s), longest step %.1f ms\n", c.name, ticks,
                    ticks / 64.0, longestStepMs);
    }
    // Generous: a wait for the lock on the game's thread takes three seconds.
    EXPECT_LT(longestStepMs, 2000.0) << "the game stood still";
    safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
    if (geteuid() == 0) setfsuid(0);

    EXPECT_EQ(ReadFile(Counts()), LittleEndian(c.countAfter));
    const std::string hallOfFameFile = folder + "data/hof.hof";
    if (c.hallOfFame != nullptr) {
        EXPECT_EQ(ReadFile(hallOfFameFile), "\xFF\xFE" + Utf16Le(c.hallOfFame));
    } else {
        EXPECT_FALSE(fs::exists(hallOfFameFile));
    }
    if (c.unlocksNext) {
        EXPECT_EQ(ReadFile(folder + "data/30-60_rep.dat"), std::string(120, '\0'));
    } else {
        EXPECT_FALSE(fs::exists(folder + "data/30-60_rep.dat")) << "nothing unlocked";
    }
    EXPECT_FALSE(fs::exists(PlayerFolder())) << "no save went elsewhere";
    if (c.told != nullptr) {
        std::string told = c.told;
        told.replace(told.find("{data}"), 6, folder + "data/");
        EXPECT_EQ(platform::headless::Messages(), std::vector<std::string>{told})
            << "one box for the run, its later saves failing too";
        EXPECT_EQ(platform::headless::MessageKinds(), std::vector<platform::MessageKind>{c.toldAs});
    } else {
        EXPECT_TRUE(platform::headless::Messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest, ::testing::ValuesIn(kSaveFaultCases),
                         [](const ::testing::TestParamInfo<SaveFaultCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
