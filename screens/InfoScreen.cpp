// The information panel. Its arrow goes on to the screen recorded in infoReturnScreen, or ends
// the program when that is None; a click beside the arrow opens the help page that ships with the
// game, once while the panel stands (a browser per stray click or typed letter helps no one).
// Typed characters do nothing here. Before a learner's own list, or any topic the other way round,
// is learned or tested the panel names the languages as they are asked ("type the German word"),
// drawn at run time in the designed panel's layout; everywhere else it is the designed picture.
#include "screens/InfoScreen.h"

#include <cstdio>
#include <memory>

#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/GlyphFont.h"
#include "engine/TextureTable.h"
#include "engine/TitleCard.h"
#include "formats/LanguageCodes.h"
#include "game/names/EventNames.h"
#include "game/names/ObjectKeys.h"
#include "game/state/AppContext.h"
#include "learning/Learner.h"
#include "learning/OwnTopics.h"
#include "learning/TopicDirection.h"
#include "learning/TopicWords.h"
#include "platform/GameFolder.h"
#include "platform/Platform.h"
#include "screens/SceneLookup.h"
#include "screens/ScreenSteps.h"
#include "unicode/Utf8Utf16.h"

namespace {

// The own lists' panel: one texture slot of the scene's, drawn again only when its texts change.
constexpr char kOwnPanelTexture[] = "own list information panel";

std::u16string LanguageWord(const std::string& code) { return Utf8ToUtf16(EnglishLanguageName(code)); }

std::vector<PanelLine> OwnPanelLines(const SideLanguages& languages, bool ownList) {
    using Style = PanelLine::Style;
    const std::u16string prompt = LanguageWord(languages.prompt), answer = LanguageWord(languages.answer);
    return {
        {u"choosing", Style::Heading},
        {u"the arrows, Up and Down or the wheel"},
        {u"move a list; a click on the highlighted"},
        {u"line or Enter chooses it"},
        {u"learning", Style::Heading},
        {u"each " + (prompt.empty() ? u"word" : prompt + u" word") + u" with its" +
         (answer.empty() ? u"" : u" " + answer)},
        {u"answer: read, then the arrow or Enter"},
        {u"test", Style::Heading},
        {u"type the " + (answer.empty() ? u"answer" : answer + u" word") + u", press Enter"},
        {u"in 15 seconds: 10 points, or 20 with"},
        {u"more than 10 seconds left; 70 % right"},
        {ownList ? u"passes the test of your own list" : u"passes; this way round unlocks nothing"},
        {u"keys", Style::Heading},
        {u"Esc goes back, F2 speech off/on, F3 your"},
        {u"progress; F11 or Alt+Enter: full screen"},
    };
}

// The texture of the panel for the topic about to be learned or tested: an own list's own panel,
// else the designed picture.
int32_t PanelTexture(Game& game) {
    const bool beforeARun =
        game.app.infoReturnScreen == ScreenId::Learning || game.app.infoReturnScreen == ScreenId::Test;
    const GLObjectTextList* topics = FindTextList(game.scene, key::kTopicsList);
    const int row = topics ? topics->selected : -1;
    const OwnTopic* own = beforeARun ? OwnTopicOfRow(game.app, game.learner, row) : nullptr;
    // A designed topic asked the other way round gets a panel of its own too; the designed
    // direction keeps the designed picture.
    const bool reverse =
        beforeARun && ChosenDirection(game.app, game.learner, row) == record::Direction::Reverse;
    if (own == nullptr && !reverse) return game.scene.textures.Find(game.app.infoPicturePath);
    const SideLanguages sides = own ? own->languages : SideLanguages{};
    const std::vector<PanelLine> lines = OwnPanelLines(reverse ? Reversed(sides) : sides, own != nullptr);
    std::u16string texts;
    for (const PanelLine& line : lines) texts += line.text + u"\n";
    const int32_t slot = game.scene.textures.DrawnImage(
        kOwnPanelTexture, texts, [&] { return DrawInfoPanel(lines, glyphfont::FontFile()); });
    return slot >= 0 ? slot : game.scene.textures.Find(game.app.infoPicturePath);
}

// Percent-encodes what a file:// address cannot carry as is (spaces, non-ASCII bytes, '#', ...).
std::string EncodePath(const std::string& path) {
    std::string encoded;
    for (unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            encoded += escape;
        }
    }
    return encoded;
}

// The arrow: the panel leaves for the screen recorded in infoReturnScreen, or the program ends.
void GoOn(Game& game) {
    game.app.transitionLock = true;
    FlyOutObject(game.scene, key::kArrowNext);
    FlyOutObject(game.scene, key::kInfoPanel);
    switch (game.app.infoReturnScreen) {
        case ScreenId::Test:
            PostScreenEvent(game.scene, ScreenEvent::TestAfterInfo, 50);
            break;
        case ScreenId::Learning:
            PostScreenEvent(game.scene, ScreenEvent::LearningAfterInfo, 50);
            break;
        case ScreenId::MainMenu:
            PostScreenEvent(game.scene, ScreenEvent::MainMenuAfterInfo, 50);
            break;
        case ScreenId::None:
            platform::RequestExit(0);  // nothing is saved on this road
            break;
        default:
            break;
    }
}

}  // namespace

std::string HelpAddress() { return "file://" + EncodePath(platform::GameFolder() + "data/help.html"); }

void BuildInfoScreen(Game& game) {
    auto* panel =
        game.scene.Add(std::make_unique<GLObjectPlane>(key::kInfoPanel, 1.0f, 0.0, 0.0, 0.0, 4.0, 0.0, 4.0));
    panel->rotation[0] = 90.0;
    panel->texture = game.scene.textures.Find(game.app.infoPicturePath);
    panel->textured = true;
    panel->depthTest = true;
    panel->blend = true;
    panel->texturedColour = true;
    panel->SetColour(1.0, 1.0, 1.0, 1.0);
    panel->visible = false;
}

void ShowInfoScreen(Game& game) {
    game.app.screens.helpOpened = false;
    if (GLObject* panel = FindSceneObject(game.scene, key::kInfoPanel)) panel->texture = PanelTexture(game);
    for (const char* objectKey : {key::kInfoPanel, key::kArrowNext}) FlyInShown(game.scene, objectKey);
}

void InfoScreenInput(Game& game, const InputEvent& input) {
    // Return and Escape press the arrow.
    if (input.Means(KeyMeaning::Act::Press, key::kArrowNext)) {
        if (!game.app.transitionLock) GoOn(game);
        return;
    }
    if (!input.IsClick()) return;  // typed characters and keys without a row do nothing here
    if (Hovered(game.scene, key::kArrowNext)) {
        // Only a plain click goes on, and only once; any other click on the arrow does nothing.
        if (input.IsPlainClick() && !game.app.transitionLock) GoOn(game);
        return;
    }
    if (game.app.screens.helpOpened) return;
    game.app.screens.helpOpened = true;
    platform::OpenAddress(HelpAddress());
}

void HideInfoScreen(Game& game) {
    for (const char* objectKey : {key::kInfoPanel, key::kArrowNext}) SetVisible(game.scene, objectKey, false);
}
