#include "formats/TextListReader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "formats/ImportedCards.h"
#include "formats/LanguageCodes.h"
#include "formats/LatinLetters.h"
#include "formats/TextEncoding.h"
#include "unicode/Utf8Utf16.h"

namespace {

// The separators tried, in this order, on a file whose header names none.
constexpr char16_t kSeparatorCandidates[] = {u'\t', u';', u',', u'|', u':'};

struct Record {
    size_t line = 0;  // where the record starts, from 1
    std::vector<std::u16string> fields;
};

struct Header {
    char16_t separator = 0;  // 0: find it
    bool html = false;
    std::vector<size_t> otherColumns;  // from 0: columns holding a GUID, note type, deck or tags
};

bool IsLineEnd(char16_t unit) { return unit == u'\n' || unit == u'\r'; }
bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// Moves past the line end at `pos` (CR LF, LF or CR), counting the line.
void SkipLineEnd(const std::u16string& text, size_t& pos, size_t& line) {
    if (pos < text.size() && text[pos] == u'\r') ++pos;
    if (pos < text.size() && text[pos] == u'\n') ++pos;
    ++line;
}

std::u16string Trimmed(const std::u16string& text) {
    const size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string::npos) return u"";
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

// A colon between two digits ("9:00") is part of a time, never a separator.
bool SeparatesAt(const std::u16string& text, size_t pos, char16_t separator) {
    if (text[pos] != separator) return false;
    if (separator != u':') return true;
    return !(pos > 0 && pos + 1 < text.size() && IsDigit(text[pos - 1]) && IsDigit(text[pos + 1]));
}

// Reads one record's fields from `pos`, CSV-style: a field that starts with a quote runs to the
// closing quote ("" stands for a quote) and may hold separators and line breaks. When a quote is
// never closed the record is read again with quotes taken as text, so one stray quote cannot
// swallow the rest of the file.
Record ReadRecord(const std::u16string& text, size_t& pos, size_t& line, char16_t separator) {
    const size_t start = pos, startLine = line;
    for (bool quotesAsText : {false, true}) {
        Record record;
        record.line = startLine;
        pos = start;
        line = startLine;
        bool unclosed = false;
        for (;;) {
            std::u16string field;
            if (!quotesAsText && pos < text.size() && text[pos] == u'"') {
                ++pos;
                for (;;) {
                    if (pos >= text.size()) {
                        unclosed = true;
                        break;
                    }
                    // Past the field cap the card is left out anyway; reading on as unquoted
                    // text keeps a file of stray quotes from being read over and over.
                    if (field.size() > kMaxImportedFieldBytes) break;
                    if (text[pos] == u'"') {
                        if (pos + 1 < text.size() && text[pos + 1] == u'"') {
                            field.push_back(u'"');
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (IsLineEnd(text[pos])) {
                        SkipLineEnd(text, pos, line);
                        field.push_back(u'\n');
                        continue;
                    }
                    field.push_back(text[pos++]);
                }
                if (unclosed) break;
            }
            // Unquoted text, and whatever follows a closing quote, runs to the separator or line end.
            while (pos < text.size() && !IsLineEnd(text[pos]) && !SeparatesAt(text, pos, separator))
                field.push_back(text[pos++]);
            record.fields.push_back(std::move(field));
            if (pos < text.size() && SeparatesAt(text, pos, separator)) {
                ++pos;
                continue;
            }
            if (pos < text.size()) SkipLineEnd(text, pos, line);
            break;
        }
        if (!unclosed) return record;
    }
    return {};
}

bool IsBlankOrComment(const std::u16string& text, size_t pos) {
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t')) ++pos;
    return pos >= text.size() || IsLineEnd(text[pos]) || text[pos] == u'#';
}

// Hands each card line from `pos` on to `use`, one at a time; blank lines and '#' lines are skipped.
template <typename UseRecord>
void ReadRecords(const std::u16string& text, size_t pos, size_t line, char16_t separator, UseRecord use) {
    while (pos < text.size()) {
        if (IsBlankOrComment(text, pos)) {
            while (pos < text.size() && !IsLineEnd(text[pos])) ++pos;
            SkipLineEnd(text, pos, line);
            continue;
        }
        use(ReadRecord(text, pos, line, separator));
    }
}

// The separator that splits every card line into the same number of fields (at least two), the
// first such in candidate order; failing that, the one that gives the most lines two fields.
char16_t FindSeparator(const std::u16string& text, size_t pos, size_t line) {
    char16_t best = kSeparatorCandidates[0];
    size_t bestSplit = 0;
    for (char16_t candidate : kSeparatorCandidates) {
        size_t records = 0, split = 0, firstFields = 0;
        bool even = true;
        ReadRecords(text, pos, line, candidate, [&](const Record& record) {
            if (records++ == 0) firstFields = record.fields.size();
            even = even && record.fields.size() == firstFields;
            split += record.fields.size() >= 2;
        });
        if (even && firstFields >= 2) return candidate;
        if (split > bestSplit) best = candidate, bestSplit = split;
    }
    return best;
}

char16_t NamedSeparator(const std::u16string& value) {
    const std::u16string name = SmallLetters(value);
    if (name == u"tab" || value == u"\\t") return u'\t';
    if (name == u"comma") return u',';
    if (name == u"semicolon") return u';';
    if (name == u"pipe") return u'|';
    if (name == u"colon") return u':';
    if (name == u"space") return u' ';
    return value.size() == 1 ? value[0] : 0;
}

void ReadLanguages(const std::u16string& value, WordListImport& list) {
    const size_t comma = value.find(u',');
    const std::string prompt = LanguageCodeOf(Utf16ToUtf8(value.substr(0, comma)));
    const std::string answer =
        comma == std::u16string::npos ? "" : LanguageCodeOf(Utf16ToUtf8(value.substr(comma + 1)));
    // A side an earlier line named keeps its language: the game's own line comes first in a copy.
    if (list.promptLanguage.code.empty())
        list.promptLanguage = {prompt, prompt.empty() ? LanguageFound::Unknown : LanguageFound::Header};
    if (list.answerLanguage.code.empty())
        list.answerLanguage = {answer, answer.empty() ? LanguageFound::Unknown : LanguageFound::Header};
}

// A first row whose two fields name two different languages ("English;Spanish", "Deutsch,Englisch",
// "en<tab>fr") heads the columns: it is no card. A card that translates a language's name names
// the same language twice ("German;alemán") and stays a card.
bool ReadLanguagesRow(const std::vector<std::u16string>& fields, WordListImport& list) {
    if (fields.size() < 2) return false;
    const std::string prompt = LanguageCodeOf(Utf16ToUtf8(fields[0]));
    const std::string answer = LanguageCodeOf(Utf16ToUtf8(fields[1]));
    if (prompt.empty() || answer.empty() || prompt == answer) return false;
    // A "#languages:" line names them already; the row is a heading all the same.
    if (list.promptLanguage.found != LanguageFound::Header)
        list.promptLanguage = {prompt, LanguageFound::FirstRow};
    if (list.answerLanguage.found != LanguageFound::Header)
        list.answerLanguage = {answer, LanguageFound::FirstRow};
    return true;
}

// Reads the '#' lines at the top ("#separator:tab", "#html:true", "#deck:Spanish::Animals",
// "#languages:en,de", "#guid column:1"); other '#' lines are comments. Advances to the first card line.
Header ReadHeader(const std::u16string& text, size_t& pos, size_t& line, WordListImport& list) {
    Header header;
    while (pos < text.size() && IsBlankOrComment(text, pos)) {
        size_t end = pos;
        while (end < text.size() && !IsLineEnd(text[end])) ++end;
        const std::u16string content = Trimmed(text.substr(pos, end - pos));
        pos = end;
        SkipLineEnd(text, pos, line);
        const size_t colon = content.find(u':');
        if (content.empty() || colon == std::u16string::npos) continue;
        const std::u16string key = SmallLetters(Trimmed(content.substr(1, colon - 1)));
        const std::u16string value = Trimmed(content.substr(colon + 1));
        if (key == u"separator") header.separator = NamedSeparator(value);
        if (key == u"html") header.html = SmallLetters(value) == u"true";
        if (key == u"languages") ReadLanguages(value, list);
        if (key == u"deck") {
            // Anki names a sub-deck by its path, "Spanish::Animals"; the list is the last part.
            const size_t last = value.rfind(u"::");
            list.title = ListTitle(last == std::u16string::npos ? value : value.substr(last + 2));
        }
        const std::u16string columnSuffix = u" column";
        if (key.size() > columnSuffix.size() &&
            key.compare(key.size() - columnSuffix.size(), columnSuffix.size(), columnSuffix) == 0 &&
            !value.empty() && value.size() < 4 && std::all_of(value.begin(), value.end(), IsDigit)) {
            const size_t column = std::stoul(Utf16ToUtf8(value));
            if (column > 0) header.otherColumns.push_back(column - 1);
        }
    }
    return header;
}

// An HTML field is decoded only up to this many units: four times the field cap leaves room for a
// 4 KB field's markup, and a longer one is left out by the cap anyway (the work stays small).
constexpr size_t kMaxHtmlFieldUnits = 4 * kMaxImportedFieldBytes;
// The longest entity the reader knows, "&#x0000FFFF;" with its '&' and ';'.
constexpr size_t kMaxEntityUnits = 12;

// "&amp;", "&lt;", "&#233;", "&#xE9;" ... at `pos` (which holds '&'): the character, advancing
// past the entity; 0 when no entity the reader knows starts there. Looks no further than the
// longest entity, so a field of '&' costs a few steps each.
char16_t DecodeEntity(const std::u16string& text, size_t& pos) {
    size_t end = pos + 1;
    while (end < text.size() && end < pos + kMaxEntityUnits && text[end] != u';') ++end;
    if (end >= text.size() || text[end] != u';' || end - pos > 10) return 0;
    const std::u16string name = text.substr(pos + 1, end - pos - 1);
    static const struct {
        const char16_t* name;
        char16_t letter;
    } kNamed[] = {{u"amp", u'&'},  {u"lt", u'<'},    {u"gt", u'>'},
                  {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u' '}};
    char16_t letter = 0;
    for (const auto& named : kNamed) {
        if (name == named.name) letter = named.letter;
    }
    if (name.size() >= 2 && name[0] == u'#') {
        const bool hex = name[1] == u'x' || name[1] == u'X';
        unsigned long value = 0;
        for (size_t i = hex ? 2 : 1; i < name.size(); ++i) {
            const char16_t unit = SmallLetterOf(name[i]);
            const int digit = IsDigit(unit)                           ? unit - u'0'
                              : (hex && unit >= u'a' && unit <= u'f') ? unit - u'a' + 10
                                                                      : -1;
            if (digit < 0 || value > 0xFFFF) return 0;
            value = value * (hex ? 16 : 10) + digit;
        }
        letter = value > 0 && value <= 0xFFFF ? static_cast<char16_t>(value) : 0;
    }
    if (letter != 0) pos = end + 1;
    return letter;
}

// An Anki field written as HTML: tags dropped (a line break becomes a space), entities decoded.
// One pass: the '>' closing a tag is searched for once for all the '<' before it, so a field of
// '<' without one costs no more than a field of letters.
std::u16string PlainTextOfHtml(const std::u16string& html) {
    std::u16string plain;
    size_t nextClose = 0;  // the first '>' at or after the last search's start; npos: none
    bool closeSought = false;
    for (size_t pos = 0; pos < html.size();) {
        if (html[pos] == u'<') {
            if (!closeSought || (nextClose != std::u16string::npos && nextClose < pos)) {
                nextClose = html.find(u'>', pos);
                closeSought = true;
            }
            const size_t end = nextClose;
            if (end != std::u16string::npos) {
                // A tag that breaks the line parts words; one that styles them ("<b>") does not.
                const std::u16string tag = SmallLetters(html.substr(pos, std::min<size_t>(end - pos, 4)));
                for (const char16_t* breaking :
                     {u"<br", u"<div", u"</di", u"<p", u"</p", u"<li", u"<tr", u"<td"}) {
                    if (tag.compare(0, std::char_traits<char16_t>::length(breaking), breaking) == 0) {
                        plain.push_back(u' ');
                        break;
                    }
                }
                pos = end + 1;
                continue;
            }
        }
        if (html[pos] == u'&') {
            const char16_t letter = DecodeEntity(html, pos);
            if (letter != 0) {
                plain.push_back(letter);
                continue;
            }
        }
        plain.push_back(html[pos++]);
    }
    return plain;
}

std::u16string DecodedText(const uint8_t* data, size_t size, WordListImport& list) {
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) data += 3, size -= 3;
    if (size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF)))
        return Utf16ToUnits(data + 2, size - 2, data[0] == 0xFE);
    if (IsValidUtf8(data, size)) return Utf8ToUtf16(data, size);
    list.readAsWindows1252 = true;
    return Windows1252ToUtf16(data, size);
}

}  // namespace

