// Hearing an answer, a word of the language being learned: it is spoken in the loaded topic's
// language (learning/WordList.h: Spanish for the designed topics) through the
// speech service (platform/Speech.h), without its gender marker, a note for the reader that is not
// part of the word. Prompts, in the player's own language, are never spoken.
#pragma once

#include <string>

void SpeakAnswer(const std::u16string& answer);
