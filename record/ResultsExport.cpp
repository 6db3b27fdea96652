#include "record/ResultsExport.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string_view>

#include "platform/GameFolder.h"
#include "record/Database.h"
#include "record/RecordStore.h"

namespace record {

namespace {

std::string LocalTime(int64_t seconds) {
    const auto when = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

}  // namespace

std::string CsvField(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    const bool formula = first != std::string::npos &&
                         std::string_view("=+-@\t\r\n").find(text[first]) != std::string_view::npos;
    const std::string cell = formula ? "'" + text : text;
    const bool quoted = cell.find_first_of(",\"\r\n") != std::string::npos ||
                        (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
    if (!quoted) return cell;
    std::string field = "\"";
    for (char c : cell) field += c == '"' ? std::string("\"\"") : std::string(1, c);
    return field + "\"";
}

std::string ExportResults(const std::string& folder, const DeckName& name, std::FILE* out) {
    std::string text =
        "date and time,topic or list,direction,prompt,expected answer,typed answer,verdict,seconds\n";
    const std::string path = folder + kRecordFileName;
    if (platform::PathExists(path)) {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            return path + " cannot be opened";
        }
        int code = SQLITE_OK;
        {
            database::Statement rows(db,
                                     "SELECT a.at, l.file, c.first_word, c.last_word, a.direction, c.prompt, "
                                     "c.answer, a.typed, a.verdict, a.seconds FROM answers a JOIN cards c ON "
                                     "c.id = a.card_id LEFT JOIN lists l ON l.id = c.list_id ORDER BY a.id");
            while (rows.Next()) {
                const Deck deck = rows.IsNull(1) ? Deck::Designed(static_cast<int32_t>(rows.Int(2)),
                                                                  static_cast<int32_t>(rows.Int(3)))
                                                 : Deck::OwnList(rows.Text(1));
                const Direction direction = rows.Int(4) == 1 ? Direction::Reverse : Direction::Forward;
                text += LocalTime(rows.Int(0)) + "," + CsvField(name(deck)) + "," + DirectionName(direction) +
                        "," + CsvField(rows.Text(5)) + "," + CsvField(rows.Text(6)) + "," +
                        CsvField(rows.Text(7)) + "," + CsvField(rows.Text(8)) + "," + Seconds(rows.Real(9)) +
                        "\n";
            }
            code = rows.code;
        }  // the statement is finished before its connection closes
        sqlite3_close(db);
        if (code != SQLITE_OK) return path + " cannot be read (" + sqlite3_errstr(code) + ")";
    }
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0)
        return std::strerror(errno != 0 ? errno : EIO);
    return "";
}

}  // namespace record
