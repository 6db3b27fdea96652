// The learner's record, progress.sqlite, on a real SQLite database in a temporary game folder:
// transactions failing at every step, damaged records, the old files carried over, a list imported
// again in another order, the progress figures of a known record and the results' export.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ResultsExportCommand.h"
#include "game/saves/SaveFolder.h"
#include "game/state/AppContext.h"
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
#include "record/ResultsExport.h"
#include "tests/OldProgressFiles.h"
#include "tests/RecordReader.h"
#include "tests/TempGameFolder.h"
#include "tests/Utf16Bytes.h"
#include "tests/hooks/RecordFaults.h"
#include "tests/hooks/TestHooks.h"

namespace {

constexpr int kDesigned = 12;
constexpr int32_t kDay = 20000;

// A game folder with the designed topics and the record's session on it, torn down afterwards.
class RecordFolder {
public:
    RecordFolder() : context(folder.root) {
        ForgetSaveFolder();
        record::StopRecord();
        learner.ownTopics.clear();
        platform::SetToday(kDay);
    }
    ~RecordFolder() {
        record::StopRecord();
        ForgetSchedules(learner);
        learner.ownTopics.clear();
        currentRun.words = WordList{};
        platform::UseClockDay();
    }
    RecordFolder(const RecordFolder&) = delete;
    RecordFolder& operator=(const RecordFolder&) = delete;

    std::string Data() const { return folder.root + "data/"; }
    std::string RecordFile() const { return Data() + "progress.sqlite"; }
    std::string Dump() const { return RecordReader(RecordFile()).Dump(); }

    // Writes a list file outside the game's folders and imports it.
    std::string Import(const std::string& name, const std::string& text) {
        const std::string path = folder.root + name;
        std::ofstream(path, std::ios::binary) << text;
        return ImportListFile(context, learner, path);
    }

    // The topics row of an own list's first part.
    int RowOf(const std::string& listFile) const {
        for (int row = 0; row < context.topicCount; ++row) {
            const OwnTopic* own = OwnTopicOfRow(context, learner, row);
            if (own && own->listFile == listFile && own->part == 1) return row;
        }
        return -1;
    }

    // A test of the row: each entry answered right or wrong in turn, then the run's one save.
    std::optional<RunEndResult> PlayAndSave(int row, const std::vector<bool>& right, uint32_t nowMs = 0) {
        LoadTopicWords(context, learner, currentRun.words, row);
        for (size_t entry = 0; entry < right.size(); ++entry) {
            currentRun.words.currentWord = static_cast<unsigned>(entry);
            right[entry] ? MarkCorrect(currentRun.words) : MarkWrong(currentRun.words);
            RecordAnswer(context, learner, row, static_cast<int>(entry), right[entry]);
        }
        RunEnd run;
        run.row = row;
        run.player = u"ana";
        run.score = 10;
        save = std::make_unique<RunEndSave>(run, context, learner, currentRun, nowMs);
        return save->Step(nowMs);
    }

