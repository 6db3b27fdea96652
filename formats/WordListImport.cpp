#include "formats/WordListImport.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "formats/FileLimits.h"
#include "formats/KvtmlReader.h"
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
    if (list.languagesUnknown) line += "; languages not known, so it is not spoken";
    return line;
}
