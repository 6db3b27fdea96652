#include "record/RecordFigures.h"

#include <unordered_map>

#include "record/Database.h"

namespace record {

using database::Statement;

std::vector<CardAnswers> AnswersPerCardSince(int32_t firstDay) {
    // The month's answers from the days' index, which holds every column asked for, counted here:
    // SQLite's GROUP BY would sort them first.
    std::unordered_map<int64_t, std::pair<int, int>> byCard;
    Statement answers(
        database::Reader(),
        "SELECT card_id, verdict = 'right' FROM answers INDEXED BY answers_by_day WHERE day >= ?");
    answers.Bind(1, int64_t{firstDay});
    while (answers.Next()) {
        std::pair<int, int>& counted = byCard[answers.Int(0)];
        ++counted.first;
        counted.second += static_cast<int>(answers.Int(1));
    }
    std::vector<CardAnswers> cards;
    if (byCard.empty()) return cards;
    Statement rows(database::Reader(),
                   "SELECT c.id, l.file, c.first_word, c.last_word, c.prompt, c.answer FROM cards c "
                   "LEFT JOIN lists l ON l.id = c.list_id");
    while (rows.Next()) {
        const auto found = byCard.find(rows.Int(0));
        if (found == byCard.end()) continue;
        CardAnswers card;
        card.deck = rows.IsNull(1)
                        ? Deck::Designed(static_cast<int32_t>(rows.Int(2)), static_cast<int32_t>(rows.Int(3)))
                        : Deck::OwnList(rows.Text(1));
        card.card = CardWords{rows.Text16(4), rows.Text16(5)};
        card.answers = found->second.first;
        card.right = found->second.second;
        cards.push_back(std::move(card));
    }
    return cards;
}

std::vector<std::pair<int32_t, int>> AnswersPerDaySince(int32_t firstDay) {
    std::vector<std::pair<int32_t, int>> days;
    Statement rows(database::Reader(),
                   "SELECT day, count(*) FROM answers WHERE day >= ? GROUP BY day ORDER BY day");
    rows.Bind(1, int64_t{firstDay});
    while (rows.Next()) days.emplace_back(static_cast<int32_t>(rows.Int(0)), static_cast<int>(rows.Int(1)));
    return days;
}

std::vector<int32_t> PractisedDaysSince(int32_t firstDay) {
    std::vector<int32_t> days;
    Statement rows(database::Reader(), "SELECT day FROM practised_days WHERE day >= ? ORDER BY day");
    rows.Bind(1, int64_t{firstDay});
    while (rows.Next()) days.push_back(static_cast<int32_t>(rows.Int(0)));
    return days;
}

}  // namespace record
