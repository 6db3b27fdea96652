// The learner's record with a year of heavy use in it, 100,000 answers: what it adds to start-up
// (opening it, its checks, the lists it holds), what a run's end costs (30 answers and their
// cards' counts and schedule in one transaction, with the hall of fame beside it, and that design
// file's part alone), what the progress picture's figures cost (as shown again, and
// after another game's answers made every schedule be read again), and how large the file is. The
// figures come before the runs' ends, whose answers would add to the year's.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
#include "learning/HallOfFame.h"
#include "learning/Learner.h"
#include "learning/LearnerRecord.h"
#include "learning/LearningRun.h"
#include "learning/OwnTopics.h"
#include "learning/RepetitionStore.h"
#include "learning/ReviewSchedule.h"
#include "learning/RunEndSave.h"
#include "learning/TopicWords.h"
#include "learning/WordList.h"
#include "record/RecordStore.h"
#include "tests/hooks/Headless.h"
#include "tests/hooks/TestHooks.h"
#include "unicode/Utf8Utf16.h"

namespace {

constexpr int kAnswers = 100000;
constexpr int kLists = 20;
constexpr int kCardsPerList = 100;
constexpr int32_t kToday = 20400;

// A game folder whose record holds a year of answers; made once for every benchmark here, owned
// by this file for the benchmark's run.
struct YearOfAnswers {
    std::string root;
    std::unique_ptr<AppContext> context;
    Learner learner;
    LearningRun currentRun;