    TempGameFolder folder;
    AppContext context;
    Learner learner;
    LearningRun currentRun;
    std::unique_ptr<RunEndSave> save;
};

const char kAnimals[] = "dog;Hund\ncat;Katze\nbird;Vogel\n";

// Another game writing the record: its own connection holding the write lock.
class OtherGameWriting {
public:
    explicit OtherGameWriting(const std::string& path) {
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    }
    ~OtherGameWriting() {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

private:
    sqlite3* db = nullptr;
};

// What one transaction does to a record holding the animals list with one run saved, and whether
// it told the player it went wrong.
struct Transaction {
    const char* name;
    std::function<bool(RecordFolder&)> failedAndTold;
    bool changesRecord;  // when it goes through (a list imported again in the same second does not)
};

const Transaction kTransactions[] = {
    {"a run's end",
     [](RecordFolder& game) {
         std::optional<RunEndResult> result =
             game.PlayAndSave(game.RowOf("animals.csv"), {false, true, true});
         if (!result) result = game.save->Step(kLockWaitMs);  // waited out while another game wrote
         return result && result->save.status == SaveResult::Status::NotSaved;
     },
     true},
    {"an import",
     [](RecordFolder& game) {
         const std::string line = game.Import("birds.csv", "owl;Eule\n");
         return line.find("not imported") != std::string::npos && !game.folder.Exists("data/lists/birds.csv");
     },
     true},
    {"a re-import",
     [](RecordFolder& game) {
         const std::vector<uint8_t> before = game.folder.Read("data/lists/animals.csv");
         const std::string line = game.Import("animals.csv", "bird;Vogel\ndog;Hund\n");
         return line.find("not imported") != std::string::npos &&
                game.folder.Read("data/lists/animals.csv") == before;
     },
     false},
    {"a removal",
     [](RecordFolder& game) {
         const ListRemoval removal = RemoveOwnList(game.context, game.learner, "animals.csv");
         // Told either way; the copy goes only when the record could be begun.
         return !removal.problem.empty();
     },
     true},
};

void SetUpRecord(RecordFolder& game) {
    ASSERT_EQ(game.Import("animals.csv", kAnimals).find("not imported"), std::string::npos);
    ASSERT_TRUE(game.PlayAndSave(game.RowOf("animals.csv"), {true, false, true}));
    game.save.reset();
}

TEST(LearnerRecord, TransactionsFailingAtEveryStepLeaveTheRecordAsItWas) {
    record_testing::InstallFaultLayer();
    for (const Transaction& transaction : kTransactions) {
        for (const record_testing::Fault fault :
             {record_testing::Fault::WriteError, record_testing::Fault::DiskFull}) {
            // Fails each write or sync of the transaction in turn, until one runs with none left to fail.
            for (int step = 0; step < 64; ++step) {
                SCOPED_TRACE(std::string(transaction.name) +
                             (fault == record_testing::Fault::DiskFull ? ", disk full" : ", write error") +
                             " at step " + std::to_string(step));
                RecordFolder game;
                SetUpRecord(game);
                const std::string before = game.Dump();
                record_testing::FailStep(fault, step);
                const bool told = transaction.failedAndTold(game);
                const bool injected = record_testing::StepsSeen() > step;
                record_testing::FailStep(record_testing::Fault::None, -1);
                if (!injected) {
                    EXPECT_FALSE(told) << "nothing failed";
                    if (transaction.changesRecord) {
                        EXPECT_NE(game.Dump(), before) << "the change was kept";
                    }
                    break;
                }
                EXPECT_TRUE(told);
                EXPECT_EQ(game.Dump(), before);
                EXPECT_EQ(RecordReader(game.RecordFile()).Rows("PRAGMA integrity_check"),
                          std::vector<std::string>{"ok"});
            }
        }
        SCOPED_TRACE(std::string(transaction.name) + ", another game writing");
        RecordFolder game;
        SetUpRecord(game);
        const std::string before = game.Dump();
        {
            const OtherGameWriting other(game.RecordFile());
            EXPECT_TRUE(transaction.failedAndTold(game));
        }
        EXPECT_EQ(game.Dump(), before);
    }
    record_testing::RemoveFaultLayer();
}

TEST(LearnerRecord, ARunsSaveAsksAgainEachTickWhileAnotherGameWritesAndSaysWhenItGivesUp) {
    RecordFolder game;
    SetUpRecord(game);
    const int row = game.RowOf("animals.csv");
    {
        const OtherGameWriting other(game.RecordFile());
        EXPECT_FALSE(game.PlayAndSave(row, {false}, 1000)) << "the first tick asks, and waits for the next";
        EXPECT_FALSE(game.save->Step(2000));
    }
    const std::optional<RunEndResult> saved = game.save->Step(2016);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->save.status, SaveResult::Status::Saved);
    EXPECT_EQ(RecordReader(game.RecordFile()).Counts("animals.csv").at(2), "dog|Hund|1")
        << "the miss was kept";

