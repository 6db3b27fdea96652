// encode_words <input.txt> <output.enc>
//
// Builds the game's word list from its plain-text source.
//
// Input: UTF-8 text, one entry a line:
//     english prompt;spanish answer
// e.g. "the tree;árbol" or "the table;mesa (f)". Exactly one ';' per entry, neither field empty
// nor starting or ending with a space. Lines that are empty (or only spaces) or start with '#'
// are skipped; they do not count as entries. A CR before the line end is ignored. Every character
// must be one the game's glyph table can draw: printable ASCII, Latin-1 U+00A0-U+00BF, and the 24
// Polish and Spanish letters of the table (á é í ó ú ñ Á, Ą ą Ć ć Ę ę Ł ł Ń ń Ó ó Ś ś Ź ź Ż ż).
//
// Output: the byte-order mark FF FE, then per entry the line shifted by the word-file key in
// UTF-16LE followed by an unshifted CR LF. Entry k of the source is line k of the word list.
//
// Exits with 1 and a message naming the line on the first malformed entry, writing nothing.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "formats/GlyphCodes.h"
#include "formats/WordFileFormat.h"
#include "platform/SafeFileWrite.h"
#include "unicode/Utf8Utf16.h"

namespace {

bool HasOuterSpace(const std::u16string& field) { return field.front() == u' ' || field.back() == u' '; }

std::string CodeName(char16_t letter) {
    char name[8];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(letter));
    return name;
}

// Empty when the entry is well formed, else what is wrong with it.
std::string ProblemOf(const std::u16string& entry) {
    for (char16_t letter : entry) {
        if (!HasEightBitGlyphFor(letter))
            return "character " + CodeName(letter) + " cannot be drawn by the glyph table";
    }
    size_t separator = entry.find(u';');
    if (separator == std::u16string::npos) return "no ';' between prompt and answer";
    if (entry.find(u';', separator + 1) != std::u16string::npos) return "more than one ';'";
    std::u16string prompt = entry.substr(0, separator);
    std::u16string answer = entry.substr(separator + 1);
    if (prompt.empty() || answer.empty()) return "empty prompt or answer";
    if (HasOuterSpace(prompt) || HasOuterSpace(answer)) return "a field starts or ends with a space";
    // The line and its CR LF must come back in one read of the game's reader.
    if (entry.size() + 2 > kWordLineMaxUnits) return "entry longer than the word list's line limit";
    return std::string();
}

void AppendUnit(std::vector<uint8_t>& out, char16_t unit) {
    out.push_back(static_cast<uint8_t>(unit & 0xFF));
    out.push_back(static_cast<uint8_t>(unit >> 8));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: encode_words <input.txt> <output.enc>\n");
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    if (!input) {
        std::fprintf(stderr, "encode_words: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<uint8_t> output = {0xFF, 0xFE};
    std::string raw;
    int entries = 0;
    for (int lineNumber = 1; std::getline(input, raw); ++lineNumber) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (raw.find_first_not_of(' ') == std::string::npos || raw[0] == '#') continue;
        const std::u16string entry = Utf8ToUtf16(raw);
        // The decoder marks every malformed byte with U+FFFD, which no glyph draws either.
        const std::string problem =
            entry.find(u'\uFFFD') != std::u16string::npos ? "not valid UTF-8" : ProblemOf(entry);
        if (!problem.empty()) {
            std::fprintf(stderr, "%s:%d: %s: %s\n", argv[1], lineNumber, problem.c_str(), raw.c_str());
            return 1;
        }
        for (char16_t unit : EncodeLine(entry)) AppendUnit(output, unit);
        AppendUnit(output, u'\r');
        AppendUnit(output, u'\n');
        ++entries;
    }
    if (!WriteFileAtomically(argv[2], output.data(), output.size())) {
        std::fprintf(stderr, "encode_words: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("encode_words: %d entries -> %s\n", entries, argv[2]);
    return 0;
}
