// An own topic's repetition counts, kept in the learner's record (record/RecordStore.h) by card:
// each card's count beside its schedule, found by its words, so a list imported again keeps each
// word's count wherever it now falls. Saved in the run's one transaction (learning/RunEndSave.h),
// this run's judged answers replayed onto what the record holds then.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "learning/OwnTopics.h"
#include "learning/WordList.h"

namespace record {
class Transaction;
}

// The old counts file's name inside the save folder, "lists/<list file>.<part>.counts": what the
// game kept before the record, carried over once.
std::string OwnCountsFileName(const std::string& listFile, int part);
// The counts of `list`'s entries (the topic's cards): each card's kept count, 1 (still to learn)
// for a card the record does not hold. Resets the asked and judged marks.
void LoadOwnTopicCounts(WordList& list, const OwnTopic& topic);

// A count to take into the word list once its transaction committed.
struct KeptCount {
    size_t entry = 0;
    int32_t count = 0;
};
// Puts the count of every judged entry of `list` (a run's) that belongs to an own topic into
// `change`: the record's count stepped by this run's answer (the count in memory for a card the
// record has none of). `rowOfEntry` gives an entry's topics row. Returns what to keep afterwards.
std::vector<KeptCount> PutOwnCounts(record::Transaction& change, const WordList& list,
                                    const std::function<int(size_t)>& rowOfEntry);
// After the transaction committed: the counts in memory become those kept, nothing is left to replay.
void TakeKeptCounts(WordList& list, const std::vector<KeptCount>& kept);