    const OtherGameWriting other(game.RecordFile());
    EXPECT_FALSE(game.PlayAndSave(row, {false}, 5000));
    const std::optional<RunEndResult> gaveUp = game.save->Step(5000 + kLockWaitMs);
    ASSERT_TRUE(gaveUp);
    EXPECT_EQ(SaveResultMessage(gaveUp->save),
              "Progress not saved in " + game.Data() +
                  ": another game held progress.sqlite for more than 3 seconds");
}

// The record's file as each kind of damage leaves it.
struct RecordDamage {
    const char* name;
    std::function<void(RecordFolder&)> make;
    bool setAside;  // else left as it is and not written
};

void CorruptAnIndex(RecordFolder& game) {
    SetUpRecord(game);
    const std::vector<std::string> root =
        RecordReader(game.RecordFile())
            .Rows("SELECT rootpage FROM sqlite_master WHERE name = 'answers_by_card'");
    const std::vector<std::string> pageSize = RecordReader(game.RecordFile()).Rows("PRAGMA page_size");
    record::StopRecord();  // the log is folded into the file as the last connection closes
    std::fstream file(game.RecordFile(), std::ios::in | std::ios::out | std::ios::binary);
    file.seekp((std::stol(root.at(0)) - 1) * std::stol(pageSize.at(0)));
    const std::string garbage(64, '\x7f');
    file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
}

const RecordDamage kDamages[] = {
    {"not a database",
     [](RecordFolder& game) { game.folder.Write("data/progress.sqlite", Bytes(std::string(5000, 'x'))); },
     true},
    {"fails its integrity check", CorruptAnIndex, true},
    {"from a newer version",
     [](RecordFolder& game) {
         SetUpRecord(game);
         record::StopRecord();
         sqlite3* db = nullptr;
         sqlite3_open(game.RecordFile().c_str(), &db);
         sqlite3_exec(db, "PRAGMA user_version = 9", nullptr, nullptr, nullptr);
         sqlite3_close(db);
     },
     false},
    {"read-only",
     [](RecordFolder& game) {
         SetUpRecord(game);
         record::StopRecord();
         chmod(game.RecordFile().c_str(), 0444);
     },
     true},
};

TEST(LearnerRecord, ADamagedRecordIsToldOnceKeptAsideAndTheGamePlaysOn) {
    for (const RecordDamage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        RecordFolder game;
        damage.make(game);
        const std::vector<uint8_t> before = game.folder.Read("data/progress.sqlite");
        ReadListsFolder(game.context, game.learner);
        record::StartReport report = OpenLearnerRecord(game.context, game.learner);
        // Told at start-up, or by the integrity check that runs beside the game.
        report.notice += record::PollRecordCheck(true);
        EXPECT_NE(report.notice.find("progress.sqlite"), std::string::npos) << report.notice;
        // A run plays and saves as ever.
        const std::optional<RunEndResult> saved = game.PlayAndSave(0, {true});
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->save.status, SaveResult::Status::Saved);
        std::vector<std::string> aside;
        for (const auto& entry : std::filesystem::directory_iterator(game.Data())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("progress.sqlite.damaged-", 0) == 0) aside.push_back(name);
        }
        if (damage.setAside) {
            ASSERT_EQ(aside.size(), 1u);
            EXPECT_EQ(game.folder.Read("data/" + aside[0]), before) << "kept whole";
            EXPECT_NE(report.notice.find(aside[0]), std::string::npos);
            EXPECT_EQ(RecordReader(game.RecordFile()).Rows("SELECT count(*) FROM answers"),
                      std::vector<std::string>{"1"})
                << "a fresh record holds the new answer";
        } else {
            EXPECT_TRUE(aside.empty());
            EXPECT_EQ(game.folder.Read("data/progress.sqlite"), before) << "left as it is";
        }
    }
}

std::vector<uint8_t> OldSchedule(const std::vector<OldCard>& cards, const std::vector<int32_t>& days) {
    return OldScheduleBytes(1, cards, days);
}

