// A run's end under faults, played through the headless window on a topic of one word and checked
// on the files' bytes: a full disk, a folder that turns read-only after the start, a second game
// saving the same topic while this run is on, and the window closed right after the run ended.
#include <sys/fsuid.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "formats/SafeFileWrite.h"
#include "formats/WordFileFormat.h"
#include "learning/HallOfFame.h"
#include "learning/RepetitionStore.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "tests/GameHarness.h"
#include "tests/Utf16Bytes.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTestLine = 1;

enum class SaveFault { FullFolder, ReadOnlyAfterStart, TwoGamesInterleaved, CloseRightAfterTheRunEnds };

struct SaveFaultCase {
    SaveFault fault;
    const char* name;
    const char16_t* answer;      // "perro" passes the one-word topic, anything else fails it
    int32_t countAfter;          // the topic's one count on disk at the end; it was 3 before the run
    const char16_t* hallOfFame;  // the file's lines at the end; nullptr: no file
    const char* told;            // the reason the one message box gives; nullptr: no box
    ScreenId next;
};

const SaveFaultCase kCases[] = {
    // Nothing written: the design's "nothing unlocked" road (the main menu), not the next level.
    {SaveFault::FullFolder, "FullFolder", u"perro", 3, nullptr, "No space left on device",
     ScreenId::MainMenu},
    // The folder chosen at the start stays the folder: the saves fail there, none moves elsewhere.
    {SaveFault::ReadOnlyAfterStart, "ReadOnlyAfterStart", u"gato", 3, nullptr, "Permission denied",
     ScreenId::GameOver},
    // The other game raised the count to 4 and entered the hall of fame; this run's wrong answer
    // raises it once more, and both entries stand.
    {SaveFault::TwoGamesInterleaved, "TwoGamesInterleaved", u"gato", 5, u"bea\t10\r\nana\t0\r\n", nullptr,
     ScreenId::GameOver},
    // The counts are kept with the hall-of-fame entry when the run ends, not 150 ticks later.
    {SaveFault::CloseRightAfterTheRunEnds, "CloseRightAfterTheRunEnds", u"gato", 4, u"ana\t0\r\n", nullptr,
     ScreenId::Test},
};

// Names the case in test listings (CTest's included) instead of its bytes.
void PrintTo(const SaveFaultCase& c, std::ostream* out) { *out << c.name; }

std::string LittleEndian(int32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(uint32_t(value) >> shift));
    return bytes;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SaveFaultTest : public GameTest, public ::testing::WithParamInterface<SaveFaultCase> {
protected:
    void PrepareFolder() override {
        std::ofstream(folder + "data/words_free.enc", std::ios::binary)
            << "\xFF\xFE" + Utf16Le(EncodeLine(u"dog;perro") + u"\r\n");
        std::ofstream(Counts(), std::ios::binary) << LittleEndian(3);
    }

    void TearDown() override {
        safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
        if (geteuid() == 0) setfsuid(0);
        std::error_code ignored;
        fs::permissions(folder + "data", fs::perms::owner_all, fs::perm_options::add, ignored);
        GameTest::TearDown();
    }

    std::string Counts() const { return folder + "data/0-30_rep.dat"; }

    void StartTestRun() {
        LoadToUserName();
        EnterName(u"ana");
        OpenTopicInfo(kTestLine, 0);
        WaitUntilStill("arrownext");
        ClickObject("arrownext");
        RunUntilScreen(ScreenId::Test);
        ASSERT_EQ(WordCount(), 1u);
    }

    // Another game on the same folder plays the topic, answers wrong, and saves its counts and its
    // hall-of-fame entry: the same code on the state that game's process would hold.
    void AnotherGameSaves() {
        WordList ours = std::move(wordList);
        std::vector<HallOfFameEntry> ourHallOfFame = std::move(hallOfFame);
        wordList = WordList{};
        LoadTopicEntries(app->wordFilePath, 0, 30);
        LoadRepetitions(0, 30);
        ASSERT_EQ(ChooseNextWord(), 0);
        MarkWrong();
        EXPECT_TRUE(SaveRepetitions(0, 30));
        LoadHallOfFame();
        AddHallOfFameEntry(u"bea", 10);
        EXPECT_TRUE(SaveHallOfFame());
        wordList = std::move(ours);
        hallOfFame = std::move(ourHallOfFame);
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
    }

    Type(c.answer);
    Key(13);
    ASSERT_TRUE(testRun.answerEvaluated);
    if (c.fault == SaveFault::CloseRightAfterTheRunEnds) {
        platform::headless::Close();
    } else {
        RunUntilScreen(c.next);
    }
    safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
    if (geteuid() == 0) setfsuid(0);

    EXPECT_EQ(ReadFile(Counts()), LittleEndian(c.countAfter));
    const std::string hallOfFameFile = folder + "data/hof.hof";
    if (c.hallOfFame != nullptr) {
        EXPECT_EQ(ReadFile(hallOfFameFile), "\xFF\xFE" + Utf16Le(c.hallOfFame));
    } else {
        EXPECT_FALSE(fs::exists(hallOfFameFile));
    }
    EXPECT_FALSE(fs::exists(folder + "data/30-60_rep.dat")) << "nothing unlocked";
    EXPECT_FALSE(fs::exists(PlayerFolder())) << "no save went elsewhere";
    if (c.told != nullptr) {
        EXPECT_EQ(platform::headless::Messages(),
                  std::vector<std::string>{"Progress not saved in " + folder + "data/: " + c.told})
            << "one box for the run, its later saves failing too";
    } else {
        EXPECT_TRUE(platform::headless::Messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SaveFaultCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
