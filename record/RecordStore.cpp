#include "record/RecordStore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <thread>

#include "game/saves/SaveFolder.h"
#include "platform/GameFolder.h"
#include "record/Database.h"
#include "record/RecordMigration.h"

namespace record {

namespace {

using database::Execute;
using database::Statement;

// "LXDR": marks a database as this game's record.
constexpr int32_t kApplicationId = 0x4C584452;

// The session's record, from StartRecord to StopRecord.
struct Session {
    std::string folder;  // ending in '/'
    std::string path;
    sqlite3* db = nullptr;
    bool started = false;
    bool newerFile = false;  // a newer game's record: left alone, nothing written
    // Connections opened and transactions committed by this game, for RecordVersion: counted over
    // every session, so a version from before a new start never matches one after it.
    uint64_t connections = 0;
    uint64_t commits = 0;
};

// Version 1. Days are local calendar day numbers; times seconds since 1970; directions 0 as the
// topic is designed, 1 the reverse; a designed topic's card has no list but its word-file lines.
constexpr char kSchema[] = R"(
CREATE TABLE lists(
    id INTEGER PRIMARY KEY,
    file TEXT NOT NULL UNIQUE,
    prompt_language TEXT NOT NULL DEFAULT '',
    answer_language TEXT NOT NULL DEFAULT '',
    prompt_found TEXT NOT NULL DEFAULT 'unknown' CHECK (prompt_found IN ('unknown', 'identifiers', 'languages line', 'first row', 'guessed')),
    answer_found TEXT NOT NULL DEFAULT 'unknown' CHECK (answer_found IN ('unknown', 'identifiers', 'languages line', 'first row', 'guessed')),
    imported_at INTEGER NOT NULL DEFAULT 0);
CREATE TABLE cards(
    id INTEGER PRIMARY KEY,
    list_id INTEGER REFERENCES lists(id) ON DELETE CASCADE,
    first_word INTEGER,
    last_word INTEGER,
    prompt TEXT NOT NULL,
    answer TEXT NOT NULL,
    CHECK ((list_id IS NULL) = (first_word IS NOT NULL)));
CREATE UNIQUE INDEX own_cards ON cards(list_id, prompt, answer) WHERE list_id IS NOT NULL;
CREATE UNIQUE INDEX designed_cards ON cards(first_word, last_word, prompt, answer) WHERE list_id IS NULL;
CREATE TABLE card_state(
    card_id INTEGER NOT NULL REFERENCES cards(id) ON DELETE CASCADE,
    direction INTEGER NOT NULL CHECK (direction IN (0, 1)),
    count INTEGER,
    box INTEGER NOT NULL DEFAULT 0,
    last_day INTEGER NOT NULL DEFAULT 0,
    due_day INTEGER NOT NULL DEFAULT 0,
    missed INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (card_id, direction)) WITHOUT ROWID;
CREATE TABLE answers(
    id INTEGER PRIMARY KEY,
    card_id INTEGER NOT NULL REFERENCES cards(id) ON DELETE CASCADE,
    direction INTEGER NOT NULL CHECK (direction IN (0, 1)),
    at INTEGER NOT NULL,
    day INTEGER NOT NULL,
    typed TEXT NOT NULL,
    verdict TEXT NOT NULL CHECK (verdict IN ('right', 'wrong', 'almost', 'timed out')),
    seconds REAL NOT NULL,
    kind TEXT NOT NULL CHECK (kind IN ('test', 'review', 'round')));
CREATE INDEX answers_by_day ON answers(day, card_id, verdict);
CREATE INDEX answers_by_card ON answers(card_id);
CREATE TABLE practised_days(day INTEGER PRIMARY KEY);
)";

bool Writable(const std::string& path) {
    struct stat facts {};
    if (stat(path.c_str(), &facts) != 0) return false;
    // The owner's write bit as well as access(): the file's mode says read-only even to root.
    return (facts.st_mode & S_IWUSR) != 0 && access(path.c_str(), W_OK) == 0;
}

// The write-ahead log is copied into the record beside the game, so that no run's end pays for it:
// after a commit leaves kCheckpointPages pages or more in the log (where SQLite's own automatic
// checkpoint would copy it, on the committing thread), a thread of its own runs a passive
// checkpoint on its own connection, one that never waits for nor stops a reader or a writer. Owned
// from the first such commit to CloseConnection.
constexpr int kCheckpointPages = 1000;
constexpr int kPageBytes = 4096;  // SQLite's page size, which the record keeps
struct Checkpointer {
    std::thread worker;
    std::atomic<bool> running{false};
};

// The record's integrity check, run on a thread of its own with its own read-only connection, so
// a year of answers costs start-up nothing; the game's thread takes its result once a tick
// (PollRecordCheck). From StartRecord to StopRecord.
struct IntegrityCheck {
    std::thread worker;
    std::mutex guard;
    sqlite3* reader = nullptr;  // the check's connection while it runs, under `guard`
    std::atomic<bool> finished{false};
    std::string why;  // set before `finished`: why the file is damaged; "" when it is whole
    bool told = false;
};

// The record's one state, the program's one session of the learner's record (owner: this file):
// the session's connection and its kept statements, the checkpoint's thread and the integrity
// check's.
struct RecordState {
    Session session;
    database::KeptStatements statements;
    Checkpointer checkpointer;
    IntegrityCheck integrity;
};
RecordState state;

void RunCheckpoint(const std::string& path) {
    sqlite3* db = nullptr;
    // A first read opens the log: a connection that has read nothing does not know of it yet.
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        Execute(db, "PRAGMA schema_version") == SQLITE_OK)
        sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    sqlite3_close(db);
    state.checkpointer.running = false;
}