TEST(LearnerRecord, OldFilesAreCarriedOverOnceAndMovedAsideDamagedOnesToo) {
    RecordFolder game;
    std::filesystem::create_directories(game.Data() + "lists");
    game.folder.Write("data/lists/animals.csv", Bytes(kAnimals));
    // A designed topic's schedule, an own list's counts and schedule, a cut schedule, a damaged
    // counts file and one of a list no longer there.
    const std::vector<uint8_t> designed = OldSchedule(
        {{3, kDay - 2, kDay + 2, false}, {0, 0, 0, false}, {1, kDay - 1, kDay, true}}, {kDay - 2, kDay - 1});
    game.folder.Write("data/0-30_box.dat", designed);
    game.folder.Write("data/lists/animals.csv.1.counts",
                      OldCountsBytes({{u"cat", u"Katze", 3}, {u"bird", u"Vogel", 0}, {u"owl", u"Eule", 4}}));
    game.folder.Write("data/lists/animals.csv.1.counts_box.dat",
                      OldSchedule({{0, 0, 0, false}, {2, kDay - 1, kDay + 1, false}}, {kDay - 1}));
    std::vector<uint8_t> cut = OldSchedule({{1, kDay - 1, kDay, false}, {1, kDay - 1, kDay, false}}, {});
    cut.resize(cut.size() - 5);
    game.folder.Write("data/30-60_box.dat", cut);
    game.folder.Write("data/lists/ghost.csv.1.counts", Bytes("LXCOUNT1\xff\xff"));
    const std::vector<std::string> old = {"0-30_box.dat", "30-60_box.dat", "lists/animals.csv.1.counts",
                                          "lists/animals.csv.1.counts_box.dat", "lists/ghost.csv.1.counts"};
    std::vector<std::vector<uint8_t>> oldBytes;
    for (const std::string& name : old) {
        oldBytes.push_back(game.folder.Read("data/" + name));
        ASSERT_FALSE(oldBytes.back().empty()) << name;
    }

    ReadListsFolder(game.context, game.learner);
    const record::StartReport report = OpenLearnerRecord(game.context, game.learner);
    EXPECT_EQ(report.migratedLine, "lexadrill: progress carried over into " + game.RecordFile() +
                                       "; the old files are in " + game.Data() + "migrated/");
    EXPECT_EQ(report.notice, "");
    for (size_t i = 0; i < old.size(); ++i) {
        EXPECT_FALSE(game.folder.Exists("data/" + old[i])) << old[i];
        EXPECT_EQ(game.folder.Read("data/migrated/" + old[i]), oldBytes[i])
            << old[i] << " moved, never changed";
    }
    // The designed topic's boxes by place; the cut file's whole first card; the list's by words.
    EXPECT_EQ(CardAt(game.context, game.learner, 0, 0).box, 3);
    EXPECT_EQ(CardAt(game.context, game.learner, 0, 1).box, 0);
    EXPECT_EQ(CardAt(game.context, game.learner, 0, 2).dueDay, kDay);
    EXPECT_EQ(CardAt(game.context, game.learner, 1, 0).box, 1);
    const int row = game.RowOf("animals.csv");
    EXPECT_EQ(CardAt(game.context, game.learner, row, 1).box, 2);
    LoadTopicWords(game.context, game.learner, game.currentRun.words, row);
    ASSERT_EQ(game.currentRun.words.counts.size(), 3u);
    EXPECT_EQ(game.currentRun.words.counts[0].repeatCount, 1) << "dog: not counted, still to learn";
    EXPECT_EQ(game.currentRun.words.counts[1].repeatCount, 3);
    EXPECT_EQ(game.currentRun.words.counts[2].repeatCount, 0);
    EXPECT_EQ(CurrentProgress(game.context, game.learner).streakDays, 2) << "the practised days came along";

    // Said once: the next start finds nothing to carry over and changes nothing.
    const std::string dump = game.Dump();
    record::StopRecord();
    ForgetSchedules(game.learner);
    EXPECT_EQ(OpenLearnerRecord(game.context, game.learner).migratedLine, "");
    EXPECT_EQ(game.Dump(), dump);
}

