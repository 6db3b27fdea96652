// Steps the screens share: building a hidden label, entering from the left and leaving to the
// left with a fade, and the texts made from numbers ("%d", "%s: %d", "words: %d of %d"). Objects
// are found through screens/SceneLookup.h; a missing one is skipped, never touched.
#pragma once

#include <string>

#include "game/names/EventNames.h"
#include "game/state/InputEvent.h"

class GLObject;
class GLScene;
class GLObjectText;
class GLObjectTextList;

// A text in vertex colour (r, g, b) with blending and depth test on and no textured colour; created
// hidden and added to the scene.
GLObjectText* AddHiddenLabel(GLScene& scene, const std::string& objectKey, const std::u16string& text,
                             double x, double y, double z, double r, double g, double b);

// Posts the event to fall due in delayTicks ticks; the scene's queue carries its name.
void PostScreenEvent(GLScene& scene, ScreenEvent event, int delayTicks);

// Shown, flying in from the right (FlyIn()).
void FlyInShown(GLScene& scene, const std::string& objectKey);
void FlyOutObject(GLScene& scene, const std::string& objectKey);
// False for a missing object.
bool Hovered(GLScene& scene, const std::string& objectKey);

// How buttons and lists answer input: a click on them (the caller says which clicks count), or a
// key whose meaning on the screen names them (game/state/InputEvent.h). A key never looks at the cursor.
//
// The input is on the object: a click while the cursor is over it, or a key pressing it.
bool PointsAt(GLScene& scene, const InputEvent& input, const std::string& objectKey);
// The object is pressed: a plain click on it, or a key pressing it.
bool Presses(GLScene& scene, const InputEvent& input, const std::string& objectKey);
// The input steps the list up (down): a click on its up (down) arrow, or a key stepping it.
bool StepsUp(const GLObjectTextList& list, const InputEvent& input);
bool StepsDown(const GLObjectTextList& list, const InputEvent& input);
// Moves the list's selection by one line for either (a missing arrow does nothing).
void MoveSelectionByArrow(GLObjectTextList& list, const InputEvent& input);
// The line the input picks that is not the selected one: a click on a shown line's own box, or a
// key choosing a line by its place; -1 for none.
int OtherLinePicked(const GLObjectTextList& list, const InputEvent& input);
// The input chooses the list's selected line: a click on that line's own box, not merely somewhere
// on the list (a click beside every line chooses nothing), or a key choosing it.
bool ChoosesSelectedLine(const GLObjectTextList& list, const InputEvent& input);
// Picking another line selects it (SelectLine) and chooses nothing; only the selected line is
// chosen. True when the caller must stop there: a click on a line not selected (whether or not the
// list could move then), or a key whose line could not be selected. A key's line that could be
// selected goes on to be chosen (ChoosesSelectedLine).
bool SelectPickedLine(GLObjectTextList& list, const InputEvent& input);
// StartMotion(PathEnterFromLeft(), 90), StartFade(FadeInPath(100, base alpha), 90), visible.
void EnterFromLeft(GLObject* object);
void EnterFromLeft(GLScene& scene, const std::string& objectKey);
// The answer field enters from the left, taking typing (and showing its caret) only when editable.
void EnterAnswerField(GLScene& scene, bool editable);
// StartMotion(PathLeaveToLeft(period), motionTicks), StartFade(FadeOutPath(fadeLength, base alpha),
// fadeTicks).
void LeaveToLeft(GLObject* object, int period, int motionTicks, int fadeLength, int fadeTicks);
void SetVisible(GLScene& scene, const std::string& objectKey, bool on);
void SetTextOf(GLScene& scene, const std::string& objectKey, const std::u16string& text);
// A word of the learning and test screens (a prompt or an answer field): shown whole where it
// fits the window, else smaller, and cut only past half its size (a learner's own card may be long).
void SetWordText(GLScene& scene, const std::string& objectKey, const std::u16string& text);

std::u16string NumberText(int value);
// "%s: %d"
std::u16string CounterLine(const std::u16string& label, int value);
