// "Next level unlocked" and "Game over", two screens of one shape: the panel, the run's final score
// and the arrow. Either leaves on a click or key while the arrow is hovered.
#pragma once

void BuildNextLevelScreen();
void BuildGameOverScreen();
void ShowNextLevelScreen();
void ShowGameOverScreen();
void NextLevelScreenInput(int code);
void GameOverScreenInput(int code);
// Hides whichever of the two is shown.
void HideResultScreens();