TEST(LearnerRecord, AListImportedAgainInAnotherOrderKeepsEachWordsBoxAndCount) {
    RecordFolder game;
    game.Import("animals.csv", kAnimals);
    const int row = game.RowOf("animals.csv");
    ASSERT_TRUE(game.PlayAndSave(row, {true, false, true}));  // dog right, cat missed, bird right
    platform::SetToday(kDay + 1);
    ASSERT_TRUE(game.PlayAndSave(row, {true, true, false}));  // dog right again: box 2
    // A card inserted above the others and the order turned round.
    game.Import("animals.csv", "owl;Eule\nbird;Vogel\ncat;Katze\ndog;Hund\n");
    ForgetSchedules(game.learner);
    EXPECT_EQ(CardAt(game.context, game.learner, row, 0).box, 0) << "owl: new";
    EXPECT_EQ(CardAt(game.context, game.learner, row, 1).box, 1) << "bird: missed yesterday";
    EXPECT_EQ(CardAt(game.context, game.learner, row, 2).box, 2) << "cat: missed, then right when due";
    EXPECT_EQ(CardAt(game.context, game.learner, row, 3).box, 2) << "dog: right twice";
    LoadTopicWords(game.context, game.learner, game.currentRun.words, row);
    EXPECT_EQ(game.currentRun.words.counts[0].repeatCount, 1);
    EXPECT_EQ(game.currentRun.words.counts[1].repeatCount, 1);  // bird: 1 - 1 + 1
    EXPECT_EQ(game.currentRun.words.counts[2].repeatCount, 1);  // cat: 1 + 1 - 1
    EXPECT_EQ(game.currentRun.words.counts[3].repeatCount, 0);  // dog
    // Nothing due from a list removed: its cards and answers went with it.
    platform::SetToday(kDay + 30);
    EXPECT_GT(DueCountToday(game.context, game.learner), 0);
    EXPECT_TRUE(RemoveOwnList(game.context, game.learner, "animals.csv").removed);
    ReadSchedulesAgain(game.learner);
    EXPECT_EQ(DueCountToday(game.context, game.learner), 0);
    EXPECT_EQ(RecordReader(game.RecordFile()).Rows("SELECT count(*) FROM answers"),
              std::vector<std::string>{"0"});
}

TEST(LearnerRecord, AListsLanguagesAreKeptAsItsImportFoundThem) {
    const struct {
        const char* what;
        const char* file;
        std::string text;
        const char* kept;  // file|prompt|answer|how the prompt's was found|the answer's
    } cases[] = {
        {"a #languages line", "a.csv", "#languages:en,de\ndog;Hund\n",
         "a.csv|en|de|languages line|languages line"},
        {"a first row naming two languages", "b.csv", "English;Spanish\ndog;perro\n",
         "b.csv|en|es|first row|first row"},
        {"KVTML identifiers", "c.kvtml",
         "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers><identifier id=\"0\"><locale>de"
         "</locale></identifier><identifier id=\"1\"><locale>fr</locale></identifier></identifiers><entries>"
         "<entry id=\"0\"><translation id=\"0\"><text>Hund</text></translation><translation id=\"1\">"
         "<text>chien</text></translation></entry></entries></kvtml>",
         "c.kvtml|de|fr|identifiers|identifiers"},
        {"too few words to tell", "d.csv", "1;2\n", "d.csv|||unknown|unknown"},
        {"imported again: the row follows the new file", "a.csv", "French;German\nchien;Hund\n",
         "a.csv|fr|de|first row|first row"},
    };
    RecordFolder game;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(game.Import(c.file, c.text).find("not imported"), std::string::npos);
        EXPECT_EQ(RecordReader(game.RecordFile())
                      .Rows(std::string("SELECT file, prompt_language, answer_language, prompt_found, "
                                        "answer_found FROM lists WHERE imported_at > 0 AND file = '") +
                            c.file + "'"),
                  std::vector<std::string>{c.kept});
    }
    // A list found in the lists folder at start-up is added as its file names its languages, with
    // no import time.
    game.folder.Write("data/lists/e.csv", Bytes("#languages:es,en\nperro;dog\n"));
    record::StopRecord();
    ReadListsFolder(game.context, game.learner);
    OpenLearnerRecord(game.context, game.learner);
    EXPECT_EQ(RecordReader(game.RecordFile())
                  .Rows("SELECT prompt_language, answer_language, prompt_found, imported_at FROM lists "
                        "WHERE file = 'e.csv'"),
              std::vector<std::string>{"es|en|languages line|0"});
}

