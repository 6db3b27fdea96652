// The keys of the scene's objects, each declared once. Screens build objects under these keys and
// find them again by them, so a misspelt key fails to compile instead of finding nothing. The
// quoted texts are the objects' names as the game has always called them. Keys the engine gives
// its own objects (a list's arrows, the highlight boxes, the backdrop the floor does not mirror)
// are declared beside the engine code that uses them, in the same namespace.
#pragma once

namespace key {

// Start-up.
inline constexpr char kLoadingPicture[] = "loading";
inline constexpr char kLight[] = "light 0";

// Shared by several screens.
inline constexpr char kLogoLexa[] = "lexa";
inline constexpr char kLogoDrill[] = "drill";
inline constexpr char kArrowNext[] = "arrownext";
inline constexpr char kArrowPrevious[] = "arrowprev";
inline constexpr char kAbortButton[] = "przerwij";
inline constexpr char kOkButton[] = "ok_button";

// The user-name screen.
inline constexpr char kNameLabel[] = "user_label";
inline constexpr char kNameField[] = "user";

// The main menu and its lines, top first.
inline constexpr char kMainMenuPicture[] = "bg glowny";
inline constexpr char kMainMenu[] = "main menu";

// Lines of the fixed lists (the main menu, the yes/no answers), by place, and the one key every
// line of a list filled from data shares (topics, hall of fame): no one looks a line up by key.
inline constexpr char kLine1[] = "i1";
inline constexpr char kLine2[] = "i2";
inline constexpr char kLine3[] = "i3";
inline constexpr char kLine4[] = "i4";
inline constexpr char kLine5[] = "i5";
inline constexpr char kLine6[] = "i6";
inline constexpr char kLine7[] = "i7";
inline constexpr char kListLine[] = "i";

// The topics screen. The two picture planes take turns: one leaves while the other enters.
inline constexpr char kTopicsList[] = "main menu 2";
inline constexpr char kTopicPictureFirst[] = "bg1 temat";
inline constexpr char kTopicPictureSecond[] = "bg2 temat";
inline constexpr char kLockedSign[] = "blocked";
inline constexpr char kTopicsCaption[] = "subject";
inline constexpr char kProgressCaption[] = "infopunkty";
// Asks to remove the selected own topic's list; shown while one is selected.
inline constexpr char kRemoveListButton[] = "remove list";
// Which way round the selected topic is practised ("English → Spanish"); a click turns it.
inline constexpr char kDirectionLine[] = "direction";
inline constexpr char kProgressBar[] = "stat1";
inline constexpr char kProgressOutline[] = "stat2";

// The learning and test screens.
inline constexpr char kPromptText[] = "txt 1";
inline constexpr char kAnswerText[] = "txt 2";
inline constexpr char kNativeFlag[] = "flag 1";
inline constexpr char kForeignFlag[] = "flag 2";
inline constexpr char kScore[] = "wynik";
inline constexpr char kScoreBoard[] = "score_board";
inline constexpr char kPauseButton[] = "pauza";
inline constexpr char kClock[] = "czas";
inline constexpr char kCorrectCount[] = "dobre odp";
inline constexpr char kWrongCount[] = "zle odp";
inline constexpr char kToPassCount[] = "do zaliczenia";
inline constexpr char kWordsLeftCount[] = "pozostalo";
inline constexpr char kCorrectFeedback[] = "dobrze";
inline constexpr char kWrongFeedback[] = "zle";
// A wrong answer one letter off: "almost".
inline constexpr char kAlmostFeedback[] = "almost";
inline constexpr char kBonusFeedback[] = "bonus1";
inline constexpr char kCorrectBurst[] = "explode";
inline constexpr char kBonusBurst[] = "bonus2";

// The result screens.
inline constexpr char kNextLevelPanel[] = "nextlevel_info";
inline constexpr char kGameOverPanel[] = "gameover_info";
// The next-level screen's panel after a passed own list, which unlocks nothing.
inline constexpr char kPassedPanel[] = "passed_info";
inline constexpr char kFinalScore[] = "wynik koncowy";
// The run's missed entries under their heading; a click on the selected line studies them again.
inline constexpr char kPractiseList[] = "words to practise";
inline constexpr char kPractiseTitle[] = "words to practise title";
inline constexpr char kReviewPanel[] = "review_info";

// The progress picture. Rows, days and bars repeat under one key each; the screen keeps its own
// objects in order, so no one looks one up by key.
inline constexpr char kProgressTitle[] = "progress title";
inline constexpr char kProgressLegend[] = "progress legend";
inline constexpr char kProgressTopicList[] = "progress topics";
inline constexpr char kProgressTopicName[] = "progress topic";
inline constexpr char kProgressRecall[] = "progress recall";
inline constexpr char kProgressDayAnswers[] = "progress day answers";
inline constexpr char kProgressBoxBar[] = "progress boxes";
inline constexpr char kProgressDaysTitle[] = "progress days title";
inline constexpr char kProgressDay[] = "progress day";
inline constexpr char kProgressStreak[] = "progress streak";
inline constexpr char kProgressDueTitle[] = "progress due title";
inline constexpr char kProgressDueBar[] = "progress due bar";
inline constexpr char kProgressDueCount[] = "progress due count";
inline constexpr char kProgressDueDay[] = "progress due day";
inline constexpr char kProgressHint[] = "progress hint";

// The hall of fame, the information panel and the exit question.
inline constexpr char kHallOfFameList[] = "halloffame";
inline constexpr char kHallOfFameTitle[] = "halloffame_label";
inline constexpr char kInfoPanel[] = "corvina_info";
inline constexpr char kExitQuestion[] = "areyousure";
inline constexpr char kExitAnswers[] = "menu tak-nie";

// The short sign that says speech went off or on (F2), over every screen.
inline constexpr char kSpeechSign[] = "speech sign";

}  // namespace key
