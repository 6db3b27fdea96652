// The application object: the executable folder and every file path, the topics table and the
// run state that screens hand to each other. Exactly one exists while the game runs: the
// application (app/Application.h) holds it from start-up until the window closes and hands it to
// whoever needs it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/state/ScreenId.h"
#include "game/texts/UiStrings.h"

// The twelve designed topics and the own topics of imported lists after them.
constexpr int MAX_TOPICS = 1000;

// One row of the topics table. (firstWord, lastWord) is a half-open range of word-list lines and
// identifies the topic everywhere, also in the repetition file's name.
struct TopicInfo {
    std::u16string title;     // list text
    std::string picturePath;  // exeDirNarrow + "gfx/tem/<stored name>.jpg"
    int32_t firstWord = 0;
    int32_t lastWord = 0;
    // An own topic's index in learning/OwnTopics.h's list; -1 for a designed topic.
    int32_t ownTopic = -1;
};

// What the main menu's learn and test lines start: the topics lead on to learning or to a test.
enum class SessionMode { Learning, Test };

// The test screen's run save still waiting for the save folder's lock (screens/TestScreen.cpp
// defines it: this layer only holds it).
struct PendingRunEnd;
// The progress picture's objects and figures (screens/ProgressScreen.cpp defines them).
struct ProgressObjects;

// What the screens keep between their own calls while they stand; a new AppContext (a new start)
// begins with none of it.
struct ScreenState {
    // Topics: a picture change is under way (arrows and the back arrow wait for it), and the last
    // one ended on the second picture plane.
    bool topicPictureChanging = false;
    bool lastPictureOnSecondPlane = false;
    // Learning: a step between pairs is under way; the screen is on its way out.
    bool learningStepping = false;
    bool learningLeaving = false;
    // The words to practise: the line whose answer was spoken last since the list appeared (-1: none),
    // and whether a key moved the list since it appeared (it then has the keyboard's attention).
    int spokenPractiseLine = -1;
    bool practiseListMoved = false;
    // The information panel opened the help page since it last came in.
    bool helpOpened = false;
    // Topics: the own topics' picture slot to draw into next.
    int nextOwnPicture = 0;
    // Test: a run's end whose save waits for the folder's lock. A shared_ptr takes its deleter where
    // it is made, so the type need not be known here.
    std::shared_ptr<PendingRunEnd> pendingRunEnd;
    // Progress: the picture's objects and the figures it shows.
    std::shared_ptr<ProgressObjects> progressObjects;
    // The exit question's own selection while "Remove <list>?" borrows its answers (-1: not borrowed).
    int exitAnswerKept = -1;
};

struct AppContext {
    // Built from `folder` (the executable's folder, ending in '/'): paths and topics.
    explicit AppContext(const std::string& folder);

    // File system paths are native UTF-8 strings on this port; exeDir keeps the wide form.
    std::string exeDirNarrow;
    std::u16string exeDir;
    std::string infoPicturePath;
    std::string wordFilePath;
    TopicInfo topics[MAX_TOPICS];
    int32_t topicCount = 0;
    // The row is one of the table's (a stored or passed row may not be).
    bool HasTopicRow(int row) const { return row >= 0 && row < topicCount; }
    std::string nativeFlagPath;
    std::string foreignFlagPath;

    // Run state.
    ScreenId currentScreen = ScreenId::None;
    bool transitionLock = false;
    SessionMode sessionMode = SessionMode::Learning;
    // Where the information panel's arrow leads: the main menu, the test or learning; None ends
    // the program.
    ScreenId infoReturnScreen = ScreenId::None;
    // Where "no" in the exit question leads back to: the main menu or the user-name screen.
    ScreenId exitReturnScreen = ScreenId::None;
    // The interface texts, made at start-up.
    UiStrings strings;
    std::u16string userName = u"player";  // at most 10 characters
    bool cheatMode = false;
    // Word lists named on the command line or dropped onto the window, in the order they came,
    // waiting to be imported (app/ListImports.h).
    std::vector<std::string> listsToImport;
    // The report of imports the player has not been shown yet (it waits for the play window).
    std::string untoldImportReport;
    ScreenState screens;
};
