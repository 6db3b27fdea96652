// The game on a damaged game folder (read-only, parts missing, files cut or full of garbage) still
// starts, plays and ends; a save that fails half-way leaves the old hall of fame and repetition
// file as they were.
#include <sys/fsuid.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/SafeFileWrite.h"
#include "learning/TestScreen.h"
#include "learning/WordList.h"
#include "tests/GameHarness.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLearnLine = 0, kTestLine = 1, kResultsLine = 2;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A save's temporary file left behind in the folder.
bool HasTemporaryFile(const std::string& path) {
    for (const auto& entry : fs::directory_iterator(path)) {
        if (entry.path().filename().string().find(".tmp") != std::string::npos) return true;
    }
    return false;
}

// The ways a game folder can be broken, applied before the game starts.
enum class Damage {
    ReadOnlyData,
    NoData,
    NoGfx,
    WordListCutInHalf,
    SevenByteRepetitionFile,
    GarbageHallOfFame
};

// A player's round: a test answered once and broken off (the hall of fame and the topic's counts
// are saved), the result screens, the hall of fame, and a learning run.
class RoundTest : public GameTest {
protected:
    void RunUntilScreen(ScreenId screen) {
        for (int tick = 0; tick < 600 && Screen() != screen; ++tick) RunTicks(1);
        ASSERT_EQ(Screen(), screen);
    }

    // From the main menu through the topics to the first topic's information panel.
    void OpenFirstTopic(int menuLine) {
        ChooseMenuLine(menuLine);
        RunUntilScreen(ScreenId::Topics);
        WaitUntilStill("main menu 2");
        RunTicks(30);  // any picture change of the entry has ended
        ChooseLine("main menu 2", 0);
        RunUntilScreen(ScreenId::Info);
    }

    void NextArrow(ScreenId next) {
        WaitUntilStill("arrownext");
        ClickObject("arrownext");
        RunUntilScreen(next);
    }

    void BrokenOffTest() {
        OpenFirstTopic(kTestLine);
        NextArrow(ScreenId::Test);
        ASSERT_GT(WordCount(), 0u);
        Type(CurrentAnswer());
        Key(13);
        ASSERT_TRUE(testRun.answerEvaluated);
        for (int tick = 0; tick < 200 && testRun.answerEvaluated; ++tick) RunTicks(1);
        WaitUntilStill("przerwij");
        ClickObject("przerwij");
        RunUntilScreen(ScreenId::GameOver);
    }

    void RestOfTheRound() {
        NextArrow(ScreenId::Info);
        NextArrow(ScreenId::MainMenu);
        WaitUntilStill("main menu");
        ChooseMenuLine(kResultsLine);
        RunUntilScreen(ScreenId::HallOfFame);
        WaitUntilStill("przerwij");
        ClickObject("przerwij");
        RunUntilScreen(ScreenId::MainMenu);
        WaitUntilStill("main menu");
        OpenFirstTopic(kLearnLine);
        NextArrow(ScreenId::Learning);
        WaitUntilStill("arrownext");
        ClickObject("arrownext");
        RunTicks(40);
        EXPECT_EQ(wordList.currentWord, 1u);
    }
};

class DamagedFolderTest : public RoundTest, public ::testing::WithParamInterface<Damage> {
protected:
    void PrepareFolder() override {
        const std::string data = folder + "data/";
        switch (GetParam()) {
            case Damage::ReadOnlyData:
                fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                            fs::perms::others_read | fs::perms::others_exec);
                fs::permissions(data,
                                fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                                fs::perm_options::remove);
                // The player's data folder is where the saves go instead.
                fs::create_directories(folder + "player");
                fs::permissions(folder + "player", fs::perms::all);
                // Permissions do not bind root: the game's file access then runs as nobody.
                if (geteuid() == 0) setfsuid(65534);
                break;
            case Damage::NoData:
                fs::remove_all(data);
                break;
            case Damage::NoGfx:
                fs::remove_all(folder + "gfx");
                break;
            case Damage::WordListCutInHalf:
                fs::resize_file(data + "words_free.enc", fs::file_size(data + "words_free.enc") / 2 + 1);
                break;
            case Damage::SevenByteRepetitionFile:
                WriteFile(data + "0-30_rep.dat", std::string("\x05\x00\x00\x00\xFF\xFF\x7F", 7));
                break;
            case Damage::GarbageHallOfFame: {
                std::string garbage;
                uint32_t state = 12345;
                for (int i = 0; i < 5000; ++i) {
                    state = state * 1103515245u + 12345u;
                    garbage.push_back(static_cast<char>(state >> 16));
                }
                WriteFile(data + "hof.hof", garbage);
                break;
            }
        }
    }

    void TearDown() override {
        if (geteuid() == 0) setfsuid(0);
        std::error_code ignored;  // so that the folder can be removed
        fs::permissions(folder + "data", fs::perms::owner_write, fs::perm_options::add, ignored);
        GameTest::TearDown();
    }
};

