// Input goes to the handler of the current screen; between screens and while loading it is
// dropped. The router never looks at transitionLock: handlers do, where they start a change.
#include "app/InputRouting.h"

#include "app/AppContext.h"
#include "app/ExitConfirm.h"
#include "app/MainMenu.h"
#include "engine/GLObjectText.h"
#include "engine/GLScene.h"
#include "learning/LearningScreen.h"
#include "learning/TestScreen.h"
#include "screens/HallOfFame.h"
#include "screens/InfoScreen.h"
#include "screens/ResultScreens.h"
#include "screens/TopicsScreen.h"
#include "screens/UserNameScreen.h"

namespace {

struct InputHandler {
    ScreenId screen;
    void (*handle)(int code);
};

const InputHandler kHandlers[] = {
    {ScreenId::UserName, UserNameInput},
    {ScreenId::MainMenu, MainMenuInput},
    {ScreenId::Topics, TopicsScreenInput},
    {ScreenId::Test, TestInput},
    {ScreenId::Learning, LearningInput},
    {ScreenId::Info, InfoScreenInput},
    // The result screens decide on hover state alone.
    {ScreenId::NextLevel, [](int) { NextLevelScreenInput(); }},
    {ScreenId::GameOver, [](int) { GameOverScreenInput(); }},
    {ScreenId::HallOfFame, HallOfFameInput},
    {ScreenId::ExitConfirm, ExitConfirmInput},
};

// The working copy of a text is held to this many code units, terminator included.
constexpr size_t kWorkingBufferSize = 1000;

// Set while a click is routed: its key-state flags (5 for a Shift-click, 9 for a Ctrl-click) are
// not characters, whatever code they share with one.
bool routingClick = false;

// C0 controls, Delete and C1 controls: nothing a text field could show.
bool IsControlCharacter(int code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

}  // namespace

void RouteInput(int code) {
    for (const InputHandler& handler : kHandlers) {
        if (handler.screen == app->currentScreen) {
            handler.handle(code);
            return;
        }
    }
}

void RouteClick(int flags) {
    routingClick = true;
    RouteInput(flags);
    routingClick = false;
}

void TypeIntoText(const std::string& objectKey, int code, bool takesTab) {
    if (routingClick) return;
    if (code != 8 && IsControlCharacter(code) && !(code == 9 && takesTab)) return;
    auto* field = dynamic_cast<GLObjectText*>(scene->FindObject(objectKey));
    if (field == nullptr) return;

    std::u16string text = field->GetText();
    if (text.size() > kWorkingBufferSize - 1) text.resize(kWorkingBufferSize - 1);

    if (code == 8) {
        if (text.empty()) return;
        text.pop_back();
    } else {
        // The longest text is also bounded by the working buffer.
        const size_t maxLength = field->lineWidth < 0 ? 0 : static_cast<size_t>(field->lineWidth);
        if (text.size() >= maxLength || text.size() >= kWorkingBufferSize - 1) return;
        text.push_back(static_cast<char16_t>(code));
    }
    field->SetText(text);
}
