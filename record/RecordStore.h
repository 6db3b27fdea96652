// The learner's record: the one SQLite database "progress.sqlite" in the save folder
// (game/saves/SaveFolder.h), and the one place that opens, checks and writes it. Everything the game
// keeps beyond the design's own files lives here; the design's files (_rep.dat, hof.hof) are never
// touched by it.
//
// At start-up StartRecord opens the file when there is one: its header and its version
// (PRAGMA user_version), then a quick integrity check runs beside the game (PollRecordCheck). A
// file that is not a database, fails the check or cannot be written is renamed aside with the date
// ("progress.sqlite.damaged-2027-03-02", never deleted) and a fresh record is begun; a file from a newer
// version of the game is left alone and nothing is written to it this session. Each of these is told once.
// Without a file, nothing is made until the first write (the folder is made at the first save, never by
// starting).
//
// Every change is one transaction (class Transaction): begun without waiting (busy_timeout 0), so
// a game whose record another game is writing is told "busy" at once and asks again on a later
// tick; nothing is kept unless the whole transaction commits.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "record/RecordTypes.h"

namespace record {

constexpr char kRecordFileName[] = "progress.sqlite";
// The schema this game writes (PRAGMA user_version); a file with a higher one is a newer game's.
constexpr int32_t kSchemaVersion = 1;

struct OldTopic;  // record/RecordMigration.h
// The topics whose old files may be carried over, asked for only when such files are there.
using OldTopicsSource = std::function<std::vector<OldTopic>()>;

struct StartReport {
    std::string notice;        // what the player is told once about the record; "" for nothing
    std::string migratedLine;  // said once on standard output after old files were carried over
};

// Opens the record in `folder` (ending in '/') for this session, as described above, adds the own
// lists of the lists folder it does not hold yet (so a list another game removes later is known
// as removed), and carries old files over when there are any. Never fails: a record that cannot
// be had is off, and saying so is in the report.
StartReport StartRecord(const std::string& folder, const std::vector<ListFacts>& lists,
                        const OldTopicsSource& oldTopics);
// The integrity check of a record opened at start-up runs beside the game; once a tick this takes
// its result: what to tell the player when it found the file damaged (the file is then set aside as
// at start-up and the next write begins a fresh record), else "". `wait` waits for it (the tests).
std::string PollRecordCheck(bool wait = false);
// Closes the database (a new start, the tests, the game's end).
void StopRecord();
// The record's path this session ("" before StartRecord).
std::string RecordPath();
// True when the record is written this session: not a newer game's file.
bool RecordWritable();

// How a write ended.
struct WriteResult {
    enum class Outcome { Done, Busy, Failed, Off };
    Outcome outcome = Outcome::Done;
    int error = 0;       // errno of a failed write (ENOSPC for a full disk)
    std::string reason;  // in words, for the player

    bool Done() const { return outcome == Outcome::Done; }
};

// One change of the record: Begin, then any number of reads and writes, then Commit. Nothing is
// kept unless Commit says Done; an object that goes without committing rolls back.
class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Takes the record's write lock, waiting at most waitMs (0 on the game's thread: Busy at once
    // while another game writes). Makes the record (and its folder) when it is missing.
    WriteResult Begin(int waitMs = 0);

    // The deck's kept states in one direction, by card.
    std::vector<std::pair<CardWords, CardState>> States(const Deck& deck, Direction direction);
    std::optional<CardState> State(const Deck& deck, const CardWords& card, Direction direction);
    // Keeps a card's state; the card is made when new. False (nothing kept) for an own list the
    // record no longer holds: a list removed meanwhile is not made again.
    bool PutState(const Deck& deck, const CardWords& card, Direction direction, const CardState& state);
    // Adds an answer and marks its day practised; false like PutState.
    bool AddAnswer(const AnswerFacts& answer);
    void AddPractisedDay(int32_t day);
    // Adds the list, or updates its languages and import time; its cards and progress stay.
    void PutList(const ListFacts& list);
    // Adds each list the record lacks; those it holds are left as they are.
    void AddMissingLists(const std::vector<ListFacts>& lists);
    // Removes the list with its cards, their states and answers, and its topics' chosen directions.
    void RemoveList(const std::string& file);
    // Keeps the direction the topic is to be practised in (record/RecordTypes.h's TopicKey).
    void PutChosenDirection(const TopicKey& topic, Direction direction);

    // Keeps every change made since Begin, or none. Busy when the record could not be had.
    WriteResult Commit();

private:
    WriteResult failure;  // the first step that failed; Commit then keeps nothing
    bool begun = false;
};

// Tells whether the record may hold something else than when an earlier version was taken: equal
// versions, nothing was committed to it meanwhile, by this game or another. Costs one small query.
struct RecordVersion {
    uint64_t connection = 0;    // this game's connections opened so far
    uint64_t ownCommits = 0;    // this game's transactions committed so far
    int64_t othersChanges = 0;  // PRAGMA data_version: moves when another connection commits
    bool operator==(const RecordVersion& other) const {
        return connection == other.connection && ownCommits == other.ownCommits &&
               othersChanges == other.othersChanges;
    }
    bool operator!=(const RecordVersion& other) const { return !(*this == other); }
};
RecordVersion CurrentRecordVersion();

// Reads outside a transaction (a reader never waits for a writer). Empty when there is no record.
std::vector<std::pair<CardWords, CardState>> KeptStates(const Deck& deck, Direction direction);
// Every deck's kept states in one direction, read at once (what reading every topic again takes).
std::map<Deck, std::vector<std::pair<CardWords, CardState>>> AllKeptStates(Direction direction);
// Every topic's direction as last chosen; a topic not in it was never turned (Forward).
std::map<TopicKey, Direction> ChosenDirections();

}  // namespace record
