// The values the learner's record keeps, as the rest of the game sees them: no SQLite here.
// A card is known by its identity, never by its place: an own list's card by (list, prompt,
// answer), a designed topic's card by (first line, last line, prompt, answer), so a list imported
// again in another order keeps each word's progress.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>

#include "formats/WordListImport.h"

namespace record {

// Which way a card is asked: Forward as the topic is designed (the prompt shown, the answer typed),
// Reverse the other way round. Each direction keeps its own counts and schedule.
enum class Direction : int32_t { Forward = 0, Reverse = 1 };

// What a card belongs to: an own list, by its copy's file name in lists/, or a designed topic, by
// its half-open range of word-file lines.
struct Deck {
    std::string listFile;  // empty for a designed topic
    int32_t firstWord = 0;
    int32_t lastWord = 0;

    static Deck Designed(int32_t first, int32_t last) { return Deck{"", first, last}; }
    static Deck OwnList(std::string file) { return Deck{std::move(file), 0, 0}; }
    bool IsOwnList() const { return !listFile.empty(); }
    bool operator<(const Deck& other) const {
        return std::tie(listFile, firstWord, lastWord) <
               std::tie(other.listFile, other.firstWord, other.lastWord);
    }
    bool operator==(const Deck& other) const {
        return listFile == other.listFile && firstWord == other.firstWord && lastWord == other.lastWord;
    }
};

// A topic as its chosen direction is kept: a designed topic by its first word-file line (listFile
// empty), an own topic by its list's copy and its part (a list cut into topics of 30).
struct TopicKey {
    std::string listFile;
    int32_t part = 0;
    bool operator<(const TopicKey& other) const {
        return std::tie(listFile, part) < std::tie(other.listFile, other.part);
    }
};

struct CardWords {
    std::u16string prompt;
    std::u16string answer;
    bool operator<(const CardWords& other) const {
        return std::tie(prompt, answer) < std::tie(other.prompt, other.answer);
    }
    bool operator==(const CardWords& other) const { return prompt == other.prompt && answer == other.answer; }
};

struct CardWordsHash {
    size_t operator()(const CardWords& words) const {
        const size_t prompt = std::hash<std::u16string>()(words.prompt);
        return prompt ^ (std::hash<std::u16string>()(words.answer) + 0x9e3779b97f4a7c15ULL + (prompt << 6) +
                         (prompt >> 2));
    }
};

// A card's kept state in one direction. The boxes' rules are the learning layer's
// (learning/ReviewSchedule.h); the record only keeps what they made.
struct CardState {
    // Repetition count 0 (learned) .. 5; kNoCount where the record keeps none (a designed topic's
    // designed direction keeps its counts in its _rep.dat).
    static constexpr int32_t kNoCount = -1;
    int32_t count = kNoCount;
    int32_t box = 0;  // 0 new .. 7
    int32_t lastDay = 0;
    int32_t dueDay = 0;
    bool missed = false;
};

enum class Verdict : int32_t { Right, Wrong, Almost, TimedOut };
// A test, a review, or a round of words to practise.
enum class RunKind : int32_t { Test, Review, Round };

// One answer as it was given.
struct AnswerFacts {
    Deck deck;
    CardWords card;
    Direction direction = Direction::Forward;
    int64_t atSeconds = 0;  // when, in seconds since 1970 (UTC)
    int32_t day = 0;        // the player's local calendar day (platform/CalendarDay.h)
    std::u16string typed;
    Verdict verdict = Verdict::Wrong;
    double seconds = 0;  // taken to answer
    RunKind kind = RunKind::Test;
};

// An own list as the record keeps it.
struct ListFacts {
    std::string file;             // its copy's name in lists/
    SideLanguage promptLanguage;  // each side's ISO 639-1 code ("" when unknown) and how it was found
    SideLanguage answerLanguage;
    int64_t importedAt = 0;  // seconds since 1970 (UTC); 0 when found in the lists folder
};

const char* VerdictName(Verdict verdict);        // "right", "wrong", "almost", "timed out"
const char* RunKindName(RunKind kind);           // "test", "review", "round"
const char* DirectionName(Direction direction);  // "forward", "reverse"
// How a list's side got its language, as the record keeps it: "unknown", "identifiers" (KVTML),
// "languages line" ("#languages:"), "first row", "guessed".
const char* LanguageFoundName(LanguageFound found);

}  // namespace record
