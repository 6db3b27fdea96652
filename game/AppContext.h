// The application object: the executable folder and every file path, the topics table and the
// run state that screens hand to each other. Exactly one exists; `app` owns it from start-up
// until the window closes (see Application.cpp).
#pragma once

#include <cstdint>
#include <string>

#include "game/ScreenId.h"

// The twelve designed topics and the own topics of imported lists after them.
constexpr int MAX_TOPICS = 1000;

// One row of the topics table. (firstWord, lastWord) is a half-open range of word-list lines and
// identifies the topic everywhere, also in the repetition file's name.
struct TopicInfo {
    std::u16string title;     // list text and the stem of the picture's file name
    std::string picturePath;  // exeDirNarrow + "gfx/tem/<title>.jpg"
    int32_t firstWord = 0;
    int32_t lastWord = 0;
    // An own topic's index in learning/OwnTopics.h's list; -1 for a designed topic.
    int32_t ownTopic = -1;
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
    std::string nativeFlagPath;
    std::string foreignFlagPath;

    // Run state.
    ScreenId currentScreen = ScreenId::None;
    bool transitionLock = false;
    int32_t sessionMode = 0;       // 0 learning, 1 test
    int32_t infoReturnScreen = 0;  // 4 main menu, 6 test, 7 learning, 0 end of the program
    int32_t exitReturnScreen = 0;
    std::u16string userName = u"player";  // at most 10 characters
    bool cheatMode = false;
};

// The one application object; created by StartApplication, deleted on close.
extern AppContext* app;
