// The cards of a review run, loaded as the one word list: entry i of the run's words is card
// reviewCards[i] of the topics table, with its topic's repetition count beside it, so the test
// screen's judging and counting work on it unchanged. A save replays each topic's judged answers
// onto that topic's own counts file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "learning/ReviewSchedule.h"
#include "learning/SaveResult.h"

struct AppContext;
struct Learner;
struct LearningRun;

// Loads the due cards ChooseReviewCards() gives today, each topic's entries and counts as its row
// loads them (learning/TopicWords.h: designed or own). A card whose entry its topic lacks is left
// out. Returns how many cards were loaded.
size_t LoadReviewCards(const AppContext& app, Learner& learner, LearningRun& currentRun);
void ForgetReviewCards(LearningRun& currentRun);
// The card of the entry on screen; nullptr when none is loaded.
const CardRef* CurrentReviewCard(LearningRun& currentRun);
// The topics row of the entry on screen; -1 when none is loaded.
int CurrentReviewRow(LearningRun& currentRun);
// The rows with at least one judged card, each once, in the order first met.
std::vector<int> ReviewedRows(LearningRun& currentRun);
// A designed row's counts saved with its judged cards' answers replayed onto the file's
// (SaveTopicCounts); the loaded run is kept as it is. An own row's counts go with the run's
// transaction of the learner's record (learning/OwnTopicCounts.h): nothing is done here. The caller holds the
// save folder's lock (learning/RunEndSave.h).
SaveResult SaveReviewedCounts(const AppContext& app, Learner& learner, LearningRun& currentRun, int row);
