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

namespace {

using platform::Key;

// What of the object a key's click is on.
enum class Part {
    Object,        // the object itself (a button, an arrow)
    UpArrow,       // the list's up arrow
    DownArrow,     // the list's down arrow
    SelectedLine,  // the list's selected line: chooses it
    Line,          // a given line of the list: selects it, then chooses it once selected
};

struct KeyBinding {
    ScreenId screen;
    Key key;
    const char* objectKey;
    Part part;
    int line = 0;              // for Part::Line
    bool (*when)() = nullptr;  // the row counts only while this holds (nullptr: always)
};

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

// With the cheat on, Return on the topics screen is its 13, which unlocks the topic.
bool CheatOff() { return !app->cheatMode; }

// Return is also the character 13, which the name and answer fields already take as Enter: those
// screens have no Return row. The first row of a screen and key whose condition holds counts.
const KeyBinding kBindings[] = {
    {ScreenId::UserName, Key::Escape, key::kAbortButton, Part::Object},

    {ScreenId::MainMenu, Key::Up, key::kMainMenu, Part::UpArrow},
    {ScreenId::MainMenu, Key::Down, key::kMainMenu, Part::DownArrow},
    {ScreenId::MainMenu, Key::Return, key::kMainMenu, Part::SelectedLine},
    {ScreenId::MainMenu, Key::Escape, key::kMainMenu, Part::Line, 4},  // "exit": the exit question
    {ScreenId::MainMenu, Key::F3, key::kMainMenu, Part::Line, 6},      // "progress"

    {ScreenId::Topics, Key::Up, key::kTopicsList, Part::UpArrow},
    {ScreenId::Topics, Key::Down, key::kTopicsList, Part::DownArrow},
    {ScreenId::Topics, Key::Return, key::kTopicsList, Part::SelectedLine, 0, CheatOff},
    {ScreenId::Topics, Key::Escape, key::kArrowPrevious, Part::Object},

    {ScreenId::Learning, Key::Return, key::kArrowNext, Part::Object},
    {ScreenId::Learning, Key::Escape, key::kAbortButton, Part::Object},

    {ScreenId::Test, Key::Escape, key::kAbortButton, Part::Object},

    {ScreenId::Info, Key::Return, key::kArrowNext, Part::Object},
    {ScreenId::NextLevel, Key::Up, key::kPractiseList, Part::UpArrow},
    {ScreenId::NextLevel, Key::Down, key::kPractiseList, Part::DownArrow},
    {ScreenId::NextLevel, Key::Return, key::kPractiseList, Part::SelectedLine, 0, PractiseListHasAttention},
    {ScreenId::NextLevel, Key::Return, key::kArrowNext, Part::Object},
    {ScreenId::GameOver, Key::Up, key::kPractiseList, Part::UpArrow},
    {ScreenId::GameOver, Key::Down, key::kPractiseList, Part::DownArrow},
    {ScreenId::GameOver, Key::Return, key::kPractiseList, Part::SelectedLine, 0, PractiseListHasAttention},
    {ScreenId::GameOver, Key::Return, key::kArrowNext, Part::Object},
    {ScreenId::ReviewResult, Key::Up, key::kPractiseList, Part::UpArrow},
    {ScreenId::ReviewResult, Key::Down, key::kPractiseList, Part::DownArrow},
    {ScreenId::ReviewResult, Key::Return, key::kPractiseList, Part::SelectedLine, 0,
     PractiseListHasAttention},
    {ScreenId::ReviewResult, Key::Return, key::kArrowNext, Part::Object},

    {ScreenId::Progress, Key::Return, key::kArrowPrevious, Part::Object},  // its only way on
    {ScreenId::Progress, Key::Escape, key::kArrowPrevious, Part::Object},

    {ScreenId::HallOfFame, Key::Up, key::kHallOfFameList, Part::UpArrow},
    {ScreenId::HallOfFame, Key::Down, key::kHallOfFameList, Part::DownArrow},
    {ScreenId::HallOfFame, Key::Return, key::kAbortButton, Part::Object},  // its only way on
    {ScreenId::HallOfFame, Key::Escape, key::kAbortButton, Part::Object},

    {ScreenId::ExitConfirm, Key::Up, key::kExitAnswers, Part::UpArrow},
    {ScreenId::ExitConfirm, Key::Down, key::kExitAnswers, Part::DownArrow},
    {ScreenId::ExitConfirm, Key::Return, key::kExitAnswers, Part::SelectedLine},
    {ScreenId::ExitConfirm, Key::Escape, key::kExitAnswers, Part::Line, 1},  // "no"
};

const KeyBinding* FindBinding(ScreenId screen, Key key) {
    for (const KeyBinding& binding : kBindings) {
        if (binding.screen == screen && binding.key == key && (!binding.when || binding.when()))
            return &binding;
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
    }
}

bool OverList(const GLObject& list) {
    if (list.hovered) return true;
    return std::any_of(list.children.begin(), list.children.end(),
                       [](const GLObject* arrow) { return arrow->hovered; });
}

}  // namespace

void RouteKey(Key key) {
    if (key == Key::F2) {
        platform::ToggleSpeech();  // for the run of the program, wherever the player is
        return;
    }
    if (!app || !scene) return;
    if (const KeyBinding* binding = FindBinding(app->currentScreen, key)) Press(*binding);
}

void RouteWheel(int notches) {
    if (!app || !scene || notches == 0) return;
    const KeyBinding* binding = FindBinding(app->currentScreen, notches > 0 ? Key::Up : Key::Down);
    if (!binding) return;
    const GLObject* list = scene->FindObject(binding->objectKey);
    if (!list || !OverList(*list)) return;
    // A list steps once per click and refuses while it scrolls, so more notches than lines are moot.
    for (int i = 0, n = std::min(std::abs(notches), 30); i < n; ++i) Press(*binding);
}
