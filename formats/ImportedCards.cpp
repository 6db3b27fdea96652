#include "formats/ImportedCards.h"

#include <algorithm>
#include <cstdio>

#include "formats/GlyphCodes.h"
#include "unicode/Utf8Utf16.h"

namespace {

bool IsSpaceOrLineBreak(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\n';
}

// The first character of the text the font cannot show, named for the report: quoted as UTF-8
// (a surrogate pair whole), a control character by its code; "" when every one can be shown.
std::string FirstCharacterWithoutGlyph(const std::u16string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (HasGlyphFor(unit)) continue;
        if (unit < 0x20 || unit == 0x7F || (unit >= 0x80 && unit < 0xA0)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(unit));
            return code;
        }
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size();
        return "'" + Utf16ToUtf8(text.substr(i, pair ? 2 : 1)) + "'";
    }
    return "";
}

// The field's size in UTF-8, which is what the cap counts whatever the file's encoding.
size_t Utf8Size(const std::u16string& field) {
    size_t bytes = 0;
    for (char16_t unit : field)
        bytes += unit < 0x80 ? 1 : unit < 0x800 || (unit >= 0xD800 && unit <= 0xDFFF) ? 2 : 3;
    return bytes;
}

}  // namespace

std::u16string TidyField(const std::u16string& field) {
    std::u16string tidy;
    tidy.reserve(field.size());
    for (char16_t unit : field) {
        if (!IsSpaceOrLineBreak(unit)) {
            tidy.push_back(unit);
        } else if (!tidy.empty() && tidy.back() != u' ') {
            tidy.push_back(u' ');
        }
    }
    if (!tidy.empty() && tidy.back() == u' ') tidy.pop_back();
    return tidy;
}

std::u16string ListTitle(const std::u16string& title) {
    // Only the part that can be kept is tidied: a title of a million blanks costs no more.
    std::u16string tidy = TidyField(title.substr(0, 4 * kMaxListTitleUnits));
    if (tidy.size() <= kMaxListTitleUnits) return tidy;
    tidy.resize(kMaxListTitleUnits - 3);
    // Not in the middle of a surrogate pair, nor with a blank before the mark.
    while (!tidy.empty() && ((tidy.back() >= 0xD800 && tidy.back() <= 0xDBFF) || tidy.back() == u' '))
        tidy.pop_back();
    // Three full stops: the game's extruded font has no single-character ellipsis.
    return tidy + u"...";
}

void CardCollector::Add(ImportedLesson& lesson, ImportedCard card) {
    if (cards_ >= kMaxImportedCards) {
        // One reason names where the cap was reached; the cards after it are only counted.
        if (capReached_) return void(++list_.leftOutCount);
        capReached_ = true;
        return LeaveOut(card.where + " on", "past the 10000 cards a list may hold");
    }
    for (std::u16string* field : {&card.prompt, &card.answer, &card.hint}) {
        if (Utf8Size(*field) > kMaxImportedFieldBytes)
            return LeaveOut(card.where, "a field longer than 4 KB");
        *field = TidyField(*field);
    }
    if (card.prompt.empty()) return LeaveOut(card.where, "no prompt");
    if (card.answer.empty()) return LeaveOut(card.where, "no answer");
    for (const std::u16string* field : {&card.prompt, &card.answer, &card.hint}) {
        const std::string missing = FirstCharacterWithoutGlyph(*field);
        if (!missing.empty()) return LeaveOut(card.where, missing + " cannot be shown");
    }
    lesson.cards.push_back(std::move(card));
    ++cards_;
}

void CardCollector::LeaveOut(const std::string& where, const std::string& reason) {
    ++list_.leftOutCount;
    if (list_.leftOut.size() < kMaxListedReasons) list_.leftOut.push_back(where + ": " + reason);
}

void CardCollector::Finish() {
    auto& lessons = list_.lessons;
    lessons.erase(std::remove_if(lessons.begin(), lessons.end(),
                                 [](const ImportedLesson& lesson) { return lesson.cards.empty(); }),
                  lessons.end());
    if (cards_ == 0 && !list_.refused) {
        list_.refused = true;
        list_.refusal = list_.leftOut.empty()
                            ? "it holds no card"
                            : "it holds no card that can be played (" + list_.leftOut.front() + ")";
    }
}
