// The ways a learner's own lists come in while the game runs: files named on the command line
// and files dropped onto the window wait in the application object (AppContext::listsToImport)
// until the player stands on the main menu or the topics screen (a screen under way is never cut
// short), then are imported (learning/OwnTopics.h). One message box tells what was read (a long
// report summed up to fit the screen), and every line goes to standard output.
#pragma once

#include <string>

#include "screens/Game.h"

// A file dropped onto the window.
void QueueListImport(AppContext& app, const std::string& path);
// Imports every waiting file now, whatever the screen, and tells the player (at once once the play
// window shows, else when it does); true when any was waiting. Start-up uses it for the command
// line's files, before the topics are built.
bool ImportWaitingLists(AppContext& app, Learner& learner);
// Shows the report of imports not told yet, once the play window has shown a frame; called after
// every tick's frame.
void TellImportReport(AppContext& app);
// Each tick: imports the waiting files once the player is on the main menu or the topics screen
// with no screen change under way; the topics list then shows the new topics.
void ImportWaitingListsWhenIdle(Game& game);
