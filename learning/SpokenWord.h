// Hearing a card's foreign word, the one in the language being learned: the designed topics'
// Spanish answer, an own list's side that is not English (its answer when both are other
// languages). It is spoken in that side's language through the speech service
// (platform/Speech.h), without its gender marker, a note for the reader that is not part of the
// word. The player's own English is never spoken, nor a side whose language is not known: a wrong
// voice teaches wrong sounds.
#pragma once

#include "learning/WordList.h"

// True when the prompt is the side in the language being learned.
bool PromptIsForeign(const SideLanguages& languages);
// Speaks the entry's foreign word.
void SpeakForeignWord(const WordEntry& entry, const SideLanguages& languages);
// As a question is asked: the foreign word when it is the one shown.
void SpeakWhenAsked(const WordEntry& entry, const SideLanguages& languages);
// As a question is judged: the foreign word when it is the one typed.
void SpeakWhenJudged(const WordEntry& entry, const SideLanguages& languages);
