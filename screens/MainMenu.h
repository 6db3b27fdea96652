// The hub: "learn", "test", "results", "about", "exit", then "review" (what is due today) and
// "progress".
#pragma once

#include <string>

// The lines added after the designed five, which keep their places.
constexpr int kReviewLine = 5;
constexpr int kProgressLine = 6;

void ShowMainMenu(bool logoShown);
void HideMainMenu();
void MainMenuInput(int code);
// The review line: "review 12" ("99+" above 99) while cards are due today, else when the next one
// falls due ("review: next in 2 days", "review: next tomorrow"), or "review: nothing due" when no
// card is scheduled (daysUntilNextDue -1).
std::u16string ReviewLineText(int dueToday, int daysUntilNextDue);
