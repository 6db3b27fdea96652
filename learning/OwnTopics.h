// The learner's own word lists as topics after the designed twelve. Lists lie in the lists folder,
// "lists/" in the save folder (game/saves/SaveFolder.h), and are read from there at start-up; importing a
// file copies it there first, so the original may move or vanish, and importing a list of the same
// name again replaces its words (the counts of unchanged cards are kept). Each list, or each lesson
// of one, is one topic named by its title; one of more than 30 cards is cut into topics of at most
// 30 in file order ("animals 1", "animals 2"). Own topics are always open and never open a designed
// one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/WordListImport.h"
#include "learning/WordList.h"
#include "record/RecordTypes.h"

struct AppContext;
struct Learner;

// A run keeps the design's length: no own topic holds more cards than a designed one.
constexpr size_t kOwnTopicCards = 30;

struct OwnTopic {
    std::string listFile;  // the list's copy in the lists folder: "animals.kvtml"
    int32_t part = 1;      // the topic's number within its list, from 1; names its counts file
    std::u16string title;
    std::vector<WordEntry> cards;
    SideLanguages languages;  // as the list names them or they were guessed at its import
    // How each side's language was found (a list's copy keeps a guess as its "#languages:" line,
    // so only the import itself knows a side was guessed).
    LanguageFound promptFound = LanguageFound::Unknown;
    LanguageFound answerFound = LanguageFound::Unknown;
};

// The topics a read list makes, named after `stem` when the list has no title of its own.
std::vector<OwnTopic> TopicsOfList(const std::string& listFile, const std::u16string& stem,
                                   const WordListImport& list);
// Reads every list in the lists folder (in an installed game's read-only folder too, for names the
// player's folder lacks); a file that is not a list is skipped.
void ReadListsFolder(AppContext& app, Learner& learner);
// Every list of the own topics as the learner's record keeps it (languages, not when imported).
std::vector<record::ListFacts> OwnListFacts(const Learner& learner);
// Imports the file at `path` and returns the line that tells the player what was read (or why
// nothing was), with the list's languages and how they were found. A side whose language the list
// does not name is guessed from its words (formats/LanguageGuess.h), here and never at start-up;
// the copy of a text list keeps the guess as a first line "#languages:de,en". Nothing but the
// list's copy and its row in the learner's record (its languages, how they were found, when it was
// imported) is written; the record's change commits before the copy replaces an old one, and the
// cards' progress, kept by their words, stays.
std::string ImportListFile(AppContext& app, Learner& learner, const std::string& path);
// How many of the list's topics have no row in the topics table (it holds MAX_TOPICS rows, the
// lists in file-name order).
size_t TopicsNotShown(const AppContext& app, const Learner& learner, const std::string& listFile);
struct ListRemoval {
    bool removed = false;
    std::string problem;  // why it was not removed, or what went wrong beside; "" when all went well
};
// Removes the list's copy and, in one transaction of the learner's record, the list with its
// cards, their counts, schedule and answers; nothing is removed when the copy cannot be.
ListRemoval RemoveOwnList(AppContext& app, Learner& learner, const std::string& listFile);