void StopCheckpointer() {
    if (state.checkpointer.worker.joinable()) state.checkpointer.worker.join();
}

// SQLite's hook after every commit of the session's connection, with the pages now in the log.
int CheckpointBeside(void*, sqlite3*, const char*, int pages) {
    if (pages >= kCheckpointPages && !state.checkpointer.running) {
        StopCheckpointer();  // the one before, finished
        state.checkpointer.running = true;
        state.checkpointer.worker = std::thread(RunCheckpoint, state.session.path);
    }
    return SQLITE_OK;
}

sqlite3* OpenConnection(const std::string& path, int flags) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    // Every commit synced; a log that grew past the pages of a checkpoint is cut back to them when
    // it starts again from its beginning.
    const std::string settings =
        "PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL; PRAGMA journal_size_limit = " +
        std::to_string(int64_t{kCheckpointPages} * kPageBytes) + ";";
    Execute(db, settings.c_str());
    database::KeepStatementsOf(db);
    sqlite3_wal_hook(db, CheckpointBeside, nullptr);  // in place of the automatic checkpoint
    ++state.session.connections;
    return db;
}

void CloseConnection(sqlite3*& db) {
    StopCheckpointer();
    if (db != nullptr) database::ForgetStatements();
    sqlite3_close(db);
    db = nullptr;
}

int64_t PragmaNumber(sqlite3* db, const char* sql, int& code) {
    Statement pragma(db, sql);
    const bool row = pragma.Next();
    if (code == SQLITE_OK) code = row ? SQLITE_OK : (pragma.code != SQLITE_OK ? pragma.code : SQLITE_CORRUPT);
    return row ? pragma.Int(0) : 0;
}

enum class FileCheck { Ours, Empty, Newer, Damaged };
struct CheckResult {
    FileCheck verdict = FileCheck::Ours;
    std::string why;  // for Damaged
};

CheckResult Damaged(std::string why) { return CheckResult{FileCheck::Damaged, std::move(why)}; }

