// The interface texts of the chosen language: the application's (AppContext::strings), made once
// at start-up and read-only afterwards. Slots the language does not set stay empty.
#pragma once

#include <string>

struct UiStrings {
    std::u16string uiLanguage;
    std::u16string menuLearn, menuTest, menuResults, menuAbout, menuExit;
    std::u16string menuReview, menuProgress;
    std::u16string scoreLabel, correctLabel, wrongLabel, toPassLabel, wordsLeftLabel;
    std::u16string enterNameLabel;
    std::u16string menuHelp, menuScreen, layout1, layout2, returnLabel, showLabel;
    std::u16string correctShort, wrongShort, wordsLeftShort, summaryTitle;
    std::u16string closeMark, closeMark2, nextMark, prevMark;
    std::u16string lockedCaption;  // after a locked topic's name and progress
    std::u16string aboutText, makerLine;
};

// The texts of `language` ("english", "espanol" or "polski"; anything else leaves every slot but
// uiLanguage empty). The game always asks for "english".
UiStrings InterfaceTexts(const std::u16string& language = u"english");