TEST(LearnerRecord, ProgressFiguresOfAKnownRecord) {
    RecordFolder game;
    game.Import("animals.csv", kAnimals);
    const int own = game.RowOf("animals.csv");
    // Forty days ago a topic's answer (out of the recall's 30 days); then three days of answers.
    platform::SetToday(kDay - 40);
    RecordAnswer(game.context, game.learner, 0, 0, false);
    platform::SetToday(kDay - 2);
    RecordAnswer(game.context, game.learner, 0, 0, true);
    RecordAnswer(game.context, game.learner, 0, 1, false);
    platform::SetToday(kDay - 1);
    RecordAnswer(game.context, game.learner, own, 0, true);
    RecordAnswer(game.context, game.learner, own, 1, true);
    RecordAnswer(game.context, game.learner, own, 2, false);
    ASSERT_TRUE(SaveSchedules(game.learner));
    platform::SetToday(kDay);
    RecordAnswer(game.context, game.learner, own, 1, true);  // today, not saved yet: counted all the same
    const ProgressFigures figures = CurrentProgress(game.context, game.learner);
    ASSERT_EQ(figures.topics.size(), static_cast<size_t>(kDesigned + 1));
    EXPECT_EQ(figures.topics[0].recall.answers, 2);
    EXPECT_EQ(figures.topics[0].recall.Percent(), 50);
    EXPECT_EQ(figures.topics[own].recall.answers, 4);
    EXPECT_EQ(figures.topics[own].recall.Percent(), 75);
    EXPECT_EQ(figures.topics[1].recall.Percent(), -1) << "no answers";
    EXPECT_EQ(figures.recall.answers, 6);
    EXPECT_EQ(figures.recall.right, 4);
    std::array<int, kPractisedDaysShown> perDay{};
    perDay[kPractisedDaysShown - 3] = 2;
    perDay[kPractisedDaysShown - 2] = 3;
    perDay[kPractisedDaysShown - 1] = 1;
    EXPECT_EQ(figures.answersOnDay, perDay);
    EXPECT_EQ(figures.streakDays, 3);
    EXPECT_EQ(figures.topics[own].boxes1to2, 3);
}

