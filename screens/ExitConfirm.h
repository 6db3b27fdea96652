// "Are you sure?" with "yes" (on to the information screen, then the end) and "no" (back). Asked
// from the topics screen it is "Remove <list>?": "yes" removes the selected own list, and both
// answers lead back to the topics.
#pragma once

#include "game/state/InputEvent.h"
#include "game/state/ScreenId.h"
#include "screens/Game.h"

// The answers' lines, top first.
enum class ExitAnswer { Yes, No };

constexpr int LineOf(ExitAnswer answer) { return static_cast<int>(answer); }

void BuildExitConfirm(Game& game);
void ShowExitConfirm(Game& game, ScreenId returnScreen);
void ExitConfirmInput(Game& game, const InputEvent& input);
void ReturnFromExitConfirm(Game& game);
void HideExitConfirm(Game& game);