CheckResult CheckFile(sqlite3* db, const std::string& path) {
    int code = SQLITE_OK;
    const int64_t version = PragmaNumber(db, "PRAGMA user_version", code);
    const int64_t application = PragmaNumber(db, "PRAGMA application_id", code);
    const int64_t tables = PragmaNumber(db, "SELECT count(*) FROM sqlite_master", code);
    if ((code & 0xff) == SQLITE_NOTADB) return Damaged("it is not a database");
    if (code != SQLITE_OK) return Damaged(std::string("it cannot be read (") + sqlite3_errstr(code) + ")");
    if (application == kApplicationId && version > kSchemaVersion) return CheckResult{FileCheck::Newer, ""};
    if (tables == 0 && version == 0 && application == 0) return CheckResult{FileCheck::Empty, ""};
    if (application != kApplicationId || version < 1) return Damaged("it is not lexaDRILL's record");
    if (sqlite3_db_readonly(db, "main") != 0 || !Writable(path)) return Damaged("it cannot be written");
    // The integrity check reads the whole file: it runs beside the game (IntegrityCheck below).
    return CheckResult{};
}

void RunIntegrityCheck(const std::string& path) {
    sqlite3* db = nullptr;
    std::string why;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        {
            const std::lock_guard<std::mutex> lock(state.integrity.guard);
            state.integrity.reader = db;
        }
        Statement check(db, "PRAGMA quick_check");
        const bool row = check.Next();
        if ((check.code & 0xff) != SQLITE_INTERRUPT && (!row || check.Text(0) != "ok"))
            why = "it fails its integrity check";
    }
    {
        const std::lock_guard<std::mutex> lock(state.integrity.guard);
        state.integrity.reader = nullptr;
    }
    sqlite3_close(db);
    state.integrity.why = why;
    state.integrity.finished = true;
}

void StartIntegrityCheck(const std::string& path) {
    state.integrity.finished = false;
    state.integrity.why.clear();
    state.integrity.told = false;
    state.integrity.worker = std::thread(RunIntegrityCheck, path);
}

// Ends a check still running (it is interrupted: the game is closing or starting again).
void StopIntegrityCheck() {
    if (!state.integrity.worker.joinable()) return;
    {
        const std::lock_guard<std::mutex> lock(state.integrity.guard);
        if (state.integrity.reader) sqlite3_interrupt(state.integrity.reader);
    }
    state.integrity.worker.join();
}

std::string LocalDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// Renames the file (with its write-ahead log and shared memory, which belong to it) to a name
// with today's date that no file has; the new name, or "" when it could not be renamed.
std::string SetAside(const std::string& path) {
    const std::string stem = path + ".damaged-" + LocalDate();
    std::string aside = stem;
    for (int n = 2; platform::PathExists(aside) && n < 1000; ++n) aside = stem + "-" + std::to_string(n);
    if (std::rename(path.c_str(), aside.c_str()) != 0) return "";
    for (const char* companion : {"-wal", "-shm"}) {
        if (platform::PathExists(path + companion))
            std::rename((path + companion).c_str(), (aside + companion).c_str());
    }
    return aside;
}

int MakeSchema(sqlite3* db) {
    // The log mode is kept in the file; readers then never wait for a writer.
    Execute(db, "PRAGMA journal_mode = WAL");
    const std::string script = std::string("BEGIN IMMEDIATE;") + kSchema + database::kChosenDirectionsTable +
                               "PRAGMA application_id = " + std::to_string(kApplicationId) +
                               "; PRAGMA user_version = " + std::to_string(kSchemaVersion) + "; COMMIT;";
    const int code = Execute(db, script.c_str());
    if (code != SQLITE_OK) Execute(db, "ROLLBACK");
    return code;
}

// Opens an existing file as this session's record, or tells why it cannot be.
CheckResult OpenExisting() {
    state.session.db = OpenConnection(state.session.path, SQLITE_OPEN_READWRITE);
    if (state.session.db == nullptr) return Damaged("it cannot be opened");
    CheckResult check = CheckFile(state.session.db, state.session.path);
    if (check.verdict == FileCheck::Empty && MakeSchema(state.session.db) != SQLITE_OK)
        check = Damaged("it cannot be written");
    if (check.verdict != FileCheck::Ours && check.verdict != FileCheck::Empty)
        CloseConnection(state.session.db);
    return check;
}

