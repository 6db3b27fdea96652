// Choosing a topic: the scrolling list of titles, the topic picture on two planes that take
// turns, the "blocked" sign, the progress bar and caption, and the back arrow.
#pragma once

#include <string>

#include "game/state/InputEvent.h"
#include "screens/Game.h"

// A picture change is under way; arrows and the back arrow ignore clicks meanwhile.
bool TopicPictureChanging(const AppContext& app);

void BuildTopicsScreen(Game& game);
void ShowTopicsScreen(Game& game);
void UpdateTopicProgress(Game& game);
void TopicsScreenInput(Game& game, const InputEvent& input);
// With the cheat on, Return unlocks the selected topic when it is locked (and only then).
bool CheatUnlocksSelectedTopic(Game& game);
void ShowTopicPicture(Game& game, int row);
// Completes a picture change (the frame tick's "ekran_tematy pokazuj bg1/bg2" events):
// `leaving` is hidden, `entering` comes in from the back.
void CompleteTopicPictureChange(Game& game, const std::string& leaving, const std::string& entering);
void FlyOutTopicsScreen(Game& game);
// Builds the list's lines afresh from the topics table (after an import or a removal), the first
// selected; while the list is hidden.
void RefreshTopicsList(Game& game);
// The list file of the selected own topic; "" when a designed topic is selected.
std::string SelectedOwnList(Game& game);
void HideTopicsScreen(Game& game);
