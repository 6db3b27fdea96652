// Where and how an own topic's repetition counts are kept: "lists/<list file>.<part>.counts" in the
// save folder (formats/OwnTopicCountsFile.h), saved as the designed counts are: under the save
// folder's lock, re-read and with this run's judged answers replayed onto it, through a temporary
// file and a rename.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "learning/OwnTopics.h"
#include "learning/SaveResult.h"
#include "learning/WordList.h"

// The counts file's name inside the save folder.
std::string OwnCountsFileName(const std::string& listFile, int part);
// The counts of the loaded entries (the topic's cards): each card's saved count, 1 (still to
// learn) for a card the file does not hold. Resets the asked and judged marks.
void LoadOwnTopicCounts(WordList& list, const OwnTopic& topic);
// Saves the loaded entries' counts under the caller's lock (learning/RunEndSave.h); not saved, with the
// file could not be written.
SaveResult SaveOwnTopicCounts(WordList& list, const OwnTopic& topic);

// Every saved count of the list's topics by card (prompt, answer), for a list imported again.
using CardCounts = std::map<std::pair<std::u16string, std::u16string>, int32_t>;
CardCounts SavedCountsOfList(const std::string& listFile, int parts);
// Removes the list's counts files (parts 1..parts) and writes, for each of `topics`, the counts of
// its cards `carried` holds. Runs under the save folder's lock the caller holds.
void ReplaceCountsOfList(const std::string& listFile, int oldParts, const std::vector<OwnTopic>& topics,
                         const CardCounts& carried);
