// The topic rows of the topics table, designed or own (learning/OwnTopics.h), as the screens use
// them: loading a row's words and counts, saving its counts, whether it is open and how a typed
// answer to it is judged. The one place that tells the two kinds apart.
#pragma once

#include <optional>
#include <string>

#include "learning/AnswerCheck.h"
#include "learning/SaveResult.h"
#include "learning/WordList.h"
#include "record/RecordTypes.h"

struct AppContext;
struct Learner;

struct OwnTopic;

// The row's own topic, or nullptr for a designed row (or a row out of range).
const OwnTopic* OwnTopicOfRow(const AppContext& app, const Learner& learner, int row);
// Loads the row's entries and counts into `list`, and the languages of its sides, asked in
// `direction`: in reverse each entry's sides and the languages are swapped, and the counts are the
// record's reverse ones (learning/TopicDirection.h).
void LoadTopicWords(const AppContext& app, const Learner& learner, WordList& list, int row,
                    record::Direction direction = record::Direction::Forward);
// The row's counts in `direction` (a designed topic's designed ones without its entries), as the
// topics screen shows a topic's progress.
void LoadTopicProgress(const AppContext& app, const Learner& learner, WordList& list, int row,
                       record::Direction direction = record::Direction::Forward);
// Where the learner's record keeps the row's counts in `direction`: an own topic's list in both, a
// designed topic in reverse; nothing where its _rep.dat keeps them (and for a row out of range).
std::optional<record::Deck> CountsDeck(const AppContext& app, const Learner& learner, int row,
                                       record::Direction direction);
// Saves the counts of `list`, a designed row's entries, with its judged answers replayed onto the
// file's; the caller holds the save folder's lock (learning/RunEndSave.h). An own row's counts are
// kept in the learner's record and saved with the run's transaction instead: nothing is done here.
SaveResult SaveTopicCounts(const AppContext& app, const Learner& learner, WordList& list, int row);
bool IsRowUnlocked(const AppContext& app, const Learner& learner, int row);

// A designed row keeps the design's rule; an own row also takes any one of the answer's
// alternatives, parenthesised parts and punctuation left out, every letter's accents optional and
// umlauts spelt out, and a leading English article when the answer is English. In every row a wrong
// answer one letter off a word of five letters or more is told as almost right.
AnswerVerdict JudgeTypedAnswer(const AppContext& app, const Learner& learner, const WordList& words, int row,
                               const std::u16string& typed, const std::u16string& expected);
