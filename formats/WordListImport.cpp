#include "formats/WordListImport.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "formats/FileLimits.h"
#include "formats/KvtmlReader.h"
#include "formats/LanguageCodes.h"
#include "formats/TextListReader.h"

namespace {

// Files a learner may well pick by mistake, told by their first bytes.
constexpr struct {
    const char* magic;
    size_t length;
    const char* name;
} kOtherFormats[] = {
    {"PK\x03\x04", 4, "a ZIP archive (an Anki package, a spreadsheet in its own format)"},
    {"SQLite format 3", 15, "an SQLite database"},
    {"%PDF", 4, "a PDF document"},
    {"{\\rtf", 5, "an RTF document"},
    {"\xD0\xCF\x11\xE0", 4, "an old Microsoft Office document"},
    {"\x1F\x8B", 2, "a gzip archive"},
    {"\x7F"
     "ELF",
     4, "a program"},
    {"\x89PNG", 4, "a PNG picture"},
    {"\xFF\xD8\xFF", 3, "a JPEG picture"},
    {"GIF8", 4, "a GIF picture"},
};

bool EndsWith(const std::string& text, const char* tail) {
    const size_t length = std::strlen(tail);
    if (text.size() < length) return false;
    for (size_t i = 0; i < length; ++i) {
        char unit = text[text.size() - length + i];
        if (unit >= 'A' && unit <= 'Z') unit = static_cast<char>(unit + 32);
        if (unit != tail[i]) return false;
    }
    return true;
}

// XML by its content whatever the name: an XML declaration or a first element, after a UTF-8
// byte-order mark and blanks.
bool LooksLikeXml(const uint8_t* data, size_t size) {
    size_t i = size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF ? 3 : 0;
    while (i < size && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n')) ++i;
    return i + 1 < size && data[i] == '<' &&
           (data[i + 1] == '?' || data[i + 1] == '!' || std::isalpha(data[i + 1]));
}

const char* HowFound(LanguageFound found) {
    switch (found) {
        case LanguageFound::Identifier:
            return "as its identifiers name them";
        case LanguageFound::Header:
            return "from its #languages line";
        case LanguageFound::FirstRow:
            return "from its first row";
        case LanguageFound::Guessed:
            return "guessed from the words";
        case LanguageFound::Unknown:
            break;
    }
    return "";
}

std::string LanguageName(const SideLanguage& side) {
    const std::string name = EnglishLanguageName(side.code);
    return name.empty() ? "not known" : name;
}

// "German and English, guessed from the words; set them with a first line #languages:de,en"
std::string DescribeLanguages(const WordListImport& list) {
    const SideLanguage& prompt = list.promptLanguage;
    const SideLanguage& answer = list.answerLanguage;
    const bool promptKnown = !prompt.code.empty(), answerKnown = !answer.code.empty();
    std::string line;
    if (!promptKnown && !answerKnown) {
        line = "languages not known, so it is not spoken";
    } else if (promptKnown && answerKnown && prompt.found == answer.found) {
        line = LanguageName(prompt) + " and " + LanguageName(answer) + ", " + HowFound(prompt.found);
    } else {
        for (const SideLanguage* side : {&prompt, &answer}) {
            if (side == &answer) line += " and ";
            line += side->code.empty() ? std::string("a language not known (not spoken)")
                                       : LanguageName(*side) + " (" + HowFound(side->found) + ")";
        }
    }
    const bool guessedOrUnknown = prompt.found == LanguageFound::Guessed || !promptKnown ||
                                  answer.found == LanguageFound::Guessed || !answerKnown;
    if (guessedOrUnknown && list.format == "text list") {
        line += promptKnown && answerKnown
                    ? "; set them with a first line #languages:" + prompt.code + "," + answer.code
                    : "; name them with a first line such as #languages:en,de";
    }
    return line;
}

WordListImport Refused(const std::string& reason) {
    WordListImport list;
    list.refused = true;
    list.refusal = reason;
    return list;
}

}  // namespace

size_t WordListImport::CardCount() const {
    size_t cards = 0;
    for (const ImportedLesson& lesson : lessons) cards += lesson.cards.size();
    return cards;
}

WordListImport ReadWordList(const std::string& fileName, const uint8_t* data, size_t size) {
    if (size == 0) return Refused("the file is empty");
    if (size > kWordListLimit.maxBytes) return Refused("the file is larger than 8 MB");
    for (const auto& other : kOtherFormats) {
        if (size >= other.length && std::memcmp(data, other.magic, other.length) == 0)
            return Refused(std::string("it is ") + other.name +
                           ", not a word list: export the words as text");
    }
    WordListImport list;
    if (EndsWith(fileName, ".kvtml") || EndsWith(fileName, ".xml") || LooksLikeXml(data, size))
        ReadKvtml(data, size, list);
    else
        ReadTextList(data, size, list);
    if (list.refused) list.lessons.clear();
    return list;
}

WordListImport ReadWordList(const std::string& fileName, const std::vector<uint8_t>& bytes) {
    return ReadWordList(fileName, bytes.data(), bytes.size());
}

std::vector<uint8_t> CopyKeepingLanguages(const std::vector<uint8_t>& bytes, const WordListImport& list) {
    const bool guessed = list.promptLanguage.found == LanguageFound::Guessed ||
                         list.answerLanguage.found == LanguageFound::Guessed;
    if (list.refused || list.format != "text list" || !guessed) return bytes;
    const std::string line = "#languages:" + list.promptLanguage.code + "," + list.answerLanguage.code + "\n";
    // The line goes after a byte-order mark, in the units the mark announces.
    size_t mark = 0;
    bool utf16 = false, bigEndian = false;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) mark = 3;
    if (bytes.size() >= 2 &&
        ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
        mark = 2;
        utf16 = true;
        bigEndian = bytes[0] == 0xFE;
    }
    std::vector<uint8_t> copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(mark));
    for (char c : line) {
        const uint8_t unit = static_cast<uint8_t>(c);  // the line is ASCII
        if (utf16 && bigEndian) copy.push_back(0);
        copy.push_back(unit);
        if (utf16 && !bigEndian) copy.push_back(0);
    }
    copy.insert(copy.end(), bytes.begin() + static_cast<std::ptrdiff_t>(mark), bytes.end());
    // A list at the size cap keeps its bytes: its copy must still be read on the next start.
    return copy.size() <= kWordListLimit.maxBytes ? copy : bytes;
}

std::string DescribeImport(const std::string& displayName, const WordListImport& list, size_t topicCount) {
    if (list.refused) return displayName + ": not imported: " + list.refusal;
    const size_t cards = list.CardCount();
    std::string line = displayName + ": " + std::to_string(cards) +
                       (cards == 1 ? " card in " : " cards in ") + std::to_string(topicCount) +
                       (topicCount == 1 ? " topic" : " topics");
    if (list.leftOutCount > 0) {
        constexpr size_t kNamed = 3;
        line += "; " + std::to_string(list.leftOutCount) + " left out (";
        const size_t named = std::min(kNamed, list.leftOut.size());
        for (size_t i = 0; i < named; ++i) line += (i ? "; " : "") + list.leftOut[i];
        if (list.leftOutCount > named) line += "; " + std::to_string(list.leftOutCount - named) + " more";
        line += ")";
    }
    if (list.readAsWindows1252) line += "; read as Windows-1252 (not UTF-8)";
    return line + "; " + DescribeLanguages(list);
}