// Adds the lists the record lacks, in one transaction; none when it holds them all.
WriteResult AddListsNotKept(const std::vector<ListFacts>& lists) {
    std::vector<ListFacts> missing = lists;
    if (sqlite3* db = database::Reader()) {
        Statement kept(db, "SELECT 1 FROM lists WHERE file = ?");
        missing.clear();
        for (const ListFacts& list : lists) {
            kept.Reset();
            kept.Bind(1, list.file);
            if (!kept.Next()) missing.push_back(list);
        }
    }
    if (missing.empty()) return WriteResult{};
    Transaction add;
    const WriteResult begun = add.Begin(500);  // at start-up, before the window
    if (!begun.Done()) return begun;
    add.AddMissingLists(missing);
    return add.Commit();
}

StartReport OpenSession(const std::string& folder);

}  // namespace

namespace database {

KeptStatements& SessionStatements() { return state.statements; }

sqlite3* Reader() {
    if (!state.session.started) OpenSession(SaveWriteFolder());
    // Another game may have made the record since this one started.
    if (state.session.db == nullptr && state.session.started && !state.session.newerFile &&
        platform::PathExists(state.session.path)) {
        if (OpenExisting().verdict == FileCheck::Newer) state.session.newerFile = true;
    }
    return state.session.db;
}

sqlite3* Writer(WriteResult& failure) {
    if (!state.session.started) OpenSession(SaveWriteFolder());
    if (state.session.newerFile) {
        failure = WriteResult{WriteResult::Outcome::Off, 0, "a newer version of the game keeps this record"};
        return nullptr;
    }
    if (Reader() != nullptr) return state.session.db;
    if (platform::PathExists(state.session.path)) {
        failure = WriteResult{WriteResult::Outcome::Failed, EIO,
                              std::string(kRecordFileName) + " cannot be opened"};
        return nullptr;
    }
    platform::MakeFolders(state.session.folder);
    state.session.db = OpenConnection(state.session.path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    const int code = state.session.db ? MakeSchema(state.session.db) : SQLITE_CANTOPEN;
    if (code != SQLITE_OK) {
        CloseConnection(state.session.db);
        std::remove(state.session.path.c_str());  // the empty file this call made, nothing else
        failure = ResultOf(code);
        return nullptr;
    }
    return state.session.db;
}

}  // namespace database

namespace {

// Opens the record in `folder` for this session, as StartRecord does, without the lists and the
// old files: what a read or write before any start-up (a tool, a test) gets.
StartReport OpenSession(const std::string& folder) {
    StopRecord();
    state.session.folder = folder;
    state.session.path = folder + kRecordFileName;
    state.session.started = true;
    StartReport report;
    if (platform::PathExists(state.session.path)) {
        const CheckResult check = OpenExisting();
        if (check.verdict == FileCheck::Newer) {
            state.session.newerFile = true;
            report.notice = "Your progress record " + state.session.path +
                            " was written by a newer version of lexaDRILL: it is left as it is, and this "
                            "game keeps no record of its answers until it is updated.";
        } else if (check.verdict == FileCheck::Ours) {
            StartIntegrityCheck(state.session.path);
        } else if (check.verdict == FileCheck::Damaged) {
            const std::string aside = SetAside(state.session.path);
            if (aside.empty()) {
                state.session.newerFile = true;  // cannot be moved: left alone like a newer game's
                report.notice = "Your progress record " + state.session.path + " cannot be used (" +
                                check.why + ") nor renamed: this game keeps no record of its answers.";
            } else {
                report.notice = "Your progress record " + state.session.path + " cannot be used (" +
                                check.why + "). It was kept as " + aside + " and a new record was begun.";
            }
        }
    }
    return report;
}

}  // namespace

StartReport StartRecord(const std::string& folder, const std::vector<ListFacts>& lists,
                        const OldTopicsSource& oldTopics) {
    StartReport report = OpenSession(folder);
    if (state.session.newerFile) return report;
    const WriteResult listed = AddListsNotKept(lists);
    if (!listed.Done())
        report.notice += (report.notice.empty() ? "" : "\n") +
                         ("The lists could not be written into " + state.session.path + ": " + listed.reason);
    const std::vector<std::string> old = OldFilesIn(folder);
    if (old.empty()) return report;
    const WriteResult carried =
        CarryOverOldFiles(folder, oldTopics ? oldTopics() : std::vector<OldTopic>{}, old);
    if (carried.Done()) {
        report.migratedLine = "lexadrill: progress carried over into " + state.session.path +
                              "; the old files are in " + folder + kMigratedFolder;
    } else {
        // Nothing moved: the next start tries again.
        const std::string line = "The old progress files in " + folder + " could not be carried over into " +
                                 kRecordFileName + ": " + carried.reason;
        report.notice += (report.notice.empty() ? "" : "\n") + line;
    }
    return report;
}

std::string PollRecordCheck(bool wait) {
    if (!state.integrity.worker.joinable() || state.integrity.told) return "";
    if (!wait && !state.integrity.finished) return "";
    state.integrity.worker.join();
    state.integrity.told = true;
    if (state.integrity.why.empty() || state.session.db == nullptr) return "";
    // Set aside as at start-up; the next write begins a fresh record.
    CloseConnection(state.session.db);
    const std::string aside = SetAside(state.session.path);
    if (aside.empty()) {
        state.session.newerFile = true;  // cannot be moved: left alone, nothing more written
        return "Your progress record " + state.session.path + " cannot be used (" + state.integrity.why +
               ") nor renamed: this game keeps no further record of its answers.";
    }
    return "Your progress record " + state.session.path + " cannot be used (" + state.integrity.why +
           "). It was kept as " + aside + " and a new record was begun.";
}

void StopRecord() {
    StopIntegrityCheck();
    CloseConnection(state.session.db);
    const uint64_t connections = state.session.connections, commits = state.session.commits;
    state.session = Session{};
    state.session.connections = connections;
    state.session.commits = commits;
}

RecordVersion CurrentRecordVersion() {
    // Reader() first: it opens a record another game has made since.
    sqlite3* db = database::Reader();
    RecordVersion version{state.session.connections, state.session.commits, 0};
    if (db != nullptr) {
        int code = SQLITE_OK;
        version.othersChanges = PragmaNumber(db, "PRAGMA data_version", code);
    }
    return version;
}

std::string RecordPath() { return state.session.path; }

bool RecordWritable() { return !state.session.newerFile; }

Transaction::Transaction() = default;

Transaction::~Transaction() {
    if (begun) Execute(state.session.db, "ROLLBACK");
}

WriteResult Transaction::Begin(int waitMs) {
    WriteResult opened;
    sqlite3* db = database::Writer(opened);
    if (db == nullptr) return opened;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        const WriteResult begin = database::ResultOf(Execute(db, "BEGIN IMMEDIATE"));
        if (begin.outcome != WriteResult::Outcome::Busy || std::chrono::steady_clock::now() >= until) {
            begun = begin.Done();
            return begin;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

WriteResult Transaction::Commit() {
    if (!begun) return failure.Done() ? WriteResult{WriteResult::Outcome::Failed, EIO, "not begun"} : failure;
    if (!failure.Done()) return failure;  // the destructor rolls back
    const int code = Execute(state.session.db, "COMMIT");
    if (code == SQLITE_OK) {
        begun = false;
        ++state.session.commits;
        return WriteResult{};
    }
    // A commit that failed (a full disk, an injected fault) keeps nothing: roll back now.
    Execute(state.session.db, "ROLLBACK");
    begun = false;
    return database::ResultOf(code);
}

}  // namespace record
