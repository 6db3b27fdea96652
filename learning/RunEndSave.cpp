#include "learning/RunEndSave.h"

#include "game/SaveFolder.h"
#include "learning/HallOfFame.h"
#include "learning/LearningRun.h"
#include "learning/RepetitionStore.h"
#include "learning/ReviewRun.h"
#include "learning/ReviewSchedule.h"
#include "learning/TopicWords.h"

namespace {

// The topic's counts: the file's, with this run's judged answers replayed onto them.
class TopicCountsSave : public SaveParticipant {
public:
    explicit TopicCountsSave(int row) : row(row) {}
    SaveResult Commit() override { return SaveTopicCounts(currentRun.words, row); }

private:
    int row;
};

// A review's judged cards of one row, replayed onto that row's counts file.
class ReviewedCountsSave : public SaveParticipant {
public:
    explicit ReviewedCountsSave(int row) : row(row) {}
    SaveResult Commit() override { return SaveReviewedCounts(row); }

private:
    int row;
};

// This run's answers in the word schedule, replayed onto each topic's schedule file.
class ScheduleSave : public SaveParticipant {
public:
    SaveResult Commit() override { return SaveSchedules(); }
};

// The hall of fame as the file holds it now, with this run's entry added.
class HallOfFameEntrySave : public SaveParticipant {
public:
    HallOfFameEntrySave(std::u16string player, int32_t score) : player(std::move(player)), score(score) {}
    SaveResult Commit() override {
        LoadHallOfFame();
        AddHallOfFameEntry(player, score);
        return SaveHallOfFame();
    }

private:
    std::u16string player;
    int32_t score;
};

}  // namespace

// The row after a passed one, unlocked when it still is locked on disk.
class NextTopicUnlock : public SaveParticipant {
public:
    explicit NextTopicUnlock(int passedRow) : passedRow(passedRow) {}
    SaveResult Commit() override {
        const TopicUnlock done = UnlockNextTopic(passedRow);
        unlocked = done.unlocked;
        return done.save;
    }
    bool Unlocked() const { return unlocked; }

private:
    int passedRow;
    bool unlocked = false;
};

RunEndSave::RunEndSave(const RunEnd& run, uint32_t nowMs) : lock(nowMs) {
    // In this order: the unlock looks at the passed topic's file, which the counts have just saved.
    if (run.review) {
        for (int row : run.reviewedRows) participants.push_back(std::make_unique<ReviewedCountsSave>(row));
    } else if (run.hasCounts) {
        participants.push_back(std::make_unique<TopicCountsSave>(run.row));
    }
    participants.push_back(std::make_unique<ScheduleSave>());
    if (!run.review) participants.push_back(std::make_unique<HallOfFameEntrySave>(run.player, run.score));
    if (run.passedRow >= 0 && !run.review) {
        auto next = std::make_unique<NextTopicUnlock>(run.passedRow);
        unlock = next.get();
        participants.push_back(std::move(next));
    }
}

RunEndSave::~RunEndSave() = default;

std::optional<RunEndResult> RunEndSave::Step(uint32_t nowMs) {
    if (done || !lock.Settled(nowMs)) return std::nullopt;
    return Commit();
}

RunEndResult RunEndSave::Finish() {
    if (done) return RunEndResult{};
    lock.GiveUp();
    return Commit();
}

RunEndResult RunEndSave::Commit() {
    done = true;
    RunEndResult result;
    // Every store is tried, whatever the others did: one full disk must not cost the others' files.
    for (const std::unique_ptr<SaveParticipant>& participant : participants) {
        result.save = Worse(result.save, participant->Commit());
    }
    if (!lock.Held()) {
        result.save = Worse(result.save, SaveResult{SaveResult::Status::SavedWithoutLock, SaveWriteFolder(),
                                                    lock.WhyNotHeld()});
    }
    lock.Release();
    result.nextTopicUnlocked = unlock != nullptr && unlock->Unlocked();
    return result;
}
