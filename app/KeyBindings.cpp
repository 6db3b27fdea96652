#include "app/KeyBindings.h"

#include <algorithm>
#include <cstdlib>

#include "app/InputRouting.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "platform/Speech.h"
#include "screens/ExitConfirm.h"
#include "screens/InfoScreen.h"
#include "screens/LearningScreen.h"
#include "screens/MainMenu.h"
#include "screens/ResultScreens.h"
#include "screens/SpeechSign.h"
#include "screens/TopicsScreen.h"

namespace {

using platform::Key;

// What of the object the key works on, as a click on it would, or what the key does that no click
// does.
enum class Part {
    Object,        // the object itself (a button, an arrow): pressed
    UpArrow,       // the list steps up, as by its up arrow
    DownArrow,     // the list steps down, as by its down arrow
    SelectedLine,  // the list's selected line: chooses it
    Line,          // a given line of the list: selects it, then chooses it once selected
    Action,        // no click: the row's action runs
};

// A row for ScreenId::None holds wherever the player is.
constexpr ScreenId kEveryScreen = ScreenId::None;

struct KeyBinding {
    ScreenId screen;
    InputEvent trigger;  // a named key, or a typed character
    const char* objectKey;
    Part part;
    int line = 0;                     // for Part::Line
    bool (*when)(Game&) = nullptr;    // the row counts only while this holds (nullptr: always)
    void (*action)(Game&) = nullptr;  // for Part::Action
};

constexpr KeyBinding OnKey(ScreenId screen, Key key, const char* objectKey, Part part, int line = 0,
                           bool (*when)(Game&) = nullptr) {
    return {screen, InputEvent::Pressed(key), objectKey, part, line, when, nullptr};
}

constexpr KeyBinding Doing(ScreenId screen, InputEvent trigger, void (*action)(Game&)) {
    return {screen, trigger, nullptr, Part::Action, 0, nullptr, action};
}

// With the cheat on, Return on a locked topic unlocks it (the screen's own handler takes it).
bool NoCheatUnlock(Game& game) { return !CheatUnlocksSelectedTopic(game); }

void OpenHelp(Game&) { platform::OpenAddress(HelpAddress()); }

void ToggleSpeechWithSign(Game& game) {
    platform::ToggleSpeech();  // for the run of the program, wherever the player is
    ShowSpeechSign(game, platform::SpeechEnabled());
}

constexpr InputEvent kSpace = InputEvent::Typed(u' ');

// The first row of a screen and key whose condition holds counts; a key or character without a
// row reaches the screen's own handler (the name and answer fields take Return, Backspace and the
// typed characters there).
const KeyBinding kBindings[] = {
    Doing(kEveryScreen, InputEvent::Pressed(Key::F1), OpenHelp),
    Doing(kEveryScreen, InputEvent::Pressed(Key::F2), ToggleSpeechWithSign),

    OnKey(ScreenId::UserName, Key::Escape, key::kAbortButton, Part::Object),

    OnKey(ScreenId::MainMenu, Key::Up, key::kMainMenu, Part::UpArrow),
    OnKey(ScreenId::MainMenu, Key::Down, key::kMainMenu, Part::DownArrow),
    OnKey(ScreenId::MainMenu, Key::Return, key::kMainMenu, Part::SelectedLine),
    OnKey(ScreenId::MainMenu, Key::Escape, key::kMainMenu, Part::Line, LineOf(MenuLine::Exit)),
    OnKey(ScreenId::MainMenu, Key::F3, key::kMainMenu, Part::Line, LineOf(MenuLine::Progress)),

    OnKey(ScreenId::Topics, Key::Up, key::kTopicsList, Part::UpArrow),
    OnKey(ScreenId::Topics, Key::Down, key::kTopicsList, Part::DownArrow),
    OnKey(ScreenId::Topics, Key::Return, key::kTopicsList, Part::SelectedLine, 0, NoCheatUnlock),
    OnKey(ScreenId::Topics, Key::Escape, key::kArrowPrevious, Part::Object),
    OnKey(ScreenId::Topics, Key::Delete, key::kRemoveListButton, Part::Object),
    // A click on the progress caption turns the topic: it stands for every topic, the direction
    // line only where it shows.
    {ScreenId::Topics, InputEvent::Typed(u'\t'), key::kProgressCaption, Part::Object},

    OnKey(ScreenId::Learning, Key::Return, key::kArrowNext, Part::Object),
    OnKey(ScreenId::Learning, Key::Right, key::kArrowNext, Part::Object),
    Doing(ScreenId::Learning, InputEvent::Pressed(Key::Left), ShowPreviousLearningPair),
    Doing(ScreenId::Learning, kSpace, SpeakLearningAnswerAgain),
    OnKey(ScreenId::Learning, Key::Escape, key::kAbortButton, Part::Object),

    OnKey(ScreenId::Test, Key::Escape, key::kAbortButton, Part::Object),

    OnKey(ScreenId::Info, Key::Return, key::kArrowNext, Part::Object),
    OnKey(ScreenId::Info, Key::Escape, key::kArrowNext, Part::Object),

    OnKey(ScreenId::NextLevel, Key::Up, key::kPractiseList, Part::UpArrow),
    OnKey(ScreenId::NextLevel, Key::Down, key::kPractiseList, Part::DownArrow),
    OnKey(ScreenId::NextLevel, Key::Return, key::kPractiseList, Part::SelectedLine, 0,
          PractiseListHasAttention),
    OnKey(ScreenId::NextLevel, Key::Return, key::kArrowNext, Part::Object),
    OnKey(ScreenId::NextLevel, Key::Escape, key::kArrowNext, Part::Object),
    Doing(ScreenId::NextLevel, kSpace, SpeakPractiseSelectionAgain),
    OnKey(ScreenId::GameOver, Key::Up, key::kPractiseList, Part::UpArrow),
    OnKey(ScreenId::GameOver, Key::Down, key::kPractiseList, Part::DownArrow),
    OnKey(ScreenId::GameOver, Key::Return, key::kPractiseList, Part::SelectedLine, 0,
          PractiseListHasAttention),
    OnKey(ScreenId::GameOver, Key::Return, key::kArrowNext, Part::Object),
    OnKey(ScreenId::GameOver, Key::Escape, key::kArrowNext, Part::Object),
    Doing(ScreenId::GameOver, kSpace, SpeakPractiseSelectionAgain),
    OnKey(ScreenId::ReviewResult, Key::Up, key::kPractiseList, Part::UpArrow),
    OnKey(ScreenId::ReviewResult, Key::Down, key::kPractiseList, Part::DownArrow),
    OnKey(ScreenId::ReviewResult, Key::Return, key::kPractiseList, Part::SelectedLine, 0,
          PractiseListHasAttention),
    OnKey(ScreenId::ReviewResult, Key::Return, key::kArrowNext, Part::Object),
    OnKey(ScreenId::ReviewResult, Key::Escape, key::kArrowNext, Part::Object),
    Doing(ScreenId::ReviewResult, kSpace, SpeakPractiseSelectionAgain),

    OnKey(ScreenId::Progress, Key::Up, key::kProgressTopicList, Part::UpArrow),
    OnKey(ScreenId::Progress, Key::Down, key::kProgressTopicList, Part::DownArrow),
    OnKey(ScreenId::Progress, Key::Return, key::kArrowPrevious, Part::Object),  // its only way on
    OnKey(ScreenId::Progress, Key::Escape, key::kArrowPrevious, Part::Object),

    OnKey(ScreenId::HallOfFame, Key::Up, key::kHallOfFameList, Part::UpArrow),
    OnKey(ScreenId::HallOfFame, Key::Down, key::kHallOfFameList, Part::DownArrow),
    OnKey(ScreenId::HallOfFame, Key::Return, key::kAbortButton, Part::Object),  // its only way on
    OnKey(ScreenId::HallOfFame, Key::Escape, key::kAbortButton, Part::Object),

    OnKey(ScreenId::ExitConfirm, Key::Up, key::kExitAnswers, Part::UpArrow),
    OnKey(ScreenId::ExitConfirm, Key::Down, key::kExitAnswers, Part::DownArrow),
    OnKey(ScreenId::ExitConfirm, Key::Return, key::kExitAnswers, Part::SelectedLine),
    OnKey(ScreenId::ExitConfirm, Key::Escape, key::kExitAnswers, Part::Line, LineOf(ExitAnswer::No)),
};

const KeyBinding* FindBinding(Game& game, const InputEvent& trigger) {
    const ScreenId screen = game.app.currentScreen;
    for (const KeyBinding& binding : kBindings) {
        const bool here = binding.screen == screen || binding.screen == kEveryScreen;
        if (here && binding.trigger == trigger && (!binding.when || binding.when(game))) return &binding;
    }
    return nullptr;
}

// What the row's key means on its screen (game/state/InputEvent.h).
KeyMeaning MeaningOf(const KeyBinding& binding) {
    using Act = KeyMeaning::Act;
    switch (binding.part) {
        case Part::Object:
            return {Act::Press, binding.objectKey, 0};
        case Part::UpArrow:
            return {Act::SelectPrevious, binding.objectKey, 0};
        case Part::DownArrow:
            return {Act::SelectNext, binding.objectKey, 0};
        case Part::SelectedLine:
            return {Act::ChooseSelected, binding.objectKey, 0};
        case Part::Line:
            return {Act::ChooseLine, binding.objectKey, binding.line};
        case Part::Action:
            break;
    }
    return {};
}

// Runs the row: its action, or the key with its meaning to the screen, whose buttons and lists
// answer it. Nothing reaches the screen for an object that is not shown, nor for a list's step
// when the list has no such arrow.
void Press(Game& game, const KeyBinding& binding, Key key) {
    if (binding.part == Part::Action) {
        binding.action(game);
        return;
    }
    const GLObject* object = game.scene.FindObject(binding.objectKey);
    if (!object || !object->visible) return;
    if (binding.part != Part::Object) {
        const auto* list = dynamic_cast<const GLObjectTextList*>(object);
        if (!list) return;
        const bool step = binding.part == Part::UpArrow || binding.part == Part::DownArrow;
        const char* arrow = binding.part == Part::UpArrow ? key::kListArrowUp : key::kListArrowDown;
        if (step && !FindObjectIn(list->children, arrow)) return;
    }
    RouteInput(game, InputEvent::Pressed(key, MeaningOf(binding)));
}

bool OverList(const GLObject& list) {
    if (list.hovered) return true;
    return std::any_of(list.children.begin(), list.children.end(),
                       [](const GLObject* arrow) { return arrow->hovered; });
}

// A typed event: its row in the key table, or else the current screen's handler.
void RouteTyped(Game& game, const InputEvent& input) {
    if (const KeyBinding* binding = FindBinding(game, input)) {
        Press(game, *binding, input.key);
        return;
    }
    RouteInput(game, input);
}

}  // namespace

void RouteKey(Game& game, Key key) { RouteTyped(game, InputEvent::Pressed(key)); }

void RouteCharacter(Game& game, char16_t unit) { RouteTyped(game, InputEvent::Typed(unit)); }

void RouteWheel(Game& game, int notches) {
    if (notches == 0) return;
    const Key key = notches > 0 ? Key::Up : Key::Down;
    const KeyBinding* binding = FindBinding(game, InputEvent::Pressed(key));
    if (!binding) return;
    const GLObject* list = game.scene.FindObject(binding->objectKey);
    if (!list || !OverList(*list)) return;
    // A list steps once per click and refuses while it scrolls, so more notches than lines are moot.
    for (int i = 0, n = std::min(std::abs(notches), 30); i < n; ++i) Press(game, *binding, key);
}