TEST(LearnerRecord, AnExportedCellIsQuotedAndNeverAFormula) {
    const std::pair<std::string, std::string> cells[] = {
        {"dog", "dog"},
        {"", ""},
        {"cat, big", "\"cat, big\""},
        {"Katze \"gross\"", "\"Katze \"\"gross\"\"\""},
        {" padded ", "\" padded \""},
        {"two\nlines", "\"two\nlines\""},
        {"a-b=c", "a-b=c"},
        // What a spreadsheet would run as a formula starts with an apostrophe.
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+49 30 1234", "'+49 30 1234"},
        {"-ing", "'-ing"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\t=1", "'\t=1"},
        {"\r=1", "\"'\r=1\""},
        {"  =1+1", "'  =1+1"},
        {"=1,2", "\"'=1,2\""},
    };
    for (const auto& [text, cell] : cells) EXPECT_EQ(record::CsvField(text), cell) << text;
}

TEST(LearnerRecord, TheExportWritesOneRowPerAnswer) {
    RecordFolder game;
    game.Import("animals.csv", "dog;Hund\n\"cat, big\";\"Katze \"\"gross\"\"\"\n");
    const int own = game.RowOf("animals.csv");
    AnswerDetails typed;
    typed.verdict = record::Verdict::Wrong;
    typed.typed = u"Hunt";
    typed.seconds = 4.25;
    RecordAnswer(game.context, game.learner, CardRef{own, 0}, typed);
    AnswerDetails timedOut;
    timedOut.verdict = record::Verdict::TimedOut;
    timedOut.seconds = 15;
    timedOut.kind = record::RunKind::Review;
    RecordAnswer(game.context, game.learner, CardRef{own, 1}, timedOut);
    RecordAnswer(game.context, game.learner, 0, 2, true);
    ASSERT_TRUE(SaveSchedules(game.learner));

    char buffer[4096] = {};
    std::FILE* out = fmemopen(buffer, sizeof buffer, "w");
    EXPECT_EQ(record::ExportResults(
                  game.Data(),
                  [](const record::Deck& deck) {
                      return deck.IsOwnList() ? deck.listFile : "topic " + std::to_string(deck.firstWord);
                  },
                  out),
              "");
    std::fclose(out);
    std::vector<std::string> rows;
    std::string text(buffer), line;
    for (char c : text) {
        if (c != '\n') {
            line += c;
            continue;
        }
        // The date and time first, as the local clock had them; the rest as kept.
        rows.push_back(rows.empty() ? line : line.substr(19));
        EXPECT_TRUE(rows.size() == 1 || (line.size() > 19 && line[4] == '-' && line[13] == ':')) << line;
        line.clear();
    }
    EXPECT_EQ(rows,
              (std::vector<std::string>{
                  "date and time,topic or list,direction,prompt,expected answer,typed answer,verdict,seconds",
                  ",animals.csv,forward,dog,Hund,Hunt,wrong,4.2",
                  ",animals.csv,forward,\"cat, big\",\"Katze \"\"gross\"\"\",,timed out,15.0",
                  ",topic 0,forward,,line 2,,right,0.0"}));
    // The command: a file that cannot be written is said and ends with status 1.
    EXPECT_EQ(ExportResultsCommand("/nonexistent/folder/results.csv"), 1);
    const std::string csv = game.folder.root + "results.csv";
    EXPECT_EQ(ExportResultsCommand(csv), 0);
    const std::vector<uint8_t> written = game.folder.Read("results.csv");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 4) << "the header and three answers";
}

}  // namespace

// The figures and the schedules are read again only when the record moved: every change must be
// seen all the same, another game's commit as well as this game's save, and an answer not saved
// yet follows its words through a list imported again meanwhile.
TEST(LearnerRecord, TheFiguresFollowEveryChangeOfTheRecord) {
    RecordFolder game;
    game.Import("animals.csv", kAnimals);
    const int own = game.RowOf("animals.csv");
    ASSERT_TRUE(game.PlayAndSave(own, {true, true, true}));
    EXPECT_EQ(CurrentProgress(game.context, game.learner).topics[own].boxes1to2, 3);
    EXPECT_EQ(CurrentProgress(game.context, game.learner).topics[own].boxes5to7, 0)
        << "shown again, nothing changed";

    // Another game moves two of the list's cards to box 5.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(game.RecordFile().c_str(), &other), SQLITE_OK);
    EXPECT_EQ(
        sqlite3_exec(other,
                     "UPDATE card_state SET box = 5 WHERE card_id IN (SELECT c.id FROM cards c JOIN lists "
                     "l ON l.id = c.list_id WHERE c.prompt IN ('dog', 'cat'))",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(other);
    const ProgressFigures afterOther = CurrentProgress(game.context, game.learner);
    EXPECT_EQ(afterOther.topics[own].boxes5to7, 2);
    EXPECT_EQ(afterOther.topics[own].boxes1to2, 1);

    // This game's answer to the dog, then the list imported again in another order before the save.
    platform::SetToday(kDay + 5);
    RecordAnswer(game.context, game.learner, own, 0, false);
    game.Import("animals.csv", "bird;Vogel\ncat;Katze\ndog;Hund\n");
    ASSERT_TRUE(SaveSchedules(game.learner));
    EXPECT_EQ(CardAt(game.context, game.learner, own, 2).box, 1) << "dog: missed";
    EXPECT_EQ(CardAt(game.context, game.learner, own, 1).box, 5) << "cat: as the other game left it";
    EXPECT_EQ(CardAt(game.context, game.learner, own, 0).box, 1) << "bird: right once";
    const ProgressFigures afterSave = CurrentProgress(game.context, game.learner);
    EXPECT_EQ(afterSave.topics[own].boxes5to7, 1);
    EXPECT_EQ(afterSave.topics[own].boxes1to2, 2);
}
