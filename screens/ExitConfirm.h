// "Are you sure?" with "yes" (on to the information screen, then the end) and "no" (back). Asked
// from the topics screen it is "Remove <list>?": "yes" removes the selected own list, and both
// answers lead back to the topics.
#pragma once

#include "game/state/InputEvent.h"
#include "game/state/ScreenId.h"

// The answers' lines, top first.
enum class ExitAnswer { Yes, No };

constexpr int LineOf(ExitAnswer answer) { return static_cast<int>(answer); }

void BuildExitConfirm();
void ShowExitConfirm(ScreenId returnScreen);
void ExitConfirmInput(const InputEvent& input);
void ReturnFromExitConfirm();
void HideExitConfirm();
