// What stands beside the prompt and the answer on the learning and test screens: the design's
// flags for a designed topic (the British one by the English side, the Spanish one by the Spanish
// side), and for a learner's own list each side's language by its own name ("Deutsch",
// "Français"), or "unknown", on a card drawn at run time.
#pragma once

#include <string>

#include "learning/WordList.h"
#include "screens/Game.h"

// Gives "flag 1" (beside the prompt) and "flag 2" (beside the answer) the pictures of the sides'
// languages; a card is drawn only when its language changes.
void ShowSideLanguages(Game& game, const SideLanguages& languages);
// The text a side's card shows: the language's own name, "unknown" for a side not known.
std::u16string SideCardText(const std::string& code);