    YearOfAnswers() {
        char pattern[] = "/tmp/lexadrill_bench_record_XXXXXX";
        root = std::string(mkdtemp(pattern)) + "/";
        std::filesystem::create_directories(root + "data/lists");
        platform::headless::SetExecutableFolder(root);
        ForgetSaveFolder();
        context = std::make_unique<AppContext>(root);
        for (int list = 0; list < kLists; ++list) {
            std::ofstream out(root + "data/lists/list" + std::to_string(list) + ".csv");
            for (int card = 0; card < kCardsPerList; ++card)
                out << "word " << card << ";Wort " << card << "\n";
        }
        ReadListsFolder(*context, learner);
        OpenLearnerRecord(*context, learner);
        // A year of days, each with its share of the answers, over every card of every topic.
        record::Transaction year;
        year.Begin();
        for (int i = 0; i < kAnswers; ++i) {
            const int32_t day = kToday - 364 + i * 365 / kAnswers;
            const int row = i % context->topicCount;
            const OwnTopic* own = OwnTopicOfRow(*context, learner, row);
            const TopicInfo& topic = context->topics[row];
            const int cards = own ? static_cast<int>(own->cards.size()) : topic.lastWord - topic.firstWord;
            const int entry = (i / context->topicCount) % cards;
            record::AnswerFacts answer;
            answer.deck = own ? record::Deck::OwnList(own->listFile)
                              : record::Deck::Designed(topic.firstWord, topic.lastWord);
            // A designed card by the name its line has without a word file.
            answer.card =
                own ? record::CardWords{own->cards[entry].prompt, own->cards[entry].answer}
                    : record::CardWords{u"", u"line " + Utf8ToUtf16(std::to_string(topic.firstWord + entry))};
            answer.atSeconds = int64_t{day} * 86400;
            answer.day = day;
            answer.typed = u"typed answer";
            answer.verdict = i % 4 == 0 ? record::Verdict::Wrong : record::Verdict::Right;
            answer.seconds = 4.5;
            year.AddAnswer(answer);
            record::CardState state;
            state.count = own ? i % 6 : record::CardState::kNoCount;
            state.box = 1 + i % 7;
            state.lastDay = day;
            state.dueDay = day + kBoxWaitDays[static_cast<size_t>(state.box)];
            year.PutState(answer.deck, answer.card, record::Direction::Forward, state);
        }
        year.Commit();
        platform::SetToday(kToday);
    }
    ~YearOfAnswers() {
        record::StopRecord();
        ForgetSchedules(learner);
        learner.ownTopics.clear();
        platform::UseClockDay();
        std::filesystem::remove_all(root);
    }
};

YearOfAnswers& Year() {
    static YearOfAnswers year;
    return year;
}

double RecordMegabytes() {
    double bytes = 0;
    for (const char* name : {"progress.sqlite", "progress.sqlite-wal"}) {
        std::error_code missing;
        const auto size = std::filesystem::file_size(Year().root + "data/" + name, missing);
        if (!missing) bytes += static_cast<double>(size);
    }
    return bytes / 1e6;
}

void BM_RecordStartUpWith100000Answers(benchmark::State& state) {
    Year();
    for (auto _ : state) {
        state.PauseTiming();
        record::StopRecord();  // ends the last start's integrity check, which runs beside the game
        state.ResumeTiming();
        benchmark::DoNotOptimize(OpenLearnerRecord(*Year().context, Year().learner));
    }
    state.counters["file_MB"] = RecordMegabytes();
    // How long the integrity check beside the game takes to its end, on a start of its own.
    record::StopRecord();
    const auto start = std::chrono::steady_clock::now();
    OpenLearnerRecord(*Year().context, Year().learner);
    record::PollRecordCheck(true);
    state.counters["check_beside_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
BENCHMARK(BM_RecordStartUpWith100000Answers)->Unit(benchmark::kMillisecond);

void BM_RecordProgressFiguresWith100000Answers(benchmark::State& state) {
    Year();
    for (auto _ : state) benchmark::DoNotOptimize(CurrentProgress(*Year().context, Year().learner));
}
BENCHMARK(BM_RecordProgressFiguresWith100000Answers)->Unit(benchmark::kMillisecond);

// The same after another game saved an answer: every schedule is read from the record again.
void BM_RecordProgressFiguresAfterAnotherGamesAnswer(benchmark::State& state) {
    Year();
    sqlite3* otherGame = nullptr;
    sqlite3_open((Year().root + "data/progress.sqlite").c_str(), &otherGame);
    for (auto _ : state) {
        state.PauseTiming();
        if (sqlite3_exec(
                otherGame,
                "UPDATE card_state SET missed = 1 - missed WHERE card_id = (SELECT min(card_id) FROM "
                "card_state)",
                nullptr, nullptr, nullptr) != SQLITE_OK) {
            state.SkipWithError("the other game's answer was not saved");
            break;
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(CurrentProgress(*Year().context, Year().learner));
    }
    sqlite3_close(otherGame);
}
BENCHMARK(BM_RecordProgressFiguresAfterAnotherGamesAnswer)->Unit(benchmark::kMillisecond);

void BM_RecordRunEndWith100000Answers(benchmark::State& state) {
    Year();
    // The first own list's first topic: 30 cards whose counts the record keeps too.
    int row = 0;
    while (row < Year().context->topicCount && OwnTopicOfRow(*Year().context, Year().learner, row) == nullptr)
        ++row;
    double slowest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        LoadTopicWords(*Year().context, Year().learner, Year().currentRun.words, row);
        for (unsigned entry = 0; entry < 30; ++entry) {
            Year().currentRun.words.currentWord = entry;
            entry % 3 == 0 ? MarkWrong(Year().currentRun.words) : MarkCorrect(Year().currentRun.words);
            RecordAnswer(*Year().context, Year().learner, row, static_cast<int>(entry), entry % 3 != 0);
        }
        RunEnd run;
        run.row = row;
        run.player = u"ana";
        run.score = 200;
        RunEndSave save(run, *Year().context, Year().learner, Year().currentRun, 0);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(save.Step(0));
        slowest = std::max(
            slowest,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["file_MB"] = RecordMegabytes();
    // The slowest end, wall time: one that checkpoints the record's write-ahead log into it.
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_RecordRunEndWith100000Answers)->Unit(benchmark::kMillisecond);

// The hall of fame's part of a test's end alone: the design's file re-read and written safely, as
// it always was (a temporary file synced, renamed over the old one, the folder synced).
void BM_RecordRunEndsHallOfFameAlone(benchmark::State& state) {
    Year();
    for (auto _ : state) {
        LoadHallOfFame(Year().learner);
        AddHallOfFameEntry(Year().learner, u"ana", 200);
        benchmark::DoNotOptimize(SaveHallOfFame(Year().learner));
    }
}
BENCHMARK(BM_RecordRunEndsHallOfFameAlone)->Unit(benchmark::kMillisecond);

}  // namespace
