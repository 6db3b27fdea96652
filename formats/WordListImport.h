// Reading a learner's own word list: a text list (one card a line, as Anki's plain-text export,
// Quizlet's export or a spreadsheet's CSV/TSV write it) or a KVTML 2.0 file. Pure: bytes in, the
// cards and what was left out (and why) back; the caller reads the file within kWordListLimit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A list holds at most this many cards; the ones past it are left out and reported.
constexpr size_t kMaxImportedCards = 10000;
// A field (prompt, answer or hint) longer than this many bytes as read leaves its card out.
constexpr size_t kMaxImportedFieldBytes = 4096;
// A list's or lesson's title is kept to this many units (cut, ending in "..."): more than any place
// that shows a title can show, and the work of laying it out stays small.
constexpr size_t kMaxListTitleUnits = 100;
// How many reasons a list keeps for the cards it left out; the rest are only counted.
constexpr size_t kMaxListedReasons = 100;

struct ImportedCard {
    std::u16string prompt;
    std::u16string answer;
    std::u16string hint;  // empty when the list gives none
    std::string where;    // where the card was read: "line 12", "entry 7"
};

struct ImportedLesson {
    std::u16string title;  // the KVTML lesson's name; empty for a text list or entries in no lesson
    std::vector<ImportedCard> cards;
};

// How the language of a list's side was found.
enum class LanguageFound {
    Unknown,     // not named and not guessed: shown as unknown, never spoken
    Identifier,  // KVTML's identifiers
    Header,      // "#languages:en,de"
    FirstRow,    // a first row naming two languages ("English;Spanish"), read as no card
    Guessed,     // told from the side's words by the language detector (formats/LanguageGuess.h)
};

struct SideLanguage {
    std::string code;  // ISO 639-1; empty while unknown
    LanguageFound found = LanguageFound::Unknown;
};

struct WordListImport {
    bool refused = false;
    std::string refusal;  // why nothing was imported, e.g. "it is a KVTML 1 file, which is not read (...)"
    std::string format;   // "text list", "KVTML 2.0"
    // KVTML <title> or Anki's "#deck:"; empty means the caller names the list after the file's stem.
    std::u16string title;
    std::vector<ImportedLesson> lessons;  // cards in file order; no lesson is empty
    // Each side's language; an unknown side is shown as such and never spoken.
    SideLanguage promptLanguage;
    SideLanguage answerLanguage;
    bool readAsWindows1252 = false;    // the text was not valid UTF-8
    size_t leftOutCount = 0;           // cards left out, and why (the first kMaxListedReasons):
    std::vector<std::string> leftOut;  // "line 12: no answer", "line 30: 'ą' cannot be shown"

    size_t CardCount() const;
};

// Reads the list from its bytes; `fileName` only chooses the reader (".kvtml", ".xml" or XML content is
// read as KVTML, anything else as text). Never throws; refuses what holds no card.
WordListImport ReadWordList(const std::string& fileName, const uint8_t* data, size_t size);
WordListImport ReadWordList(const std::string& fileName, const std::vector<uint8_t>& bytes);

// The bytes the list's copy in the lists folder keeps: a text list whose languages were guessed
// gets a first line "#languages:de,en" (in the file's own encoding), so that later starts read them
// without guessing again; any other list as it came.
std::vector<uint8_t> CopyKeepingLanguages(const std::vector<uint8_t>& bytes, const WordListImport& list);

// The import report's line (UTF-8): "animals.kvtml: 44 cards in 2 topics; 3 left out (line 12: no
// answer; line 30: 'ą' cannot be shown; ...); German and English, guessed from the words; set them
// with a first line #languages:de,en", naming the first few reasons, then how many more, and the
// languages and how they were found; or "animals.kvtml: not imported: <reason>". `topicCount` is how many
// topics the caller made.
std::string DescribeImport(const std::string& displayName, const WordListImport& list, size_t topicCount);
