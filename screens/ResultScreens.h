// "Next level unlocked" and "Game over": the panel, the run's final score and the arrow.
#pragma once

void BuildNextLevelScreen();
void BuildGameOverScreen();
void ShowNextLevelScreen();
void ShowGameOverScreen();
void NextLevelScreenInput();
void GameOverScreenInput();
void HideResultScreens();
