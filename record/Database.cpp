#include "record/Database.h"

#include <cerrno>
#include <cstring>
#include <unordered_map>

#include "unicode/Utf8Utf16.h"

namespace record::database {

WriteResult ResultOf(int sqliteCode) {
    WriteResult result;
    switch (sqliteCode & 0xff) {
        case SQLITE_OK:
        case SQLITE_DONE:
        case SQLITE_ROW:
            return result;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            result.outcome = WriteResult::Outcome::Busy;
            result.reason = std::string("another game held ") + kRecordFileName;
            return result;
        case SQLITE_FULL:
            result.error = ENOSPC;
            break;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            result.error = EROFS;
            break;
        case SQLITE_CANTOPEN:
            result.error = EACCES;
            break;
        default:
            result.error = EIO;
            break;
    }
    result.outcome = WriteResult::Outcome::Failed;
    result.reason = std::strerror(result.error);
    return result;
}

void KeepStatementsOf(sqlite3* db) {
    ForgetStatements();
    SessionStatements().db = db;
}

void ForgetStatements() {
    KeptStatements& keptStatements = SessionStatements();
    for (auto& [sql, entry] : keptStatements.bySql) sqlite3_finalize(entry.statement);
    keptStatements.bySql.clear();
    keptStatements.db = nullptr;
    ++keptStatements.generation;
}

Statement::Statement(sqlite3* db, const char* sql) {
    if (db == nullptr) {
        code = SQLITE_MISUSE;
        return;
    }
    KeptStatements& keptStatements = SessionStatements();
    if (db == keptStatements.db) {
        KeptStatements::Entry& entry = keptStatements.bySql[sql];
        if (entry.statement == nullptr) {
            const int prepared =
                sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &entry.statement, nullptr);
            if (prepared != SQLITE_OK) {
                keptStatements.bySql.erase(sql);
                code = prepared;
                return;
            }
        }
        if (!entry.lent) {
            statement = entry.statement;
            entry.lent = true;
            lentFrom = &entry.lent;
            lentGeneration = keptStatements.generation;
            return;
        }
        // The same SQL already lent (a statement inside another's loop): one of its own.
    }
    const int prepared = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    if (prepared != SQLITE_OK) code = prepared;
}

Statement::~Statement() {
    if (lentFrom == nullptr) {
        sqlite3_finalize(statement);
        return;
    }
    // Finalized meanwhile with its connection: nothing is left to give back.
    if (lentGeneration != SessionStatements().generation) return;
    // Reset, it holds no read transaction open and is ready for the next use.
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    *lentFrom = false;
}

Statement& Statement::Bind(int index, int64_t value) {
    if (statement) sqlite3_bind_int64(statement, index, value);
    return *this;
}

Statement& Statement::Bind(int index, double value) {
    if (statement) sqlite3_bind_double(statement, index, value);
    return *this;
}

Statement& Statement::Bind(int index, const std::string& text) {
    if (statement)
        sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::Bind(int index, const std::u16string& text) { return Bind(index, Utf16ToUtf8(text)); }

Statement& Statement::BindNull(int index) {
    if (statement) sqlite3_bind_null(statement, index);
    return *this;
}

bool Statement::Next() {
    if (!statement || code != SQLITE_OK) return false;
    const int stepped = sqlite3_step(statement);
    if (stepped == SQLITE_ROW) return true;
    if (stepped != SQLITE_DONE) code = stepped;
    return false;
}

int Statement::Run() {
    while (Next()) {
    }
    return code;
}

void Statement::Reset() {
    if (statement) sqlite3_reset(statement);
}

int64_t Statement::Int(int column) const { return sqlite3_column_int64(statement, column); }

double Statement::Real(int column) const { return sqlite3_column_double(statement, column); }

std::string Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(statement, column)))
                : std::string();
}

std::u16string Statement::Text16(int column) const { return Utf8ToUtf16(Text(column)); }

bool Statement::IsNull(int column) const { return sqlite3_column_type(statement, column) == SQLITE_NULL; }

int Execute(sqlite3* db, const char* sql) {
    if (db == nullptr) return SQLITE_MISUSE;
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

}  // namespace record::database