TEST_P(DamagedFolderTest, GameStartsPlaysAndEnds) {
    const bool readOnly = GetParam() == Damage::ReadOnlyData;
    if (readOnly) {
        ASSERT_FALSE(std::ofstream(folder + "data/probe").good()) << "data/ is still writable";
    }
    LoadToUserName();
    EnterName(u"ana");
    if (GetParam() == Damage::NoData) {
        // No models, so no arrows: the menu's first line and the topics' first row are what can be
        // chosen, and the information panel has no arrow to go on.
        OpenFirstTopic(kLearnLine);
        EXPECT_EQ(WordCount(), 0u);
        Key('x');
        RunTicks(100);
        return;
    }
    BrokenOffTest();
    if (readOnly) {
        EXPECT_FALSE(fs::exists(folder + "data/hof.hof"));
        EXPECT_FALSE(fs::exists(folder + "data/0-30_rep.dat"));
        EXPECT_FALSE(HasTemporaryFile(folder + "data"));
        EXPECT_EQ(ReadFile(PlayerFolder() + "hof.hof").substr(0, 8), std::string("\xFF\xFE"
                                                                                 "a\0n\0a\0",
                                                                                 8));
        EXPECT_EQ(ReadFile(PlayerFolder() + "0-30_rep.dat").size(), 120u);
        EXPECT_FALSE(HasTemporaryFile(PlayerFolder()));
    } else {
        EXPECT_FALSE(ReadFile(folder + "data/hof.hof").empty());
    }
    RestOfTheRound();
}

std::string DamageName(const ::testing::TestParamInfo<Damage>& info) {
    static const char* const names[] = {
        "ReadOnlyData",     "NoData", "NoGfx", "WordListCutInHalf", "SevenByteRepetitionFile",
        "GarbageHallOfFame"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Broken, DamagedFolderTest,
                         ::testing::Values(Damage::ReadOnlyData, Damage::NoData, Damage::NoGfx,
                                           Damage::WordListCutInHalf, Damage::SevenByteRepetitionFile,
                                           Damage::GarbageHallOfFame),
                         DamageName);

// The save at the end of a run fails at the given step: the old files stay whole, no temporary
// file stays behind, and the game goes on.
class FailedSaveTest : public RoundTest,
                       public ::testing::WithParamInterface<safe_file_write_testing::Fault> {
protected:
    void TearDown() override {
        safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
        GameTest::TearDown();
    }
};

TEST_P(FailedSaveTest, OldHallOfFameAndCountsStayWhole) {
    const std::string hof = folder + "data/hof.hof", counts = folder + "data/0-30_rep.dat";
    std::string oldHof = "\xFF\xFE";
    for (char16_t c : std::u16string(u"old\t99\r\n")) oldHof += {static_cast<char>(c), '\0'};
    std::string oldCounts;
    for (int i = 0; i < 30; ++i) oldCounts += std::string("\x03\x00\x00\x00", 4);
    WriteFile(hof, oldHof);
    WriteFile(counts, oldCounts);

    LoadToUserName();
    EnterName(u"ana");
    safe_file_write_testing::InjectFault(GetParam());
    BrokenOffTest();
    safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
    EXPECT_EQ(ReadFile(hof), oldHof);
    EXPECT_EQ(ReadFile(counts), oldCounts);
    EXPECT_FALSE(HasTemporaryFile(folder + "data"));
    RestOfTheRound();
}

INSTANTIATE_TEST_SUITE_P(Fault, FailedSaveTest,
                         ::testing::Values(safe_file_write_testing::Fault::Write,
                                           safe_file_write_testing::Fault::Rename),
                         [](const ::testing::TestParamInfo<safe_file_write_testing::Fault>& info) {
                             return std::string(info.param == safe_file_write_testing::Fault::Write
                                                    ? "FailedWrite"
                                                    : "FailedRename");
                         });

}  // namespace
