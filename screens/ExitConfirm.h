// "Are you sure?" with "yes" (on to the information screen, then the end) and "no" (back).
#pragma once

#include "game/ScreenId.h"

void BuildExitConfirm();
void ShowExitConfirm(ScreenId returnScreen);
void ExitConfirmInput(int code);
void ReturnFromExitConfirm();
void HideExitConfirm();
