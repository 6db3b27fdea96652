#include "record/RecordFigures.h"

#include "record/Database.h"

namespace record {

using database::Statement;

std::vector<CardAnswers> AnswersPerCardSince(int32_t firstDay) {
    std::vector<CardAnswers> cards;
    Statement rows(database::Reader(),
                   "SELECT l.file, c.first_word, c.last_word, c.prompt, c.answer, a.answers, a.right FROM "
                   "(SELECT card_id, count(*) AS answers, sum(verdict = 'right') AS right FROM answers "
                   // The days' index holds every column asked for: a month is read, not the year.
                   "INDEXED BY answers_by_day WHERE day >= ? GROUP BY card_id) a JOIN cards c ON c.id = a.card_id "
                   "LEFT JOIN lists l ON l.id = c.list_id");
    rows.Bind(1, int64_t{firstDay});
    while (rows.Next()) {
        CardAnswers card;
        card.deck = rows.IsNull(0)
                        ? Deck::Designed(static_cast<int32_t>(rows.Int(1)), static_cast<int32_t>(rows.Int(2)))
                        : Deck::OwnList(rows.Text(0));
        card.card = CardWords{rows.Text16(3), rows.Text16(4)};
        card.answers = static_cast<int>(rows.Int(5));
        card.right = static_cast<int>(rows.Int(6));
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
