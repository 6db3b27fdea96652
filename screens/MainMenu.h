// The hub: "learn", "test", "results", "about", "exit".
#pragma once

void ShowMainMenu(bool logoShown);
void HideMainMenu();
void MainMenuInput(int code);
