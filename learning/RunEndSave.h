// The one owner of a run's save: when a test or review ends (passed, failed, reviewed or broken
// off) its counts, its word schedule, a test's hall-of-fame entry and, after a pass, the next topic's unlock
// are saved together, once, under the save folder's lock taken here and nowhere else
// (learning/SaveFolderLock.h). The lock is waited for across ticks, never by stopping the game: the screen
// calls Step once a tick until it gives the result, which says what the player is to be told.
//
// Each store takes part through a SaveParticipant; a store that joins the run's save (a review
// schedule, say) adds its participant in RunEndSave's constructor and nothing else. The learner's
// record (record/RecordStore.h) is one participant: the run's answers, schedule and own counts in
// one transaction. Its database has a lock of its own, asked for without waiting like the
// folder's: while another game writes it, the save asks again on the next tick, and after
// kLockWaitMs it gives up and says so.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "learning/SaveFolderLock.h"
#include "learning/SaveResult.h"

// What a finished run leaves to save. The word schedule's answers (learning/ReviewSchedule.h)
// are saved with every run.
struct RunEnd {
    int row = 0;            // the topics row whose counts the run changed (designed or own)
    bool hasCounts = true;  // false when no words were loaded: saving would empty the topic's file
    // A review's cards come from several rows: each row here has its judged cards' counts saved
    // (learning/ReviewRun.h), instead of `row`'s; empty for a test.
    std::vector<int> reviewedRows;
    bool review = false;  // a review: no hall-of-fame entry, no pass
    // A test the other way round: its counts and schedule are the record's reverse ones; it makes
    // no hall-of-fame entry and unlocks nothing (the design's files belong to its own direction).
    bool reversed = false;
    std::u16string player;
    int32_t score = 0;
    int passedRow = -1;  // a passed run's topics row, whose next row it unlocks; -1 for no pass
};

struct RunEndResult {
    SaveResult save;
    bool nextTopicUnlocked = false;
};

// How a participant's commit may go about a lock of its own that another game holds.
enum class CommitAttempt {
    Again,    // without waiting; nothing (ask again next tick) while the lock is held
    Last,     // without waiting; not saved while the lock is held
    Closing,  // the game is closing: may wait a moment for it, then not saved
};

// One store's share of a run's save. Commit runs with the folder's lock held (or once the wait for
// it is over): it re-reads the store's file, replays this run's changes onto what the file holds
// and writes it safely (platform/SafeFileWrite.h). It answers nothing only for
// CommitAttempt::Again, and is then asked again.
class SaveParticipant {
public:
    virtual ~SaveParticipant() = default;
    virtual std::optional<SaveResult> Commit(CommitAttempt attempt) = 0;
};

class NextTopicUnlock;
struct AppContext;
struct Learner;
struct LearningRun;

class RunEndSave {
public:
    // Asks for the lock; nothing is written before the first Step. The application's state, the
    // learner and the finished run are their owner's and outlive the save.
    RunEndSave(const RunEnd& run, const AppContext& app, Learner& learner, LearningRun& finished,
               uint32_t nowMs);
    ~RunEndSave();
    RunEndSave(const RunEndSave&) = delete;
    RunEndSave& operator=(const RunEndSave&) = delete;

    // Once a tick: the result once the lock is held or the wait is over (in the first call when
    // the lock is free), every participant then committed and the lock let go; nothing while the
    // wait goes on. After the result, nothing is done again.
    std::optional<RunEndResult> Step(uint32_t nowMs);
    // Saves now, without waiting any longer (the game is closing); a save already done is not
    // done again (its result is then the default, Saved).
    RunEndResult Finish();

private:
    // Commits the participants not committed yet; nothing while one asks to be asked again.
    std::optional<RunEndResult> Commit(CommitAttempt attempt, uint32_t nowMs);

    SaveFolderLock lock;
    std::vector<std::unique_ptr<SaveParticipant>> participants;
    NextTopicUnlock* unlock = nullptr;    // among participants after a pass
    size_t committed = 0;                 // participants committed so far
    RunEndResult result;                  // what they told so far
    std::optional<uint32_t> busySinceMs;  // when a participant first asked to be asked again
    bool done = false;
};
