// The cards of a review run, loaded as the one word list: entry i of wordList is card
// reviewCards[i] of the topics table, with its topic's repetition count beside it, so the test
// screen's judging and counting work on it unchanged. A save replays each topic's judged answers
// onto that topic's own counts file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "learning/ReviewSchedule.h"

// The loaded run's cards, one per entry of wordList, in the order they are asked. Owned by the
// review run: refilled by LoadReviewCards, emptied by ForgetReviewCards.
extern std::vector<CardRef> reviewCards;

// Loads the due cards ChooseReviewCards() gives today: each entry from the word file at
// wordFilePath, each count from its topic's counts file. A card whose entry the file lacks is left
// out. Returns how many cards were loaded.
size_t LoadReviewCards(const std::string& wordFilePath);
void ForgetReviewCards();
// The card of the entry on screen; nullptr when none is loaded.
const CardRef* CurrentReviewCard();
// For every topic with a judged card, its counts saved with those answers replayed
// (SaveRepetitions), under the save folder's lock; the replayed answers are then cleared, so a
// second save writes the same counts again. False when any save failed (the failure recorded).
bool SaveReviewRepetitions();
