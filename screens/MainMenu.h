// The hub: "learn", "test", "results", "about", "exit".
#pragma once

#include "game/InputEvent.h"

class GLObjectTextList;

// The menu's lines, top first.
enum class MenuLine { Learn, Test, Results, About, Exit };

// The list line that shows the menu line.
constexpr int LineOf(MenuLine line) { return static_cast<int>(line); }

// Adds the menu's lines to its list, in the order of MenuLine.
void AddMainMenuLines(GLObjectTextList& menu);
void ShowMainMenu(bool logoShown);
void HideMainMenu();
void MainMenuInput(const InputEvent& input);
