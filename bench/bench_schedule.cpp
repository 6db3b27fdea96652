// What the word schedule costs the main menu: reading the twelve designed topics' schedule files
// (30 cards each, every card answered) and their counts files, then today's due count and the
// progress figures, from a fresh start.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/RepetitionStore.h"
#include "learning/ReviewSchedule.h"
#include "platform/CalendarDay.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"

namespace {

void BM_ScheduleOfTwelveTopicsAtStart(benchmark::State& state) {
    char pattern[] = "/tmp/lexadrill_bench_XXXXXX";
    const std::string root = std::string(mkdtemp(pattern)) + "/";
    std::filesystem::create_directories(root + "data");
    platform::headless::SetExecutableFolder(root);
    AppContext context(root);
    Learner learner;
    // Every topic played once a day for a fortnight, a card a day each.
    for (int day = 0; day < 14; ++day) {
        platform::SetToday(20000 + day);
        for (int t = 0; t < context.topicCount; ++t) {
            UnlockTopic(context.topics[t].firstWord, context.topics[t].lastWord);
            for (int entry = 0; entry < 30; ++entry)
                RecordAnswer(context, learner, t, entry, (entry + day) % 4 != 0);
        }
        SaveSchedules(learner);
    }
    for (auto _ : state) {
        ForgetSchedules(learner);
        benchmark::DoNotOptimize(DueCountToday(context, learner));
        benchmark::DoNotOptimize(CurrentProgress(context, learner));
    }
    ForgetSchedules(learner);
    platform::UseClockDay();
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_ScheduleOfTwelveTopicsAtStart)->Unit(benchmark::kMillisecond);

}  // namespace