void ReadTextList(const uint8_t* data, size_t size, WordListImport& list) {
    list.format = "text list";
    const std::u16string text = DecodedText(data, size, list);
    if (text.find(u'\0') != std::u16string::npos) {
        list.refused = true;
        list.refusal = "it is not text (it holds zero bytes)";
        return;
    }
    size_t pos = 0, line = 1;
    Header header = ReadHeader(text, pos, line, list);
    const char16_t separator = header.separator != 0 ? header.separator : FindSeparator(text, pos, line);
    list.lessons.emplace_back();
    CardCollector collector(list);
    bool firstRecord = true;
    ReadRecords(text, pos, line, separator, [&](Record record) {
        std::vector<std::u16string> fields;
        for (size_t column = 0; column < record.fields.size(); ++column) {
            if (std::find(header.otherColumns.begin(), header.otherColumns.end(), column) ==
                header.otherColumns.end())
                // Past its cap a field is left out as it is, undecoded.
                fields.push_back(header.html && record.fields[column].size() <= kMaxHtmlFieldUnits
                                     ? PlainTextOfHtml(record.fields[column])
                                     : std::move(record.fields[column]));
        }
        if (firstRecord) {
            firstRecord = false;
            if (ReadLanguagesRow(fields, list)) return;
        }
        fields.resize(std::max<size_t>(fields.size(), 3));
        collector.Add(list.lessons.back(),
                      {fields[0], fields[1], fields[2], "line " + std::to_string(record.line)});
    });
    collector.Finish();
}
