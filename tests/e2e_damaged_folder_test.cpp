// The game on a damaged game folder (read-only, parts missing, files cut or full of garbage) still
// starts, plays and ends; a save that fails half-way leaves the old hall of fame and repetition
// file as they were; a hostile file (a device, a pipe, a folder, a file past its limit, a huge
// picture) neither hangs the game nor swells its memory, and a save never writes through a link.
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "engine/TextureTable.h"
#include "formats/FileLimits.h"
#include "learning/LearningRun.h"
#include "learning/TestRun.h"
#include "learning/WordList.h"
#include "platform/Platform.h"
#include "platform/SafeFileWrite.h"
#include "screens/MainMenu.h"
#include "screens/TestScreen.h"
#include "tests/GameHarness.h"
#include "tests/Utf16Bytes.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace fs = std::filesystem;

namespace {

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
    void NextArrow(ScreenId next) {
        WaitUntilStill("arrownext");
        ClickObject("arrownext");
        RunUntilScreen(next);
    }

    void BrokenOffTest() {
        OpenTopicInfo(LineOf(MenuLine::Test), 0);
        NextArrow(ScreenId::Test);
        ASSERT_GT(WordCount(Run().words), 0u);
        Type(CurrentAnswer(Run().words));
        Key(13);
        ASSERT_TRUE(Run().test.answerEvaluated);
        for (int tick = 0; tick < 200 && Run().test.answerEvaluated; ++tick) RunTicks(1);
        WaitUntilStill("przerwij");
        ClickObject("przerwij");
        RunUntilScreen(ScreenId::GameOver);
    }

    void RestOfTheRound() {
        NextArrow(ScreenId::Info);
        NextArrow(ScreenId::MainMenu);
        WaitUntilStill("main menu");
        ChooseMenuLine(LineOf(MenuLine::Results));
        RunUntilScreen(ScreenId::HallOfFame);
        WaitUntilStill("przerwij");
        ClickObject("przerwij");
        RunUntilScreen(ScreenId::MainMenu);
        WaitUntilStill("main menu");
        OpenTopicInfo(LineOf(MenuLine::Learn), 0);
        NextArrow(ScreenId::Learning);
        WaitUntilStill("arrownext");
        ClickObject("arrownext");
        RunTicks(40);
        EXPECT_EQ(Run().words.currentWord, 1u);
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
        OpenTopicInfo(LineOf(MenuLine::Learn), 0);
        EXPECT_EQ(WordCount(Run().words), 0u);
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

// The hostile files, each put in place of one file of a fresh game folder.
enum class Hostile {
    LinkToZero,
    LinkToRandom,
    FolderAsSprite,
    OversizedJpeg,
    HugeJpeg,
    IconWithHugeHeader,
    PipeAsRepetitionFile,
    WordListPastLimit,
    HallOfFamePastLimit,
    SaveTempNamesAreLinks,
};

struct HostileCase {
    Hostile kind;
    const char* name;
    const char* file;   // inside the game folder
    bool refused;       // one line on standard error names it
    bool readInARound;  // read after start-up: a round is played to reach it
};

const HostileCase kHostileCases[] = {
    {Hostile::LinkToZero, "LinkToZero", "gfx/loading.jpg", true, false},
    {Hostile::LinkToRandom, "LinkToRandom", "gfx/mirror.jpg", true, false},
    {Hostile::FolderAsSprite, "FolderAsSprite", "gfx/particle.tga", true, false},
    {Hostile::OversizedJpeg, "OversizedJpeg", "gfx/infoscreen_free.jpg", true, false},
    {Hostile::HugeJpeg, "HugeJpeg", "gfx/glowny_bg.jpg", false, false},
    {Hostile::IconWithHugeHeader, "IconWithHugeHeader", "gfx/icon.bmp", true, false},
    {Hostile::PipeAsRepetitionFile, "PipeAsRepetitionFile", "data/0-30_rep.dat", true, true},
    {Hostile::WordListPastLimit, "WordListPastLimit", "data/words_free.enc", true, true},
    {Hostile::HallOfFamePastLimit, "HallOfFamePastLimit", "data/hof.hof", true, true},
    {Hostile::SaveTempNamesAreLinks, "SaveTempNamesAreLinks", "data/hof.hof.tmp", false, true},
};

// AddressSanitizer keeps freed memory out of use (its quarantine, 256 MB by default) and so
// resident: the peak of a sanitizer build may lie that much above what the game itself holds.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kFreedMemoryKeptKb = 256 * 1024;
#else
constexpr long kFreedMemoryKeptKb = 0;
#endif

// Highest resident size of this process so far, in kB.
long PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return 0;
}

// Starts the peak over from the present resident size (where the kernel allows it).
void ResetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The files whose picture became a texture.
std::set<std::string> UploadedPictures(const GLScene& scene, const std::string& folder) {
    std::set<std::string> names;
    for (int slot = 0; slot < scene.textures.count; ++slot) {
        if (scene.textures.textureNames[slot] != 0)
            names.insert(scene.textures.fileNames[slot].substr(folder.size()));
    }
    return names;
}

// Sets the big-endian width and height of a JPEG's frame header; the scan data stays as short as
// it was, which libjpeg decodes as a picture cut short (the rest filled in).
void ClaimJpegSize(std::string& jpeg, int width, int height) {
    for (size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (static_cast<uint8_t>(jpeg[i]) == 0xFF && (static_cast<uint8_t>(jpeg[i + 1]) & 0xF0) == 0xC0 &&
            jpeg[i + 1] != '\xC4') {
            jpeg[i + 5] = static_cast<char>(height >> 8), jpeg[i + 6] = static_cast<char>(height);
            jpeg[i + 7] = static_cast<char>(width >> 8), jpeg[i + 8] = static_cast<char>(width);
            return;
        }
    }
    ADD_FAILURE() << "no frame header";
}

class HostileFileTest : public RoundTest, public ::testing::WithParamInterface<HostileCase> {
protected:
    // The same play first in a normal folder of its own: the memory and pictures to compare with.
    void SetUp() override {
        ResetPeakResident();
        GameTest::SetUp();
        LoadToUserName();
        normalPictures = UploadedPictures(Scene(), folder);
        normalIcon = platform::headless::WindowIconSize();
        Play();
        normalPeakKb = PeakResidentKb();
        GameTest::TearDown();
        hostile = true;
        GameTest::SetUp();
    }

