// What both list readers share: the checks every card passes (a prompt and an answer, fields
// within their cap, letters the font can show, the list's card cap) and the reasons kept for the
// cards left out.
#pragma once

#include <string>

#include "formats/WordListImport.h"

// Tidies a field: runs of spaces, tabs and line breaks become one space, none at either end.
std::u16string TidyField(const std::u16string& field);
// A list's or lesson's title as read: tidied like a field and cut to kMaxListTitleUnits.
std::u16string ListTitle(const std::u16string& title);

class CardCollector {
public:
    explicit CardCollector(WordListImport& list) : list_(list) {}

    // Adds the card (its fields tidied) to `lesson` when it passes every check, else records why
    // it was left out.
    void Add(ImportedLesson& lesson, ImportedCard card);
    // Records a card left out for a reason the reader found ("line 12", "no answer").
    void LeaveOut(const std::string& where, const std::string& reason);
    // After the last card: drops empty lessons and refuses a list that kept no card.
    void Finish();

private:
    WordListImport& list_;
    size_t cards_ = 0;
    bool capReached_ = false;
};
