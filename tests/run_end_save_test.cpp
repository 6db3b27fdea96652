// The one save at a run's end: every store's share written under the folder's lock, waited for by
// asking once a tick, and one typed result that says what the player is to be told.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <optional>
#include <vector>

#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/RepetitionStore.h"
#include "learning/RunEndSave.h"
#include "learning/WordList.h"
#include "platform/SafeFileWrite.h"
#include "tests/TempGameFolder.h"
#include "tests/hooks/TestHooks.h"

namespace {

using Fault = safe_file_write_testing::Fault;
using Status = SaveResult::Status;

struct RunEndCase {
    const char* name;
    Fault fault;
    Status status;
    const char* reason;
    bool unlocked;
};

// Another game holds the folder's lock throughout (the free lock, a FIFO and a full disk alone are
// played through the game in e2e_save_faults_test.cpp).
const RunEndCase kRunEndCases[] = {
    {"WaitRunsOut", Fault::None, Status::SavedWithoutLock,
     "another game held lexadrill.lock for more than 3 seconds", true},
    // A write that failed is what the player must hear, not the lock.
    {"WaitRunsOutAndTheDiskIsFull", Fault::Write, Status::NotSaved, "No space left on device", false},
};

TEST(RunEndSave, SavesEveryStoreOnceAndSaysHowItWent) {
    Learner learner;
    LearningRun currentRun;
    for (const RunEndCase& c : kRunEndCases) {
        SCOPED_TRACE(c.name);
        TempGameFolder folder;
        AppContext context(folder.root);
        // A passed run of row 0 that got its one word right.
        currentRun.words = WordList{};
        currentRun.words.entries.resize(1);
        LoadRepetitions(currentRun.words, 0, 30);
        ChooseNextWord(currentRun.words);
        MarkCorrect(currentRun.words);

        const std::string lockFile = folder.Path("data/lexadrill.lock");
        const int otherGame = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        ASSERT_EQ(flock(otherGame, LOCK_EX | LOCK_NB), 0);
        safe_file_write_testing::InjectFault(c.fault);

        RunEnd run;
        run.row = 0;
        run.player = u"ana";
        run.score = 20;
        run.passedRow = 0;
        RunEndSave save(run, context, learner, currentRun, 0);
        std::optional<RunEndResult> result;
        int ms = 0;
        for (; ms <= 5000; ms += 100) {
            result = save.Step(static_cast<uint32_t>(ms));
            if (result) break;
            EXPECT_FALSE(folder.Exists("data/hof.hof")) << "written before the lock was settled";
        }
        safe_file_write_testing::InjectFault(Fault::None);
        close(otherGame);

        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(ms, static_cast<int>(kLockWaitMs)) << "asked every 100 ms";
        EXPECT_EQ(result->save.status, c.status);
        EXPECT_EQ(result->save.reason, c.reason);
        EXPECT_EQ(result->save.folder, folder.Path("data/"));
        EXPECT_EQ(result->nextTopicUnlocked, c.unlocked);
        const bool written = c.status != Status::NotSaved;
        EXPECT_EQ(folder.Read("data/0-30_rep.dat"),
                  written ? std::vector<uint8_t>(4, 0) : std::vector<uint8_t>{});
        EXPECT_EQ(folder.Exists("data/hof.hof"), written);
        EXPECT_EQ(folder.Exists("data/30-60_rep.dat"), c.unlocked);

        // Done once: nothing is saved again.
        std::filesystem::remove(folder.Path("data/hof.hof"));
        EXPECT_FALSE(save.Step(10000).has_value());
        save.Finish();
        EXPECT_FALSE(folder.Exists("data/hof.hof"));
    }
}

}  // namespace
