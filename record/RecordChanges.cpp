// What a transaction reads and writes: cards found or made by their identity, their states, the
// answers and the lists. Every step that fails is kept, and the commit then keeps nothing.
#include <optional>

#include "record/Database.h"
#include "record/RecordStore.h"

namespace record {

namespace {

using database::Statement;

// The own list's id, or nothing when the record does not hold it.
std::optional<int64_t> ListId(sqlite3* db, const std::string& file, int& code) {
    Statement find(db, "SELECT id FROM lists WHERE file = ?");
    find.Bind(1, file);
    const bool found = find.Next();
    if (find.code != SQLITE_OK && code == SQLITE_OK) code = find.code;
    if (!found) return std::nullopt;
    return find.Int(0);
}

// The card's id; made when `make` and it is new. Nothing for a list the record does not hold.
std::optional<int64_t> CardId(sqlite3* db, const Deck& deck, const CardWords& card, bool make, int& code) {
    std::optional<int64_t> list;
    if (deck.IsOwnList()) {
        list = ListId(db, deck.listFile, code);
        if (!list) return std::nullopt;
    }
    Statement find(db, list ? "SELECT id FROM cards WHERE list_id = ?1 AND prompt = ?2 AND answer = ?3"
                            : "SELECT id FROM cards WHERE list_id IS NULL AND first_word = ?4 AND "
                              "last_word = ?5 AND prompt = ?2 AND answer = ?3");
    if (list) find.Bind(1, *list);
    find.Bind(2, card.prompt).Bind(3, card.answer);
    if (!list) find.Bind(4, int64_t{deck.firstWord}).Bind(5, int64_t{deck.lastWord});
    if (find.Next()) return find.Int(0);
    if (find.code != SQLITE_OK) {
        if (code == SQLITE_OK) code = find.code;
        return std::nullopt;
    }
    if (!make) return std::nullopt;
    Statement add(db,
                  "INSERT INTO cards(list_id, first_word, last_word, prompt, answer) VALUES (?, ?, ?, ?, ?)");
    if (list) {
        add.Bind(1, *list).BindNull(2).BindNull(3);
    } else {
        add.BindNull(1).Bind(2, int64_t{deck.firstWord}).Bind(3, int64_t{deck.lastWord});
    }
    add.Bind(4, card.prompt).Bind(5, card.answer);
    if (add.Run() != SQLITE_OK) {
        if (code == SQLITE_OK) code = add.code;
        return std::nullopt;
    }
    return sqlite3_last_insert_rowid(db);
}

CardState StateOfRow(const Statement& row, int first) {
    CardState state;
    state.count = row.IsNull(first) ? CardState::kNoCount : static_cast<int32_t>(row.Int(first));
    state.box = static_cast<int32_t>(row.Int(first + 1));
    state.lastDay = static_cast<int32_t>(row.Int(first + 2));
    state.dueDay = static_cast<int32_t>(row.Int(first + 3));
    state.missed = row.Int(first + 4) != 0;
    return state;
}

std::vector<std::pair<CardWords, CardState>> StatesIn(sqlite3* db, const Deck& deck, Direction direction,
                                                      int& code) {
    std::vector<std::pair<CardWords, CardState>> states;
    Statement rows(
        db, deck.IsOwnList()
                ? "SELECT c.prompt, c.answer, s.count, s.box, s.last_day, s.due_day, s.missed "
                  "FROM lists l JOIN cards c ON c.list_id = l.id JOIN card_state s ON s.card_id = c.id "
                  "WHERE l.file = ?1 AND s.direction = ?4"
                : "SELECT c.prompt, c.answer, s.count, s.box, s.last_day, s.due_day, s.missed "
                  "FROM cards c JOIN card_state s ON s.card_id = c.id WHERE c.list_id IS NULL "
                  "AND c.first_word = ?2 AND c.last_word = ?3 AND s.direction = ?4");
    if (deck.IsOwnList()) {
        rows.Bind(1, deck.listFile);
    } else {
        rows.Bind(2, int64_t{deck.firstWord}).Bind(3, int64_t{deck.lastWord});
    }
    rows.Bind(4, int64_t{static_cast<int32_t>(direction)});
    while (rows.Next()) states.emplace_back(CardWords{rows.Text16(0), rows.Text16(1)}, StateOfRow(rows, 2));
    if (rows.code != SQLITE_OK && code == SQLITE_OK) code = rows.code;
    return states;
}

}  // namespace

std::vector<std::pair<CardWords, CardState>> KeptStates(const Deck& deck, Direction direction) {
    int code = SQLITE_OK;
    sqlite3* db = database::Reader();
    if (db == nullptr) return {};
    return StatesIn(db, deck, direction, code);
}

std::map<Deck, std::vector<std::pair<CardWords, CardState>>> AllKeptStates(Direction direction) {
    std::map<Deck, std::vector<std::pair<CardWords, CardState>>> decks;
    Statement rows(
        database::Reader(),
        "SELECT l.file, c.first_word, c.last_word, c.prompt, c.answer, s.count, s.box, s.last_day, "
        "s.due_day, s.missed FROM card_state s JOIN cards c ON c.id = s.card_id LEFT JOIN lists l ON "
        "l.id = c.list_id WHERE s.direction = ?");
    rows.Bind(1, int64_t{static_cast<int32_t>(direction)});
    while (rows.Next()) {
        const Deck deck = rows.IsNull(0) ? Deck::Designed(static_cast<int32_t>(rows.Int(1)),
                                                          static_cast<int32_t>(rows.Int(2)))
                                         : Deck::OwnList(rows.Text(0));
        decks[deck].emplace_back(CardWords{rows.Text16(3), rows.Text16(4)}, StateOfRow(rows, 5));
    }
    return decks;
}

std::vector<std::pair<CardWords, CardState>> Transaction::States(const Deck& deck, Direction direction) {
    int code = SQLITE_OK;
    auto states = StatesIn(database::Reader(), deck, direction, code);
    if (failure.Done() && code != SQLITE_OK) failure = database::ResultOf(code);
    return states;
}

std::optional<CardState> Transaction::State(const Deck& deck, const CardWords& card, Direction direction) {
    sqlite3* db = database::Reader();
    int code = SQLITE_OK;
    const std::optional<int64_t> id = CardId(db, deck, card, false, code);
    std::optional<CardState> state;
    if (id) {
        Statement row(db,
                      "SELECT count, box, last_day, due_day, missed FROM card_state "
                      "WHERE card_id = ? AND direction = ?");
        row.Bind(1, *id).Bind(2, int64_t{static_cast<int32_t>(direction)});
        if (row.Next()) state = StateOfRow(row, 0);
        if (row.code != SQLITE_OK && code == SQLITE_OK) code = row.code;
    }
    if (failure.Done() && code != SQLITE_OK) failure = database::ResultOf(code);
    return state;
}

bool Transaction::PutState(const Deck& deck, const CardWords& card, Direction direction,
                           const CardState& state) {
    sqlite3* db = database::Reader();
    int code = SQLITE_OK;
    const std::optional<int64_t> id = CardId(db, deck, card, true, code);
    if (id) {
        Statement put(db,
                      "INSERT OR REPLACE INTO card_state(card_id, direction, count, box, last_day, due_day, "
                      "missed) VALUES (?, ?, ?, ?, ?, ?, ?)");
        put.Bind(1, *id).Bind(2, int64_t{static_cast<int32_t>(direction)});
        if (state.count == CardState::kNoCount) {
            put.BindNull(3);
        } else {
            put.Bind(3, int64_t{state.count});
        }
        put.Bind(4, int64_t{state.box}).Bind(5, int64_t{state.lastDay}).Bind(6, int64_t{state.dueDay});
        put.Bind(7, int64_t{state.missed ? 1 : 0});
        if (put.Run() != SQLITE_OK && code == SQLITE_OK) code = put.code;
    }
    if (failure.Done() && code != SQLITE_OK) failure = database::ResultOf(code);
    return id.has_value();
}

bool Transaction::AddAnswer(const AnswerFacts& answer) {
    sqlite3* db = database::Reader();
    int code = SQLITE_OK;
    const std::optional<int64_t> id = CardId(db, answer.deck, answer.card, true, code);
    if (id) {
        Statement add(db,
                      "INSERT INTO answers(card_id, direction, at, day, typed, verdict, seconds, kind) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        add.Bind(1, *id).Bind(2, int64_t{static_cast<int32_t>(answer.direction)}).Bind(3, answer.atSeconds);
        add.Bind(4, int64_t{answer.day})
            .Bind(5, answer.typed)
            .Bind(6, std::string(VerdictName(answer.verdict)));
        add.Bind(7, answer.seconds).Bind(8, std::string(RunKindName(answer.kind)));
        if (add.Run() != SQLITE_OK && code == SQLITE_OK) code = add.code;
    }
    if (failure.Done() && code != SQLITE_OK) failure = database::ResultOf(code);
    if (id) AddPractisedDay(answer.day);
    return id.has_value();
}

void Transaction::AddPractisedDay(int32_t day) {
    Statement add(database::Reader(), "INSERT OR IGNORE INTO practised_days(day) VALUES (?)");
    add.Bind(1, int64_t{day});
    if (add.Run() != SQLITE_OK && failure.Done()) failure = database::ResultOf(add.code);
}

namespace {

// Binds a list's facts to ?1..?7 of `write`: file, the sides' languages and how they were found,
// the import time.
void BindList(Statement& write, const ListFacts& list) {
    write.Bind(1, list.file).Bind(2, list.promptLanguage.code).Bind(3, list.answerLanguage.code);
    write.Bind(4, std::string(LanguageFoundName(list.promptLanguage.found)));
    write.Bind(5, std::string(LanguageFoundName(list.answerLanguage.found)));
    write.Bind(6, list.importedAt);
}

constexpr char kInsertList[] =
    "INSERT INTO lists(file, prompt_language, answer_language, prompt_found, answer_found, imported_at) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6)";

}  // namespace

void Transaction::PutList(const ListFacts& list) {
    Statement put(database::Reader(),
                  (std::string(kInsertList) +
                   " ON CONFLICT(file) DO UPDATE SET prompt_language = ?2, answer_language = ?3, "
                   "prompt_found = ?4, answer_found = ?5, imported_at = ?6")
                      .c_str());
    BindList(put, list);
    if (put.Run() != SQLITE_OK && failure.Done()) failure = database::ResultOf(put.code);
}

void Transaction::AddMissingLists(const std::vector<ListFacts>& lists) {
    Statement add(database::Reader(), (std::string(kInsertList) + " ON CONFLICT(file) DO NOTHING").c_str());
    for (const ListFacts& list : lists) {
        add.Reset();
        BindList(add, list);
        if (add.Run() != SQLITE_OK && failure.Done()) failure = database::ResultOf(add.code);
    }
}

void Transaction::RemoveList(const std::string& file) {
    Statement remove(database::Reader(), "DELETE FROM lists WHERE file = ?");
    remove.Bind(1, file);
    if (remove.Run() != SQLITE_OK && failure.Done()) failure = database::ResultOf(remove.code);
    // A record made before the table was has no choices to forget.
    Statement forget(database::Reader(), "DELETE FROM chosen_directions WHERE list_file = ?");
    forget.Bind(1, file);
    forget.Run();
}

void Transaction::PutChosenDirection(const TopicKey& topic, Direction direction) {
    const int made = database::Execute(database::Reader(), database::kChosenDirectionsTable);
    if (made != SQLITE_OK && failure.Done()) failure = database::ResultOf(made);
    Statement put(database::Reader(),
                  "INSERT OR REPLACE INTO chosen_directions(list_file, part, direction) VALUES (?, ?, ?)");
    put.Bind(1, topic.listFile)
        .Bind(2, int64_t{topic.part})
        .Bind(3, int64_t{static_cast<int32_t>(direction)});
    if (put.Run() != SQLITE_OK && failure.Done()) failure = database::ResultOf(put.code);
}

std::map<TopicKey, Direction> ChosenDirections() {
    std::map<TopicKey, Direction> chosen;
    sqlite3* db = database::Reader();
    if (db == nullptr) return chosen;
    Statement rows(db, "SELECT list_file, part, direction FROM chosen_directions");
    while (rows.Next()) {
        const Direction direction = rows.Int(2) == 1 ? Direction::Reverse : Direction::Forward;
        chosen[TopicKey{rows.Text(0), static_cast<int32_t>(rows.Int(1))}] = direction;
    }
    return chosen;
}

const char* VerdictName(Verdict verdict) {
    switch (verdict) {
        case Verdict::Right:
            return "right";
        case Verdict::Wrong:
            return "wrong";
        case Verdict::Almost:
            return "almost";
        case Verdict::TimedOut:
            return "timed out";
    }
    return "wrong";
}

const char* RunKindName(RunKind kind) {
    switch (kind) {
        case RunKind::Test:
            return "test";
        case RunKind::Review:
            return "review";
        case RunKind::Round:
            return "round";
    }
    return "test";
}

const char* DirectionName(Direction direction) {
    return direction == Direction::Reverse ? "reverse" : "forward";
}

const char* LanguageFoundName(LanguageFound found) {
    switch (found) {
        case LanguageFound::Identifier:
            return "identifiers";
        case LanguageFound::Header:
            return "languages line";
        case LanguageFound::FirstRow:
            return "first row";
        case LanguageFound::Guessed:
            return "guessed";
        case LanguageFound::Unknown:
            break;
    }
    return "unknown";
}

}  // namespace record
