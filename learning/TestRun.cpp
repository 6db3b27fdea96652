#include "learning/TestRun.h"

#include <algorithm>

#include "learning/LearningRun.h"

namespace {

constexpr int32_t kPointsPerAnswer = 10;
constexpr int32_t kBonusPoints = 10;
// More seconds than this left on the clock earn the bonus.
constexpr int32_t kBonusAboveSeconds = 10;

}  // namespace

int32_t PassMark(int32_t testLength) { return std::max(1, static_cast<int32_t>(testLength * 0.7)); }

bool ScoreAnswer(TestRun& run, bool correct) {
    bool bonus = false;
    if (correct) {
        run.score += kPointsPerAnswer;
        ++run.correctCount;
        if (run.timeLeft > kBonusAboveSeconds) {
            run.score += kBonusPoints;
            bonus = true;
        }
    } else {
        ++run.wrongCount;
    }
    ++run.askedCount;
    return bonus;
}

RunOutcome DecideRun(const TestRun& run) {
    if (run.mode == RunMode::Review)
        return run.askedCount < run.testLength ? RunOutcome::NextQuestion : RunOutcome::Reviewed;
    if (run.correctCount >= run.toPass) return RunOutcome::Passed;
    if (run.askedCount < run.testLength) return RunOutcome::NextQuestion;
    return RunOutcome::Failed;
}
