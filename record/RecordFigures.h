// What the kept answers say, for the progress picture: answers and right answers per card since a
// day, answers per day, and the days practised. Read from the record each time they are asked for
// (a reader never waits for another game's write); empty when there is no record.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "record/RecordTypes.h"

namespace record {

struct CardAnswers {
    Deck deck;
    CardWords card;
    int answers = 0;
    int right = 0;
};

// Every card answered on firstDay or later (both directions), with its answers and right ones.
std::vector<CardAnswers> AnswersPerCardSince(int32_t firstDay);
// (day, answers) for each day from firstDay on with answers, ascending.
std::vector<std::pair<int32_t, int>> AnswersPerDaySince(int32_t firstDay);
// The days practised from firstDay on, ascending.
std::vector<int32_t> PractisedDaysSince(int32_t firstDay);

}  // namespace record
