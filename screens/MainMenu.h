// The hub: "learn", "test", "results", "about", "exit", then "review" (what is due today) and
// "progress".
#pragma once

#include <string>

#include "game/state/InputEvent.h"
#include "game/texts/UiStrings.h"
#include "screens/Game.h"

class GLObjectTextList;

// The menu's lines, top first; the lines after the designed five keep those in their places.
enum class MenuLine { Learn, Test, Results, About, Exit, Review, Progress };

// The list line that shows the menu line.
constexpr int LineOf(MenuLine line) { return static_cast<int>(line); }

// Adds the menu's lines to its list, in the order of MenuLine.
void AddMainMenuLines(Game& game, GLObjectTextList& menu);
void ShowMainMenu(Game& game, bool logoShown);
void HideMainMenu(Game& game);
void MainMenuInput(Game& game, const InputEvent& input);
// The review line: "review 12" ("99+" above 99) while cards are due today, else when the next one
// falls due ("review: next in 2 days", "review: next tomorrow"), or "review: nothing due" when no
// card is scheduled (daysUntilNextDue -1).
std::u16string ReviewLineText(const UiStrings& texts, int dueToday, int daysUntilNextDue);
