// The learner's record read from outside the game, as a check would: its own read-only SQLite
// connection to progress.sqlite, never the game's.
#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

class RecordReader {
public:
    explicit RecordReader(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            db = nullptr;
        }
    }
    ~RecordReader() { sqlite3_close(db); }
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    bool Open() const { return db != nullptr; }

    // Every row of the query, its columns joined by '|'; empty when it cannot be run.
    std::vector<std::string> Rows(const std::string& sql) const {
        std::vector<std::string> rows;
        sqlite3_stmt* statement = nullptr;
        if (db == nullptr || sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            return rows;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::string row;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                row += (column > 0 ? "|" : "") + std::string(text ? text : "NULL");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(statement);
        return rows;
    }

    // Everything the record holds, table by table in a fixed order: equal dumps, equal records.
    std::string Dump() const {
        std::string all;
        for (const char* table : {"lists", "cards", "card_state", "answers", "practised_days"}) {
            all += std::string("[") + table + "]\n";
            for (const std::string& row : Rows(std::string("SELECT * FROM ") + table + " ORDER BY 1"))
                all += row + "\n";
        }
        return all;
    }

    // An own list's cards with their designed-direction count: "prompt|answer|count", by prompt.
    std::vector<std::string> Counts(const std::string& listFile) const {
        return Rows(
            "SELECT c.prompt, c.answer, s.count FROM lists l JOIN cards c ON c.list_id = l.id JOIN "
            "card_state s ON s.card_id = c.id WHERE s.direction = 0 AND s.count IS NOT NULL AND l.file = '" +
            listFile + "' ORDER BY c.prompt");
    }

private:
    sqlite3* db = nullptr;
};
