// Inside the record layer only: the session's one SQLite connection and a small statement helper.
// No header outside record/ includes this one, so SQLite stays in this layer.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <unordered_map>

#include "record/RecordStore.h"

namespace record::database {

// The direction each topic is practised in, as last chosen: a designed topic by its first word-file
// line (list_file ''), an own topic by its list and its part. Made with the record, and by the first
// choice kept in a record made before the table was (so such a record needs no new version).
constexpr char kChosenDirectionsTable[] =
    "CREATE TABLE IF NOT EXISTS chosen_directions("
    "list_file TEXT NOT NULL, part INTEGER NOT NULL, "
    "direction INTEGER NOT NULL CHECK (direction IN (0, 1)), "
    "PRIMARY KEY (list_file, part)) WITHOUT ROWID;";

// The session's connection; nullptr while there is no record (none yet, or off).
sqlite3* Reader();
// The connection for a write: the record is made (with its folder) when it is missing. nullptr
// with `failure` set when it cannot be had, or with Outcome::Off for a newer game's record.
sqlite3* Writer(WriteResult& failure);

// What a failed SQLite call means for the player: Busy for a lock another connection holds, else
// Failed with the errno it stands for (ENOSPC for SQLITE_FULL, EROFS for a read-only file, EIO
// for the rest) and its words.
WriteResult ResultOf(int sqliteCode);

// The statements of one connection (the session's) are prepared once and kept for the next use of
// the same SQL: a run's end asks the same few questions for every answer. Another connection's
// are prepared each time. ForgetStatements finalizes the kept ones; it must come before the
// connection closes.
void KeepStatementsOf(sqlite3* db);
void ForgetStatements();

// The session connection's prepared statements by their SQL, each lent to one Statement at a time;
// part of the record's one state (record/RecordStore.cpp), from KeepStatementsOf to ForgetStatements.
struct KeptStatements {
    sqlite3* db = nullptr;
    struct Entry {
        sqlite3_stmt* statement = nullptr;
        bool lent = false;
    };
    std::unordered_map<std::string, Entry> bySql;  // nodes: an entry stays where it is
    uint64_t generation = 0;                       // counts the ForgetStatements calls
};
KeptStatements& SessionStatements();

// One prepared statement; a failure to prepare or step is kept in `code` (the first one). A kept
// statement is reset and its bindings cleared when this object goes.
class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, int64_t value);
    Statement& Bind(int index, double value);
    Statement& Bind(int index, const std::string& text);
    Statement& Bind(int index, const std::u16string& text);
    Statement& BindNull(int index);
    // True for a row; false at the end or on a failure (then code is set).
    bool Next();
    // Steps to the end (for a write); the SQLite result code of the last step.
    int Run();
    void Reset();

    int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;
    std::u16string Text16(int column) const;
    bool IsNull(int column) const;

    int code = SQLITE_OK;  // the first failure, SQLITE_OK while none

private:
    sqlite3_stmt* statement = nullptr;
    // For a statement lent by the connection's kept ones: its lent mark, and which keeping it is
    // from (a statement finalized since is not touched again).
    bool* lentFrom = nullptr;
    uint64_t lentGeneration = 0;
};

// Runs SQL without results; the SQLite result code.
int Execute(sqlite3* db, const char* sql);

}  // namespace record::database
