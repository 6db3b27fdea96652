#include "app/KeyBindings.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/InputRouting.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "game/AppContext.h"
#include "game/ObjectKeys.h"
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

// What of the object a key's click is on, or what the key does that no click does.
enum class Part {
    Object,        // the object itself (a button, an arrow)
    UpArrow,       // the list's up arrow
    DownArrow,     // the list's down arrow
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
    int line = 0;                // for Part::Line
    bool (*when)() = nullptr;    // the row counts only while this holds (nullptr: always)
    void (*action)() = nullptr;  // for Part::Action
};

constexpr KeyBinding OnKey(ScreenId screen, Key key, const char* objectKey, Part part, int line = 0,
                           bool (*when)() = nullptr) {
    return {screen, InputEvent::Pressed(key), objectKey, part, line, when, nullptr};
}

constexpr KeyBinding Doing(ScreenId screen, InputEvent trigger, void (*action)()) {
    return {screen, trigger, nullptr, Part::Action, 0, nullptr, action};
}

// The words to practise have the keyboard's attention once the player moved them with Up, Down or
// the wheel on this showing of the list; until then Return is the screen's arrow, as designed. A
// list refilled for another run has new line objects, so the attention ends with the run.
struct ListAttention {
    ScreenId screen = ScreenId::None;
    const GLObject* firstLine = nullptr;
} attention;

const GLObject* FirstLineOf(const char* listKey) {
    const auto* list = dynamic_cast<const GLObjectTextList*>(scene->FindObject(listKey));
    return list && !list->lines.empty() ? list->lines.front() : nullptr;
}

bool PractiseListHasAttention() {
    // A list saying that no word was missed (a disabled line) has nothing to choose.
    return attention.screen == app->currentScreen && attention.firstLine != nullptr &&
           attention.firstLine == FirstLineOf(key::kPractiseList) && attention.firstLine->visible;
}

// With the cheat on, Return on a locked topic unlocks it (the screen's own handler takes it).
bool NoCheatUnlock() { return !CheatUnlocksSelectedTopic(); }

void OpenHelp() { platform::OpenAddress(HelpAddress()); }

void ToggleSpeechWithSign() {
    platform::ToggleSpeech();  // for the run of the program, wherever the player is
    ShowSpeechSign(platform::SpeechEnabled());
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

const KeyBinding* FindBinding(ScreenId screen, const InputEvent& trigger) {
    for (const KeyBinding& binding : kBindings) {
        const bool here = binding.screen == screen || binding.screen == kEveryScreen;
        if (here && binding.trigger == trigger && (!binding.when || binding.when())) return &binding;
    }
    return nullptr;
}

// Every hover flag the scene holds (objects, their children, lists' hovered lines), so a key's
// click can stand alone and the flags the last hover pass set come back afterwards.
class HoverFlags {
public:
    HoverFlags() { Save(scene->objects); }
    ~HoverFlags() {
        for (const auto& [object, hovered] : objects) object->hovered = hovered;
        for (const auto& [list, line] : lines) list->hoveredLine = line;
    }
    HoverFlags(const HoverFlags&) = delete;
    HoverFlags& operator=(const HoverFlags&) = delete;

private:
    void Save(const std::vector<GLObject*>& list) {
        for (GLObject* object : list) {
            objects.emplace_back(object, object->hovered);
            object->hovered = false;
            if (auto* textList = dynamic_cast<GLObjectTextList*>(object)) {
                lines.emplace_back(textList, textList->hoveredLine);
                textList->hoveredLine = -1;
            }
            Save(object->children);
        }
    }
    std::vector<std::pair<GLObject*, bool>> objects;
    std::vector<std::pair<GLObjectTextList*, int>> lines;
};

// Routes a plain left click with nothing but the given object (or list line) hovered.
void ClickOnly(GLObject* object, int line = -1) {
    const HoverFlags saved;
    object->hovered = true;
    if (line >= 0) static_cast<GLObjectTextList*>(object)->hoveredLine = line;
    RouteClick(1);
}

void Press(const KeyBinding& binding) {
    if (binding.part == Part::Action) {
        binding.action();
        return;
    }
    GLObject* object = scene->FindObject(binding.objectKey);
    if (!object || !object->visible) return;
    auto* list = dynamic_cast<GLObjectTextList*>(object);
    if (list && (binding.part == Part::UpArrow || binding.part == Part::DownArrow))
        attention = ListAttention{binding.screen, FirstLineOf(binding.objectKey)};
    switch (binding.part) {
        case Part::Object:
            ClickOnly(object);
            return;
        case Part::UpArrow:
        case Part::DownArrow:
            if (!list) return;
            if (GLObject* arrow = FindObjectIn(
                    list->children, binding.part == Part::UpArrow ? key::kListArrowUp : key::kListArrowDown))
                ClickOnly(arrow);
            return;
        case Part::SelectedLine:
            if (list) ClickOnly(list, list->selected);
            return;
        case Part::Line:
            if (!list) return;
            // The first click selects the line; only a line that is then selected is chosen, so a
            // list that could not move (while it flies in) chooses nothing.
            if (list->selected != binding.line) ClickOnly(list, binding.line);
            if (list->selected == binding.line && app && scene) ClickOnly(list, binding.line);
            return;
        case Part::Action:
            return;
    }
}

bool OverList(const GLObject& list) {
    if (list.hovered) return true;
    return std::any_of(list.children.begin(), list.children.end(),
                       [](const GLObject* arrow) { return arrow->hovered; });
}

// A typed event: its row in the key table, or else the current screen's handler.
void RouteTyped(const InputEvent& input) {
    if (!app || !scene) return;
    if (const KeyBinding* binding = FindBinding(app->currentScreen, input)) {
        Press(*binding);
        return;
    }
    RouteInput(input);
}

}  // namespace

void RouteKey(Key key) { RouteTyped(InputEvent::Pressed(key)); }

void RouteCharacter(char16_t unit) { RouteTyped(InputEvent::Typed(unit)); }

void RouteWheel(int notches) {
    if (!app || !scene || notches == 0) return;
    const KeyBinding* binding =
        FindBinding(app->currentScreen, InputEvent::Pressed(notches > 0 ? Key::Up : Key::Down));
    if (!binding) return;
    const GLObject* list = scene->FindObject(binding->objectKey);
    if (!list || !OverList(*list)) return;
    // A list steps once per click and refuses while it scrolls, so more notches than lines are moot.
    for (int i = 0, n = std::min(std::abs(notches), 30); i < n; ++i) Press(*binding);
}
