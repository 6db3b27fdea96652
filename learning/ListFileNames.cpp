#include "learning/ListFileNames.h"

#include <cstdint>
#include <cstdio>

#include "formats/ImportedCards.h"
#include "unicode/Utf8Utf16.h"

namespace {

constexpr char kCodeMark = '~';
constexpr size_t kCodeDigits = 8;
// An extension longer than this is taken as part of the name when a name is cut.
constexpr size_t kMaxKeptExtensionBytes = 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Digits ending just before `end`, preceded by a '.': where they start, or npos.
size_t DottedNumberBefore(const std::string& name, size_t end) {
    size_t start = end;
    while (start > 0 && IsDigit(name[start - 1])) --start;
    if (start == end || start == 0 || name[start - 1] != '.') return std::string::npos;
    return start - 1;
}

// "<list>.<part>.counts" or its schedule, "<list>.<part>.counts_box.dat".
bool IsCountsName(const std::string& name) {
    for (const char* tail : {".counts", ".counts_box.dat"}) {
        if (EndsWith(name, tail) &&
            DottedNumberBefore(name, name.size() - std::string(tail).size()) != std::string::npos)
            return true;
    }
    return false;
}

// "<file>.tmp.<process>.<count>", a save's file before its rename.
bool IsTemporaryName(const std::string& name) {
    const size_t count = DottedNumberBefore(name, name.size());
    if (count == std::string::npos) return false;
    const size_t process = DottedNumberBefore(name, count);
    return process != std::string::npos && process >= 4 && name.compare(process - 4, 4, ".tmp") == 0;
}

size_t ExtensionStart(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name.size() : dot;
}

// FNV-1a: a short code that tells long names apart and is the same for the same name every time.
std::string CodeOf(const std::string& name) {
    uint32_t hash = 2166136261u;
    for (unsigned char byte : name) hash = (hash ^ byte) * 16777619u;
    char code[kCodeDigits + 2];
    std::snprintf(code, sizeof code, "%c%08x", kCodeMark, static_cast<unsigned>(hash));
    return code;
}

// The first `bytes` bytes of UTF-8 text, not ending inside a letter.
std::string CutAtLetter(const std::string& text, size_t bytes) {
    if (bytes >= text.size()) return text;
    while (bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) --bytes;
    return text.substr(0, bytes);
}

bool EndsWithCode(const std::string& stem) {
    if (stem.size() < kCodeDigits + 1 || stem[stem.size() - kCodeDigits - 1] != kCodeMark) return false;
    for (size_t i = stem.size() - kCodeDigits; i < stem.size(); ++i) {
        const char c = stem[i];
        if (!IsDigit(c) && !(c >= 'a' && c <= 'f')) return false;
    }
    return true;
}

}  // namespace

bool IsListFileName(const std::string& name) {
    return !name.empty() && name[0] != '.' && !IsCountsName(name) && !IsTemporaryName(name);
}

std::string ListCopyName(const std::string& fileName) {
    std::string name = fileName;
    for (size_t i = 0; i < name.size() && name[i] == '.'; ++i) name[i] = '_';
    if (!IsListFileName(name)) name += ".txt";
    if (name.size() <= kMaxListNameBytes) return name;
    size_t extension = ExtensionStart(name);
    if (name.size() - extension > kMaxKeptExtensionBytes) extension = name.size();
    const std::string code = CodeOf(fileName), tail = name.substr(extension);
    return CutAtLetter(name.substr(0, extension), kMaxListNameBytes - code.size() - tail.size()) + code +
           tail;
}

std::u16string TitleOfListName(const std::string& copyName) {
    std::string stem = copyName.substr(0, ExtensionStart(copyName));
    // A name cut to fit is as long as a name may be, give or take a letter's bytes.
    const bool cut = copyName.size() + 3 >= kMaxListNameBytes && EndsWithCode(stem);
    if (cut) stem.resize(stem.size() - kCodeDigits - 1);
    return ListTitle(Utf8ToUtf16(stem) + (cut ? u"..." : u""));
}
