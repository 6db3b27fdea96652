#include "app/ListImports.h"

#include <cstdio>
#include <vector>

#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "game/EventNames.h"
#include "learning/OwnTopics.h"
#include "platform/Platform.h"
#include "screens/TopicsScreen.h"

void QueueListImport(const std::string& path) {
    if (app) app->listsToImport.push_back(path);
}

bool ImportWaitingLists() {
    if (!app || app->listsToImport.empty()) return false;
    std::string report;
    for (const std::string& path : std::vector<std::string>(std::move(app->listsToImport))) {
        const std::string line = ImportListFile(path);
        std::printf("%s\n", line.c_str());
        report += (report.empty() ? "" : "\n") + line;
    }
    app->listsToImport.clear();
    std::fflush(stdout);
    platform::ShowMessage(report);
    return true;
}

void ImportWaitingListsWhenIdle() {
    if (!app || app->listsToImport.empty() || !scene || app->transitionLock || TopicPictureChanging()) return;
    if (app->currentScreen == ScreenId::MainMenu) {
        ImportWaitingLists();
        RefreshTopicsList();
    } else if (app->currentScreen == ScreenId::Topics) {
        ImportWaitingLists();
        // The list is built afresh while the screen is away, as after any other screen.
        app->transitionLock = true;
        FlyOutTopicsScreen();
        scene->PostEvent(event::kTopicsAfterImport, 50);
    }
}
