#include "learning/RunEndSave.h"

#include "game/saves/SaveFolder.h"
#include "learning/HallOfFame.h"
#include "learning/Learner.h"
#include "learning/LearningRun.h"
#include "learning/OwnTopicCounts.h"
#include "learning/RepetitionStore.h"
#include "learning/ReviewRun.h"
#include "learning/ReviewSchedule.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "record/RecordStore.h"

namespace {

// What the savers of a run's end read and write: the topics table, the learner and the finished run.
struct SaveTargets {
    const AppContext& app;
    Learner& learner;
    LearningRun& finished;
};

// The topic's counts: the file's, with this run's judged answers replayed onto them.
class TopicCountsSave : public SaveParticipant {
public:
    TopicCountsSave(SaveTargets of, int row) : of(of), row(row) {}
    std::optional<SaveResult> Commit(CommitAttempt) override {
        return SaveTopicCounts(of.app, of.learner, of.finished.words, row);
    }

private:
    SaveTargets of;
    int row;
};

// A review's judged cards of one row, replayed onto that row's counts file.
class ReviewedCountsSave : public SaveParticipant {
public:
    ReviewedCountsSave(SaveTargets of, int row) : of(of), row(row) {}
    std::optional<SaveResult> Commit(CommitAttempt) override {
        return SaveReviewedCounts(of.app, of.learner, of.finished, row);
    }

private:
    SaveTargets of;
    int row;
};

// The run in the learner's record, one transaction: every answer with its card's schedule, and an
// own topic's counts, each replayed onto what the record holds now.
class RecordSave : public SaveParticipant {
public:
    RecordSave(const RunEnd& run, SaveTargets of) : of(of), review(run.review), row(run.row) {}
    std::optional<SaveResult> Commit(CommitAttempt attempt) override {
        record::Transaction change;
        const record::WriteResult begun =
            change.Begin(attempt == CommitAttempt::Closing ? kClosingWaitMs : 0);
        if (begun.outcome == record::WriteResult::Outcome::Busy) return Busy(attempt);
        if (!begun.Done()) return RecordSaveResult(begun);
        PutScheduleAnswers(of.learner, change);
        // A review's entries each belong to their card's row; a test's to the run's row.
        const std::vector<CardRef>& cards = of.finished.reviewCards;
        const std::vector<KeptCount> counts =
            PutKeptCounts(of.app, of.learner, change, of.finished.words, [this, &cards](size_t entry) {
                return !review ? row : entry < cards.size() ? cards[entry].topicIndex : -1;
            });
        const record::WriteResult written = change.Commit();
        if (written.outcome == record::WriteResult::Outcome::Busy) return Busy(attempt);
        if (!written.Done()) return RecordSaveResult(written);
        ScheduleAnswersKept(of.learner);
        TakeKeptCounts(of.finished.words, counts);
        return SaveResult{};
    }

private:
    // The game is closing: a moment's wait costs no frame.
    static constexpr int kClosingWaitMs = 1000;

    static std::optional<SaveResult> Busy(CommitAttempt attempt) {
        if (attempt == CommitAttempt::Again) return std::nullopt;
        std::string why = std::string("another game held ") + record::kRecordFileName;
        if (attempt == CommitAttempt::Last)
            why += " for more than " + std::to_string(kLockWaitMs / 1000) + " seconds";
        return SaveResult{SaveResult::Status::NotSaved, SaveWriteFolder(), why};
    }

    SaveTargets of;
    bool review;
    int row;
};

// The hall of fame as the file holds it now, with this run's entry added.
class HallOfFameEntrySave : public SaveParticipant {
public:
    HallOfFameEntrySave(Learner& learner, std::u16string player, int32_t score)
        : learner(learner), player(std::move(player)), score(score) {}
    std::optional<SaveResult> Commit(CommitAttempt) override {
        LoadHallOfFame(learner);
        AddHallOfFameEntry(learner, player, score);
        return SaveHallOfFame(learner);
    }

private:
    Learner& learner;
    std::u16string player;
    int32_t score;
};

}  // namespace

// The row after a passed one, unlocked when it still is locked on disk.
class NextTopicUnlock : public SaveParticipant {
public:
    NextTopicUnlock(const AppContext& app, int passedRow) : app(app), passedRow(passedRow) {}
    std::optional<SaveResult> Commit(CommitAttempt) override {
        const TopicUnlock done = UnlockNextTopic(app, passedRow);
        unlocked = done.unlocked;
        return done.save;
    }
    bool Unlocked() const { return unlocked; }

private:
    const AppContext& app;
    int passedRow;
    bool unlocked = false;
};

RunEndSave::RunEndSave(const RunEnd& run, const AppContext& app, Learner& learner, LearningRun& finished,
                       uint32_t nowMs)
    : lock(nowMs) {
    const SaveTargets of{app, learner, finished};
    // In this order: the unlock looks at the passed topic's file, which the counts have just saved.
    // A designed topic's counts are its _rep.dat; an own topic's are the record's.
    if (run.review) {
        for (int row : run.reviewedRows) {
            if (OwnTopicOfRow(app, learner, row) == nullptr)
                participants.push_back(std::make_unique<ReviewedCountsSave>(of, row));
        }
    } else if (run.hasCounts && OwnTopicOfRow(app, learner, run.row) == nullptr && !run.reversed) {
        participants.push_back(std::make_unique<TopicCountsSave>(of, run.row));
    }
    participants.push_back(std::make_unique<RecordSave>(run, of));
    const bool designedFilesRun = !run.review && !run.reversed;
    if (designedFilesRun)
        participants.push_back(std::make_unique<HallOfFameEntrySave>(learner, run.player, run.score));
    if (run.passedRow >= 0 && designedFilesRun) {
        auto next = std::make_unique<NextTopicUnlock>(app, run.passedRow);
        unlock = next.get();
        participants.push_back(std::move(next));
    }
}

RunEndSave::~RunEndSave() = default;

std::optional<RunEndResult> RunEndSave::Step(uint32_t nowMs) {
    if (done || !lock.Settled(nowMs)) return std::nullopt;
    // Unsigned difference: right across the millisecond counter's wrap too.
    const bool waitedOut = busySinceMs && nowMs - *busySinceMs >= kLockWaitMs;
    return Commit(waitedOut ? CommitAttempt::Last : CommitAttempt::Again, nowMs);
}

RunEndResult RunEndSave::Finish() {
    if (done) return RunEndResult{};
    lock.GiveUp();
    return Commit(CommitAttempt::Closing, 0).value_or(RunEndResult{});
}

std::optional<RunEndResult> RunEndSave::Commit(CommitAttempt attempt, uint32_t nowMs) {
    // Every store is tried, whatever the others did: one full disk must not cost the others' files.
    for (; committed < participants.size(); ++committed) {
        const std::optional<SaveResult> told = participants[committed]->Commit(attempt);
        if (!told) {
            if (!busySinceMs) busySinceMs = nowMs;
            return std::nullopt;  // asked again on the next tick, the folder's lock kept meanwhile
        }
        result.save = Worse(result.save, *told);
    }
    done = true;
    if (!lock.Held()) {
        result.save = Worse(result.save, SaveResult{SaveResult::Status::SavedWithoutLock, SaveWriteFolder(),
                                                    lock.WhyNotHeld()});
    }
    lock.Release();
    result.nextTopicUnlocked = unlock != nullptr && unlock->Unlocked();
    return result;
}
