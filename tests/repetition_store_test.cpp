// Repetition files, topic unlocking, the count updates and the choice of the next test question.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>

#include "formats/OwnTopicCountsFile.h"
#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
#include "learning/LearningRun.h"
#include "learning/RepetitionStore.h"
#include "learning/SaveFolderLock.h"
#include "learning/SaveResult.h"
#include "learning/WordList.h"
#include "platform/SafeFileWrite.h"
#include "tests/OldProgressFiles.h"
#include "tests/TempGameFolder.h"
#include "tests/hooks/TestHooks.h"

namespace {

std::vector<uint8_t> LittleEndian(const std::vector<int32_t>& values) {
    std::vector<uint8_t> bytes;
    for (int32_t value : values) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>(uint32_t(value) >> shift));
    }
    return bytes;
}

std::vector<int32_t> Counts(const WordList& words) {
    std::vector<int32_t> counts;
    for (const RepetitionRecord& record : words.counts) counts.push_back(record.repeatCount);
    return counts;
}

// A loaded topic of `counts.size()` entries with these counts, none asked.
void SetTopic(WordList& words, const std::vector<int32_t>& counts) {
    ReleaseEntries(words);
    words.entries.resize(counts.size());
    const std::vector<uint8_t> bytes = LittleEndian(counts);
    LoadRepetitionsFromBytes(words, bytes.data(), bytes.size());
}

// The same with counts no file can give any more (the updates on values out of range).
void SetTopicInMemory(WordList& words, const std::vector<int32_t>& counts) {
    SetTopic(words, std::vector<int32_t>(counts.size(), 0));
    for (size_t i = 0; i < counts.size(); ++i) words.counts[i].repeatCount = counts[i];
}

// rand() stand-in that replays a script of draws.
std::vector<int> script;
size_t scriptPosition = 0;
int ScriptedDraw() { return scriptPosition < script.size() ? script[scriptPosition++] : 0; }

class WordChoice : public testing::Test {
protected:
    void SetUp() override { SetWordChoiceRandom(ScriptedDraw); }
    void TearDown() override { SetWordChoiceRandom(nullptr); }
    void Script(std::vector<int> draws) {
        script = std::move(draws);
        scriptPosition = 0;
    }
    bool ScriptUsedUp() const { return scriptPosition == script.size(); }
};

TEST(RepetitionFile, NameIsInTheGameFoldersData) {
    TempGameFolder folder;
    EXPECT_EQ(SavedFileToWrite(RepetitionFileName(30, 60)), folder.root + "data/30-60_rep.dat");
}

TEST(RepetitionFile, ReadsWholeLittleEndianValuesOnly) {
    LearningRun currentRun;
    TempGameFolder folder;
    ReleaseEntries(currentRun.words);
    std::vector<int32_t> values(30, 2);
    values[0] = 5;
    values[1] = 0;
    std::vector<uint8_t> bytes = LittleEndian(values);
    folder.Write("data/30-60_rep.dat", bytes);
    EXPECT_TRUE(LoadRepetitions(currentRun.words, 30, 60));
    EXPECT_EQ(Counts(currentRun.words), values);
    EXPECT_EQ(currentRun.words.asked.size(), 30u);

    bytes.push_back(0x7F);  // 121 bytes: the last piece is not a value
    folder.Write("data/30-60_rep.dat", bytes);
    EXPECT_TRUE(LoadRepetitions(currentRun.words, 30, 60));
    EXPECT_EQ(Counts(currentRun.words), values);
}

TEST(RepetitionFile, MissingFileMeansCountsOfOneAndWritesNothing) {
    LearningRun currentRun;
    TempGameFolder folder;
    ReleaseEntries(currentRun.words);
    EXPECT_FALSE(LoadRepetitions(currentRun.words, 0, 30));
    EXPECT_EQ(Counts(currentRun.words), std::vector<int32_t>(30, 1));
    EXPECT_EQ(CountLearned(currentRun.words), 0);
    EXPECT_TRUE(IsTopicUnlocked(0, 30));
    EXPECT_FALSE(IsTopicUnlocked(30, 60));
    EXPECT_FALSE(folder.Exists("data/0-30_rep.dat"));

    EXPECT_FALSE(LoadRepetitions(currentRun.words, 60, 30));
    EXPECT_TRUE(currentRun.words.counts.empty());
}

