// Where the game's folders are: content from the build, a portable copy or an installed tree, and
// the files the game writes in its own data/ or the player's XDG data folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "game/saves/SaveFolder.h"
#include "platform/GameFolder.h"
#include "platform/SafeFileWrite.h"
#include "tests/TempGameFolder.h"

TEST(GameFolder, PortableFirstThenTheInstalledShareFolder) {
    struct Case {
        const char* executable;
        bool besideHasData, installedHasData;
        const char* expected;
    } cases[] = {
        {"/home/ana/lexadrill/", true, false, "/home/ana/lexadrill/"},
        {"/home/ana/lexadrill/", true, true, "/home/ana/lexadrill/"},
        {"/usr/games/", false, true, "/usr/share/lexadrill/"},
        {"/opt/x/games/", false, true, "/opt/x/share/lexadrill/"},
        {"/usr/games/", false, false, "/usr/games/"},  // nothing to read either way
        {"/", false, true, "/share/lexadrill/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.executable);
        EXPECT_EQ(platform::ChooseGameFolder(c.executable, c.besideHasData, c.installedHasData), c.expected);
    }
}

TEST(SaveFolder, WritableGameDataElseThePlayersXdgFolder) {
    struct Case {
        bool writable;
        const char* xdg;
        const char* home;
        const char* write;
        const char* fallback;
        bool notice;
    } cases[] = {
        // A writable game folder keeps today's behaviour whatever the environment says.
        {true, "/x/data", "/home/ana", "/games/lx/data/", "", false},
        {false, "/x/data", "/home/ana", "/x/data/lexadrill/", "/games/lx/data/", true},
        {false, "/x/data/", "/home/ana", "/x/data/lexadrill/", "/games/lx/data/", true},
        {false, "", "/home/ana", "/home/ana/.local/share/lexadrill/", "/games/lx/data/", true},
        {false, "relative/xdg", "/home/ana/", "/home/ana/.local/share/lexadrill/", "/games/lx/data/", true},
        // No home to name: saves fail in the read-only data/, never in the current folder.
        {false, "", "", "/games/lx/data/", "", true},
        {false, "xdg", "home", "/games/lx/data/", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.xdg) + " | " + c.home + " | " + (c.writable ? "writable" : "read-only"));
        const SaveFolderFacts facts{"/games/lx/", c.writable, c.xdg, c.home, ""};
        const SaveFolders folders = ChooseSaveFolders(facts);
        EXPECT_EQ(folders.writeFolder, c.write);
        EXPECT_EQ(folders.readFallback, c.fallback);
        const std::string notice = SaveFolderNotice(facts, folders);
        EXPECT_EQ(!notice.empty(), c.notice);
        if (c.notice) {
            EXPECT_NE(notice.find(c.fallback[0] ? c.write : "not saved"), std::string::npos) << notice;
        }
    }
}

// A read-only game folder, as a player who cannot write it sees it (root runs its file access as
// nobody here, since permissions do not bind root).
class ReadOnlyGameFolder : public ::testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        folder.Write("data/hof.hof", {0xFF, 0xFE, 'a', 0});
        fs::permissions(folder.root, fs::perms::all);
        fs::permissions(folder.root + "data", fs::perms::owner_write, fs::perm_options::remove);
        if (geteuid() == 0) setfsuid(65534);
    }
    void TearDown() override {
        if (geteuid() == 0) setfsuid(0);
        unsetenv("XDG_DATA_HOME");
    }
    void PlayerDataHome(const std::string& path) { setenv("XDG_DATA_HOME", path.c_str(), 1); }
    TempGameFolder folder;
};

TEST_F(ReadOnlyGameFolder, SavesGoToThePlayersFolderWhichWinsOverTheGameFolder) {
    PlayerDataHome(folder.root + "xdg");
    const std::string player = folder.root + "xdg/lexadrill/";
    const SaveFolderFacts facts = CurrentSaveFolderFacts();
    const SaveFolders folders = ChooseSaveFolders(facts);
    EXPECT_EQ(folders.writeFolder, player);
    EXPECT_EQ(facts.playerFolderProblem, "") << "it can be made";
    EXPECT_NE(SaveFolderNotice(facts, folders).find("progress is kept in " + player), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(player)) << "made at the first save, not by looking";
    EXPECT_EQ(SavedFileToRead("hof.hof"), folder.root + "data/hof.hof") << "kept progress still counts";
    EXPECT_EQ(SavedFileToRead("0-30_rep.dat"), player + "0-30_rep.dat");

    const uint8_t bytes[] = {0xFF, 0xFE};
    ASSERT_TRUE(WriteFileAtomically(SavedFileToWrite("hof.hof"), bytes, sizeof bytes)) << "folder created";
    EXPECT_EQ(SavedFileToRead("hof.hof"), player + "hof.hof");
    EXPECT_EQ(folder.Read("xdg/lexadrill/hof.hof"), std::vector<uint8_t>(bytes, bytes + 2));
    EXPECT_EQ(folder.Read("data/hof.hof").size(), 4u) << "the game folder is left alone";
}

TEST_F(ReadOnlyGameFolder, APlayersFolderThatCannotBeMadeLosesTheSaveAndNothingElse) {
    namespace fs = std::filesystem;
    ASSERT_FALSE(WriteFileAtomically(folder.Path("data/probe"), "x", 1)) << "data/ is still writable";
    const uint8_t bytes[] = {1, 0, 0, 0};
    const std::string blocked[] = {"file", "loop", "locked/inside"};
    const std::string reasons[] = {"Not a directory", "Too many levels of symbolic links",
                                   "Permission denied"};
    if (geteuid() == 0) setfsuid(0);
    folder.Write("file", {1});
    fs::create_symlink(folder.root + "loop", folder.root + "loop");
    fs::create_directories(folder.root + "locked");
    fs::permissions(folder.root + "locked", fs::perms::owner_read | fs::perms::owner_exec);
    if (geteuid() == 0) setfsuid(65534);
    for (size_t i = 0; i < std::size(blocked); ++i) {
        const std::string& home = blocked[i];
        SCOPED_TRACE(home);
        PlayerDataHome(folder.root + home);
        // The start-up notice names no folder progress would be kept in; it says why none is.
        const SaveFolderFacts facts = CurrentSaveFolderFacts();
        EXPECT_EQ(facts.playerFolderProblem, reasons[i]);
        const std::string notice = SaveFolderNotice(facts, ChooseSaveFolders(facts));
        EXPECT_EQ(notice.find("progress is kept"), std::string::npos) << notice;
        EXPECT_NE(notice.find("(" + reasons[i] + "); progress is not saved"), std::string::npos) << notice;
        EXPECT_FALSE(WriteFileAtomically(SavedFileToWrite("0-30_rep.dat"), bytes, sizeof bytes));
        EXPECT_EQ(SavedFileToRead("hof.hof"), folder.root + "data/hof.hof");
    }
    if (geteuid() == 0) setfsuid(0);
    EXPECT_EQ(folder.Read("file"), std::vector<uint8_t>{1});
    EXPECT_FALSE(fs::exists(folder.root + "locked/inside"));
}
