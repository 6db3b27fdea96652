// The repetition counts the learner's record keeps (record/RecordStore.h): an own topic's in both
// directions and a designed topic's reverse ones (its designed ones are its _rep.dat), by card:
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
#include "record/RecordTypes.h"

struct AppContext;
struct Learner;

namespace record {
class Transaction;
}

// The old counts file's name inside the save folder, "lists/<list file>.<part>.counts": what the
// game kept before the record, carried over once.
std::string OwnCountsFileName(const std::string& listFile, int part);
// The counts of `list`'s entries, asked in `direction`, from the record's `deck`: each card's kept
// count, 1 (still to learn) for a card the record does not hold. Resets the asked and judged marks.
void LoadKeptCounts(WordList& list, const record::Deck& deck, record::Direction direction);
// The card's words as its list holds them, whichever way round the entry is asked.
record::CardWords CardWordsOf(const WordEntry& entry, const SideLanguages& languages);

// A count to take into the word list once its transaction committed.
struct KeptCount {
    size_t entry = 0;
    int32_t count = 0;
};
// Puts the count of every judged entry of `list` (a run's) whose counts the record keeps (an own
// topic's, any topic's reverse ones: learning/TopicWords.h's CountsDeck) into `change`: the
// record's count stepped by this run's answer (the count in memory for a card the record has none
// of). `rowOfEntry` gives an entry's topics row. Returns what to keep afterwards.
std::vector<KeptCount> PutKeptCounts(const AppContext& app, const Learner& learner,
                                     record::Transaction& change, const WordList& list,
                                     const std::function<int(size_t)>& rowOfEntry);
// After the transaction committed: the counts in memory become those kept, nothing is left to replay.
void TakeKeptCounts(WordList& list, const std::vector<KeptCount>& kept);
