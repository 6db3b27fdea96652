// "Are you sure?" with "yes" (on to the information screen, then the end) and "no" (back). Asked
// from the topics screen it is "Remove <list>?": "yes" removes the selected own list, and both
// answers lead back to the topics.
#pragma once

#include "game/ScreenId.h"

void BuildExitConfirm();
void ShowExitConfirm(ScreenId returnScreen);
void ExitConfirmInput(int code);
void ReturnFromExitConfirm();
void HideExitConfirm();
