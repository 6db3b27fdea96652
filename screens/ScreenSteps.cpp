#include "screens/ScreenSteps.h"

#include <memory>

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLScene.h"
#include "engine/MotionPath.h"
#include "engine/TextFit.h"
#include "game/names/ObjectKeys.h"
#include "screens/SceneLookup.h"

GLObjectText* AddHiddenLabel(GLScene& scene, const std::string& objectKey, const std::u16string& text,
                             double x, double y, double z, double r, double g, double b) {
    auto* label = scene.Add(std::make_unique<GLObjectText>(objectKey, text, x, y, z));
    label->SetVertexColour(r, g, b, 1);  // colour and base colour (the fade target) alike
    label->blend = true;
    label->depthTest = true;
    label->texturedColour = false;
    label->visible = false;
    return label;
}

void PostScreenEvent(GLScene& scene, ScreenEvent event, int delayTicks) {
    scene.PostEvent(EventName(event), delayTicks);
}

void FlyInShown(GLScene& scene, const std::string& objectKey) {
    if (GLObject* object = FindSceneObject(scene, objectKey)) {
        object->FlyIn();
        object->visible = true;
    }
}

void FlyOutObject(GLScene& scene, const std::string& objectKey) {
    if (GLObject* object = FindSceneObject(scene, objectKey)) object->FlyOut();
}

bool Hovered(GLScene& scene, const std::string& objectKey) {
    const GLObject* object = FindSceneObject(scene, objectKey);
    return object && object->hovered;
}

bool PointsAt(GLScene& scene, const InputEvent& input, const std::string& objectKey) {
    if (input.IsClick()) return Hovered(scene, objectKey);
    return input.Means(KeyMeaning::Act::Press, objectKey);
}

bool Presses(GLScene& scene, const InputEvent& input, const std::string& objectKey) {
    return (input.IsPlainClick() || input.HasMeaning()) && PointsAt(scene, input, objectKey);
}

namespace {

bool ArrowClicked(const GLObjectTextList& list, const InputEvent& input, const char* arrowKey) {
    if (!input.IsClick()) return false;
    const GLObject* arrow = FindChildObject(list, arrowKey);
    return arrow && arrow->hovered;
}

}  // namespace

bool StepsUp(const GLObjectTextList& list, const InputEvent& input) {
    return ArrowClicked(list, input, key::kListArrowUp) ||
           input.Means(KeyMeaning::Act::SelectPrevious, list.name);
}

bool StepsDown(const GLObjectTextList& list, const InputEvent& input) {
    return ArrowClicked(list, input, key::kListArrowDown) ||
           input.Means(KeyMeaning::Act::SelectNext, list.name);
}

void MoveSelectionByArrow(GLObjectTextList& list, const InputEvent& input) {
    if (StepsUp(list, input)) list.SelectPrevious();
    if (StepsDown(list, input)) list.SelectNext();
}

int OtherLinePicked(const GLObjectTextList& list, const InputEvent& input) {
    if (input.IsClick()) {
        const bool other = list.hovered && list.hoveredLine >= 0 && list.hoveredLine != list.selected;
        return other ? list.hoveredLine : -1;
    }
    if (input.Means(KeyMeaning::Act::ChooseLine, list.name) && input.meaning.line != list.selected)
        return input.meaning.line;
    return -1;
}

bool ChoosesSelectedLine(const GLObjectTextList& list, const InputEvent& input) {
    if (input.IsClick()) return list.hovered && list.hoveredLine >= 0 && list.hoveredLine == list.selected;
    if (list.selected < 0) return false;
    return input.Means(KeyMeaning::Act::ChooseSelected, list.name) ||
           (input.Means(KeyMeaning::Act::ChooseLine, list.name) && input.meaning.line == list.selected);
}

bool SelectPickedLine(GLObjectTextList& list, const InputEvent& input) {
    const int line = OtherLinePicked(list, input);
    if (line < 0) return false;
    list.SelectLine(line);
    return input.IsClick() || list.selected != line;
}

void EnterFromLeft(GLObject* object) {
    if (!object) return;
    object->StartMotion(PathEnterFromLeft(), 90);
    object->StartFade(FadeInPath(100, object->baseColour[3]), 90);
    object->visible = true;
}

void EnterFromLeft(GLScene& scene, const std::string& objectKey) {
    EnterFromLeft(FindSceneObject(scene, objectKey));
}

void SetWordText(GLScene& scene, const std::string& objectKey, const std::u16string& text) {
    // Centred a little right of the middle, the words keep clear of the window's edges this much
    // inside; the designed words are far narrower.
    constexpr double kWordRoom = 6.6, kSmallestShare = 0.5;
    if (GLObjectText* word = FindText(scene, objectKey))
        SetTextWithin(*word, text, kWordRoom, kSmallestShare);
}

void EnterAnswerField(GLScene& scene, bool editable) {
    if (GLObjectText* answer = FindText(scene, key::kAnswerText)) {
        answer->editable = editable;
        answer->SetActive(editable);
        EnterFromLeft(answer);
    }
}

void LeaveToLeft(GLObject* object, int period, int motionTicks, int fadeLength, int fadeTicks) {
    if (!object) return;
    object->StartMotion(PathLeaveToLeft(period), motionTicks);
    object->StartFade(FadeOutPath(fadeLength, object->baseColour[3]), fadeTicks);
}

void SetVisible(GLScene& scene, const std::string& objectKey, bool on) {
    if (GLObject* object = FindSceneObject(scene, objectKey)) object->visible = on;
}

void SetTextOf(GLScene& scene, const std::string& objectKey, const std::u16string& text) {
    if (GLObjectText* object = FindText(scene, objectKey)) object->SetText(text);
}

std::u16string NumberText(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string CounterLine(const std::u16string& label, int value) {
    return label + u": " + NumberText(value);
}