    void PrepareFolder() override {
        if (!hostile) return;
        const std::string path = folder + GetParam().file;
        switch (GetParam().kind) {
            case Hostile::LinkToZero:
            case Hostile::LinkToRandom:
                fs::remove(path);
                fs::create_symlink(GetParam().kind == Hostile::LinkToZero ? "/dev/zero" : "/dev/urandom",
                                   path);
                break;
            case Hostile::FolderAsSprite:
                fs::remove(path);
                fs::create_directory(path);
                break;
            case Hostile::OversizedJpeg:  // a real picture, padded (sparsely) past the limit
                fs::resize_file(path, kPictureLimit.maxBytes + 1);
                break;
            case Hostile::HugeJpeg: {
                std::string jpeg = ReadFile(path);
                ClaimJpegSize(jpeg, 8191, 8191);
                WriteFile(path, jpeg);
                break;
            }
            case Hostile::IconWithHugeHeader: {
                std::string bmp = ReadFile(path);
                ASSERT_GE(bmp.size(), 26u);
                bmp.replace(18, 8, std::string("\x30\x75\x00\x00\x30\x75\x00\x00", 8));  // 30000 x 30000
                WriteFile(path, bmp);
                break;
            }
            case Hostile::PipeAsRepetitionFile:
                ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
                break;
            case Hostile::WordListPastLimit:
                fs::resize_file(path, kWordListLimit.maxBytes + 1);
                break;
            case Hostile::HallOfFamePastLimit: {
                std::string hof = "\xFF\xFE";
                while (hof.size() <= kHallOfFameLimit.maxBytes) {
                    for (char c : std::string("old\t5\r\n")) hof += {c, '\0'};
                }
                WriteFile(path, hof);
                break;
            }
            case Hostile::SaveTempNamesAreLinks:
                WriteFile(folder + "outside", "keep");
                fs::create_symlink(folder + "outside", path);
                fs::create_symlink(folder + "outside", folder + "data/0-30_rep.dat.tmp");
                break;
        }
        testing::internal::CaptureStderr();
        ResetPeakResident();
    }

    // After the start: for a file read later, the part of a round that reads it.
    void Play() {
        if (!GetParam().readInARound) return;
        EnterName(u"ana");
        if (GetParam().kind == Hostile::WordListPastLimit) {
            OpenTopicInfo(LineOf(MenuLine::Learn), 0);
            wordsInTopic = WordCount(Run().words);
            NextArrow(ScreenId::Learning);
            RunTicks(100);
        } else {
            BrokenOffTest();
            RestOfTheRound();
        }
    }

    bool hostile = false;
    unsigned wordsInTopic = 0;
    long normalPeakKb = 0;
    std::set<std::string> normalPictures;
    platform::Size normalIcon;
};

TEST_P(HostileFileTest, GameGoesOnWithinItsMemoryAndNothingElseChanges) {
    const HostileCase& c = GetParam();
    LoadToUserName();
    std::set<std::string> expectedPictures = normalPictures;
    if (c.refused) expectedPictures.erase(c.file);
    EXPECT_EQ(UploadedPictures(Scene(), folder), expectedPictures);
    const platform::Size icon = platform::headless::WindowIconSize();
    EXPECT_EQ(icon.width, c.kind == Hostile::IconWithHugeHeader ? 0 : normalIcon.width);
    EXPECT_GT(normalIcon.width, 0);

    Play();
    if (c.kind == Hostile::WordListPastLimit) {
        EXPECT_EQ(wordsInTopic, 0u);  // as with no word list at all
    } else if (c.readInARound) {
        // The saves replaced the refused files with regular ones, through no link.
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder + "data/hof.hof")));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder + "data/0-30_rep.dat")));
        EXPECT_EQ(fs::file_size(folder + "data/0-30_rep.dat"), 120u);
        EXPECT_NE(ReadFile(folder + "data/hof.hof").find(std::string("a\0n\0a\0\t\0", 8)), std::string::npos);
        EXPECT_LT(fs::file_size(folder + "data/hof.hof"), 100u);
    }
    if (c.kind == Hostile::SaveTempNamesAreLinks) {
        EXPECT_EQ(ReadFile(folder + "outside"), "keep");
        EXPECT_TRUE(fs::is_symlink(folder + "data/hof.hof.tmp"));
    }

    const std::string errors = testing::internal::GetCapturedStderr();
    const bool named = errors.find(std::string(c.file) + " refused") != std::string::npos;
    EXPECT_EQ(named, c.refused) << errors.substr(0, 2000);
    const long peakKb = PeakResidentKb();
    EXPECT_LE(peakKb, normalPeakKb * 3 / 2 + kFreedMemoryKeptKb)
        << "peak " << peakKb << " kB, the same play in a normal folder " << normalPeakKb << " kB";
    std::printf("peak resident %s: %ld kB (in a normal folder: %ld kB)\n", c.name, peakKb, normalPeakKb);
}

INSTANTIATE_TEST_SUITE_P(Hostile, HostileFileTest, ::testing::ValuesIn(kHostileCases),
                         [](const ::testing::TestParamInfo<HostileCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