TEST(RepetitionFile, CountsAreFittedToTheLoadedEntries) {
    LearningRun currentRun;
    TempGameFolder folder;
    ReleaseEntries(currentRun.words);
    currentRun.words.entries.resize(5);
    folder.Write("data/30-60_rep.dat", LittleEndian({4, 0, 3}));
    EXPECT_TRUE(LoadRepetitions(currentRun.words, 30, 60));
    EXPECT_EQ(Counts(currentRun.words), (std::vector<int32_t>{4, 0, 3, 1, 1}));
    EXPECT_EQ(currentRun.words.asked, std::vector<bool>(5, false));

    folder.Write("data/30-60_rep.dat", LittleEndian({1, 2, 3, 4, 5, 0, 0, 0}));
    EXPECT_TRUE(LoadRepetitions(currentRun.words, 30, 60));
    EXPECT_EQ(Counts(currentRun.words), (std::vector<int32_t>{1, 2, 3, 4, 5}));

    EXPECT_FALSE(LoadRepetitions(currentRun.words, 90, 120));  // no file: (last - first) ones, fitted too
    EXPECT_EQ(Counts(currentRun.words), std::vector<int32_t>(5, 1));
}

// Every reader of stored counts, the designed topics' files and an own list's alike, takes a count
// the updates could never have made for a new word's 1: a word is never "learned" by damage, nor
// asked over and over, and the next save (which merges with the file) writes it back in range.
TEST(RepetitionFile, CountsOutsideTheirRangeAreReadAsNew) {
    LearningRun currentRun;
    const struct {
        int32_t stored, read;
    } cases[] = {{0, 0}, {1, 1}, {5, 5}, {-1, 1}, {6, 1}, {0x01020304, 1}, {INT32_MIN, 1}, {INT32_MAX, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        TempGameFolder folder;
        ReleaseEntries(currentRun.words);
        folder.Write("data/30-60_rep.dat", LittleEndian({c.stored, 3}));
        ASSERT_TRUE(LoadRepetitions(currentRun.words, 30, 60));
        EXPECT_EQ(Counts(currentRun.words), (std::vector<int32_t>{c.read, 3}));
        const std::vector<uint8_t> own = OldCountsBytes({{u"hello", u"hola", c.stored}});
        const std::vector<OwnCardCount> parsed = ParseOwnTopicCounts(own.data(), own.size());
        ASSERT_EQ(parsed.size(), 1u);
        EXPECT_EQ(parsed[0].count, c.read);

        // A run that judged the other word: the damaged count is saved as read.
        currentRun.words.entries.resize(2);
        LoadRepetitions(currentRun.words, 30, 60);
        currentRun.words.currentWord = 1;
        MarkWrong(currentRun.words);
        ASSERT_TRUE(SaveRepetitions(currentRun.words, 30, 60));
        EXPECT_EQ(folder.Read("data/30-60_rep.dat"), LittleEndian({c.read, 4}));
    }

    // 120 bytes of 0xFF: thirty new words, not thirty learned ones after a wrong answer each.
    TempGameFolder folder;
    ReleaseEntries(currentRun.words);
    currentRun.words.entries.resize(30);
    folder.Write("data/30-60_rep.dat", std::vector<uint8_t>(120, 0xFF));
    ASSERT_TRUE(LoadRepetitions(currentRun.words, 30, 60));
    for (unsigned entry = 0; entry < 6; ++entry) {
        currentRun.words.currentWord = entry;
        MarkWrong(currentRun.words);
    }
    EXPECT_EQ(CountLearned(currentRun.words), 0);
    EXPECT_EQ(Counts(currentRun.words)[0], 2);
}

TEST(RepetitionFile, UnlockWritesZerosAndSaveWritesTheCounts) {
    LearningRun currentRun;
    TempGameFolder folder;
    ReleaseEntries(currentRun.words);
    UnlockTopic(30, 60);
    EXPECT_TRUE(IsTopicUnlocked(30, 60));
    EXPECT_EQ(folder.Read("data/30-60_rep.dat"), std::vector<uint8_t>(120, 0));
    EXPECT_TRUE(LoadRepetitions(currentRun.words, 30, 60));
    EXPECT_EQ(CountLearned(currentRun.words), 30);

    UnlockTopic(5, 5);
    EXPECT_TRUE(folder.Exists("data/5-5_rep.dat"));
    EXPECT_TRUE(folder.Read("data/5-5_rep.dat").empty());

    // A topic without a file gets the counts in memory.
    SetTopic(currentRun.words, {5, 0, 2, 3});
    currentRun.words.currentWord = 3;
    MarkWrong(currentRun.words);
    EXPECT_TRUE(SaveRepetitions(currentRun.words, 60, 90));
    EXPECT_EQ(folder.Read("data/60-90_rep.dat"), LittleEndian({5, 0, 2, 4}));
    EXPECT_FALSE(folder.Exists("data/60-90_rep.dat.tmp"));

    // A file saved meanwhile (by another game) keeps its counts; only the entries this run judged
    // change, by this run's answer replayed onto the file's count, once however often it saves.
    folder.Write("data/60-90_rep.dat", LittleEndian({1, 5, 5, 2}));
    SetTopic(currentRun.words, {1, 1, 1, 1});
    for (unsigned entry : {0u, 2u}) {
        currentRun.words.currentWord = entry;
        MarkCorrect(currentRun.words);
    }
    currentRun.words.currentWord = 1;
    MarkWrong(currentRun.words);
    for (int save = 0; save < 2; ++save) {
        EXPECT_TRUE(SaveRepetitions(currentRun.words, 60, 90));
        EXPECT_EQ(folder.Read("data/60-90_rep.dat"), LittleEndian({0, 5, 4, 2}));
        EXPECT_EQ(Counts(currentRun.words), (std::vector<int32_t>{0, 5, 4, 2}));
    }
}

TEST(RepetitionFile, FailedSaveKeepsTheOldFileWhole) {
    LearningRun currentRun;
    TempGameFolder folder;
    DecideSaveFolder();  // as the game does when it starts: data/ for the session
    const std::vector<uint8_t> old = LittleEndian({3, 3, 3});
    folder.Write("data/30-60_rep.dat", old);
    SetTopic(currentRun.words, {0, 0, 0});
    for (auto fault : {safe_file_write_testing::Fault::Write, safe_file_write_testing::Fault::Rename}) {
        safe_file_write_testing::InjectFault(fault);
        const SaveResult saved = SaveRepetitions(currentRun.words, 30, 60);
        EXPECT_FALSE(UnlockTopic(30, 60));
        safe_file_write_testing::InjectFault(safe_file_write_testing::Fault::None);
        EXPECT_EQ(SaveResultMessage(saved),
                  "Progress not saved in " + folder.Path("data/: ") +
                      (fault == safe_file_write_testing::Fault::Write ? "No space left on device"
                                                                      : "Permission denied"));
        EXPECT_EQ(folder.Read("data/30-60_rep.dat"), old);
        EXPECT_FALSE(folder.Exists("data/30-60_rep.dat.tmp"));
    }
    // A folder that cannot be written to: nothing is written; the failure is recorded.
    std::filesystem::remove_all(folder.Path("data"));
    const SaveResult saved = SaveRepetitions(currentRun.words, 30, 60);
    EXPECT_EQ(saved.status, SaveResult::Status::NotSaved);
    EXPECT_EQ(saved.reason, "No such file or directory");
    EXPECT_FALSE(folder.Exists("data/30-60_rep.dat"));

    std::filesystem::create_directories(folder.Path("data"));
    SaveRepetitions(currentRun.words, 30, 60);
    EXPECT_EQ(folder.Read("data/30-60_rep.dat"), LittleEndian({0, 0, 0}));
}

// What stands at the lock file's name, or who holds it, when a save asks for the lock.
enum class AtLockName { Nothing, HeldByAnotherGame, LetGoAfterASecond, Fifo, LinkToAFile };

struct LockCase {
    AtLockName at;
    const char* name;
    uint32_t settledAfterMs;  // asked every 100 ms from the first ask
    bool held;
    const char* why;
};

const LockCase kLockCases[] = {
    {AtLockName::Nothing, "Nothing", 0, true, ""},
    {AtLockName::HeldByAnotherGame, "HeldByAnotherGame", 3000, false,
     "another game held lexadrill.lock for more than 3 seconds"},
    {AtLockName::LetGoAfterASecond, "LetGoAfterASecond", 1000, true, ""},
    // Never waited for, never opened: a FIFO's open would wait for a writer.
    {AtLockName::Fifo, "Fifo", 0, false, "lexadrill.lock is not a regular file"},
    {AtLockName::LinkToAFile, "LinkToAFile", 0, false, "lexadrill.lock is not a regular file"},
};

// The save folder's lock is taken for real (another game's flock on the file cannot be had while it
// stands), waited for by asking again, across the millisecond counter's wrap, and let go.
TEST(RepetitionFile, SaveFolderLockIsTakenWaitedForOrSaysWhyNot) {
    for (const LockCase& c : kLockCases) {
        SCOPED_TRACE(c.name);
        TempGameFolder folder;
        const std::string lockFile = folder.Path(std::string("data/") + kSaveLockFile);
        const auto anotherGameCanLock = [&] {
            const int fd = open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
            const bool locked = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
            if (fd >= 0) close(fd);
            return locked;
        };
        int otherGame = -1;
        switch (c.at) {
            case AtLockName::Nothing:
                break;
            case AtLockName::HeldByAnotherGame:
            case AtLockName::LetGoAfterASecond:
                otherGame = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
                ASSERT_EQ(flock(otherGame, LOCK_EX | LOCK_NB), 0);
                break;
            case AtLockName::Fifo:
                ASSERT_EQ(mkfifo(lockFile.c_str(), 0444), 0);
                break;
            case AtLockName::LinkToAFile:
                folder.Write("outside", {});
                std::filesystem::create_symlink(folder.Path("outside"), lockFile);
                break;
        }
        const uint32_t start = 0xFFFFFFFFu - 1500;
        SaveFolderLock lock(start);
        uint32_t settledAfter = 0;
        while (!lock.Settled(start + settledAfter) && settledAfter < 10000) {
            settledAfter += 100;
            if (c.at == AtLockName::LetGoAfterASecond && settledAfter == 1000) close(otherGame);
        }
        EXPECT_EQ(settledAfter, c.settledAfterMs);
        EXPECT_EQ(lock.Held(), c.held);
        EXPECT_EQ(lock.WhyNotHeld(), c.why);
        if (c.held) {
            EXPECT_FALSE(anotherGameCanLock());
            lock.Release();
            EXPECT_TRUE(anotherGameCanLock());
        }
        if (c.at == AtLockName::HeldByAnotherGame) close(otherGame);
    }
}

TEST(RepetitionFile, UnlockNextTopicOnlyFromAnUnlockedToALockedRow) {
    TempGameFolder folder;
    AppContext context(folder.root);
    context.topicCount = 3;
    const int ranges[3][2] = {{0, 30}, {30, 60}, {60, 90}};
    for (int i = 0; i < 3; ++i) {
        context.topics[i].firstWord = ranges[i][0];
        context.topics[i].lastWord = ranges[i][1];
    }

    EXPECT_FALSE(UnlockNextTopic(context, 2).unlocked);  // the last row has no next one
    EXPECT_FALSE(UnlockNextTopic(context, 1).unlocked);  // row 1 itself is still locked
    EXPECT_FALSE(UnlockNextTopic(context, -1).unlocked);
    EXPECT_FALSE(folder.Exists("data/60-90_rep.dat"));

    EXPECT_TRUE(UnlockNextTopic(context, 0).unlocked);
    EXPECT_EQ(folder.Read("data/30-60_rep.dat"), std::vector<uint8_t>(120, 0));

    // Already unlocked: its counts are left alone.
    const std::vector<uint8_t> progress = LittleEndian(std::vector<int32_t>(30, 4));
    folder.Write("data/30-60_rep.dat", progress);
    EXPECT_FALSE(UnlockNextTopic(context, 0).unlocked);
    EXPECT_EQ(folder.Read("data/30-60_rep.dat"), progress);

    EXPECT_TRUE(UnlockNextTopic(context, 1).unlocked);
    EXPECT_TRUE(IsTopicUnlocked(60, 90));
}

TEST(RepetitionCounts, UpdatesStayWithinZeroToFive) {
    LearningRun currentRun;
    SetTopicInMemory(currentRun.words, {5, 0, 7, -3, 2});
    const int32_t afterWrong[] = {5, 1, 7, -2, 3};
    const int32_t afterRight[] = {4, 0, 6, -3, 1};
    for (unsigned i = 0; i < 5; ++i) {
        currentRun.words.currentWord = i;
        const int32_t before = currentRun.words.counts[i].repeatCount;
        MarkWrong(currentRun.words);
        EXPECT_EQ(currentRun.words.counts[i].repeatCount, afterWrong[i]) << i;
        currentRun.words.counts[i].repeatCount = before;
        MarkCorrect(currentRun.words);
        EXPECT_EQ(currentRun.words.counts[i].repeatCount, afterRight[i]) << i;
    }
    currentRun.words.currentWord = 9;  // past the list: ignored
    MarkWrong(currentRun.words);
    MarkCorrect(currentRun.words);
    EXPECT_EQ(CountLearned(currentRun.words), 1);
}

TEST_F(WordChoice, PriorityBranchTakesHighestCountsFirstScanningFromStart) {
    LearningRun currentRun;
    SetTopic(currentRun.words, {0, 3, 3, 1, 0});
    // Draw pairs: start = draw mod 5, then branch = draw mod 10 (below 5: by priority).
    Script({32767, 4, 2, 0, 7, 13, 5, 1});
    EXPECT_EQ(ChooseNextWord(currentRun.words), 2);
    EXPECT_EQ(ChooseNextWord(currentRun.words), 1);  // start 2 again: level 3 wraps round to entry 1
    EXPECT_EQ(ChooseNextWord(currentRun.words), 3);
    EXPECT_EQ(ChooseNextWord(currentRun.words), 0);  // start 0, level 0
    EXPECT_TRUE(ScriptUsedUp());
    EXPECT_EQ(currentRun.words.currentWord, 0u);
    EXPECT_EQ(currentRun.words.asked, (std::vector<bool>{true, true, true, true, false}));
}

TEST_F(WordChoice, OtherBranchTakesTheNextUnaskedWrappingRound) {
    LearningRun currentRun;
    SetTopic(currentRun.words, {0, 0, 5, 0, 0});
    currentRun.words.asked = {true, false, false, true, true};
    Script({4, 5});  // 5 is the smallest draw of this branch; the priority branch would take entry 2
    EXPECT_EQ(ChooseNextWord(currentRun.words), 1);
    EXPECT_EQ(currentRun.words.currentWord, 1u);

    SetTopic(currentRun.words, {0, 0, 5, 0, 0});
    Script({3, 9});  // ignores the high count of entry 2
    EXPECT_EQ(ChooseNextWord(currentRun.words), 3);
    EXPECT_EQ(FindUnaskedWithCount(currentRun.words, 4, 5), 2);
    EXPECT_EQ(FindUnaskedWithCount(currentRun.words, 0, 3), -1);
}

TEST_F(WordChoice, NothingLeftKeepsTheWordOnScreen) {
    LearningRun currentRun;
    SetTopic(currentRun.words, {1, 2, 3});
    currentRun.words.asked = {true, true, true};
    currentRun.words.currentWord = 2;
    for (int branch : {0, 9}) {
        Script({1, branch});
        EXPECT_EQ(ChooseNextWord(currentRun.words), -1);
        EXPECT_EQ(currentRun.words.currentWord, 2u);
    }
    // Negative counts are reached only by the plain scan.
    SetTopicInMemory(currentRun.words, {-1, -4});
    Script({0, 0, 0, 9});
    EXPECT_EQ(ChooseNextWord(currentRun.words), -1);
    EXPECT_EQ(ChooseNextWord(currentRun.words), 0);
}

TEST_F(WordChoice, EmptyListChoosesNothing) {
    LearningRun currentRun;
    ReleaseEntries(currentRun.words);
    EXPECT_FALSE(LoadRepetitions(currentRun.words, 0, 30));  // counts of a progress query, but no entries
    Script({3, 0});
    EXPECT_EQ(ChooseNextWord(currentRun.words), -1);
    EXPECT_EQ(FindUnasked(currentRun.words, 0), -1);
}

TEST_F(WordChoice, HugeCountIsChosenAtOnce) {
    LearningRun currentRun;
    SetTopicInMemory(currentRun.words, {0, INT32_MAX, 3});
    Script({0, 0, 0, 0});
    EXPECT_EQ(ChooseNextWord(currentRun.words), 1);
    EXPECT_EQ(ChooseNextWord(currentRun.words), 2);
}

}  // namespace
