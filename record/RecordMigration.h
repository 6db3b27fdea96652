// The old files carried over once: before the record, the game kept each topic's schedule in
// "<first>-<last>_box.dat" (formats/ScheduleFile.h) and each own topic's counts in
// "lists/<list>.<part>.counts" with its schedule in "lists/<list>.<part>.counts_box.dat"
// (formats/OwnTopicCountsFile.h). At a start that finds any of them in the save folder, they are
// read into the record in one transaction (what the record already holds for a card wins), then
// moved into "migrated/" beside it, never deleted. Damaged files give what their readers can read.
#pragma once

#include <string>
#include <vector>

#include "record/RecordStore.h"
#include "record/RecordTypes.h"

namespace record {

constexpr char kMigratedFolder[] = "migrated/";

// One topic whose old files may be there, with its cards in the order those files keep them.
struct OldTopic {
    Deck deck;
    std::vector<CardWords> cards;  // card i is record i of its schedule file
    std::string scheduleFile;      // inside the save folder: "0-30_box.dat"
    std::string countsFile;        // an own topic's counts: "lists/animals.csv.1.counts"; else ""
};

// The old files in `folder` (ending in '/'), inside it: "0-30_box.dat", "lists/a.csv.1.counts".
std::vector<std::string> OldFilesIn(const std::string& folder);

// Reads the old files of `topics` into the record in one transaction, then moves every file of
// `found` into folder + kMigratedFolder. Nothing is moved unless the transaction committed.
WriteResult CarryOverOldFiles(const std::string& folder, const std::vector<OldTopic>& topics,
                              const std::vector<std::string>& found);

}  // namespace record
