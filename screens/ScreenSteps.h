// Steps the screens share: building a hidden label, entering from the left and leaving to the
// left with a fade, and the texts made from numbers ("%d", "%s: %d", "words: %d of %d"). Objects
// are found through screens/SceneLookup.h; a missing one is skipped, never touched.
#pragma once

#include <string>

class GLObject;
class GLObjectText;
class GLObjectTextList;

// A text in vertex colour (r, g, b) with blending and depth test on and no textured colour; created
// hidden and added to the scene.
GLObjectText* AddHiddenLabel(const std::string& objectKey, const std::u16string& text, double x, double y,
                             double z, double r, double g, double b);

// Shown, flying in from the right (FlyIn()).
void FlyInShown(const std::string& objectKey);
void FlyOutObject(const std::string& objectKey);
// False for a missing object.
bool Hovered(const std::string& objectKey);
// A click on a list's up or down arrow moves its selection by one line (a missing arrow does
// nothing).
void MoveSelectionByHoveredArrow(GLObjectTextList& list);
// A click on a shown line that is not the selected one selects that line (SelectLine(hoveredLine))
// and chooses nothing; only a click on the selected line chooses it.
bool ClickOnUnselectedLine(const GLObjectTextList& list);
// A click that chooses the list's selected line: on that line's own box, not merely somewhere on the
// list (a click beside every line chooses nothing).
bool ClickOnSelectedLine(const GLObjectTextList& list);
// That step for screens with nothing more to do on such a click: true when the click was on a line
// not selected (whether or not the list could move then), which the caller must not choose.
bool SelectClickedLine(GLObjectTextList& list);
// StartMotion(PathEnterFromLeft(), 90), StartFade(FadeInPath(100, base alpha), 90), visible.
void EnterFromLeft(GLObject* object);
void EnterFromLeft(const std::string& objectKey);
// The answer field enters from the left, taking typing (and showing its caret) only when editable.
void EnterAnswerField(bool editable);
// StartMotion(PathLeaveToLeft(period), motionTicks), StartFade(FadeOutPath(fadeLength, base alpha),
// fadeTicks).
void LeaveToLeft(GLObject* object, int period, int motionTicks, int fadeLength, int fadeTicks);
void SetVisible(const std::string& objectKey, bool on);
void SetTextOf(const std::string& objectKey, const std::u16string& text);
// A word of the learning and test screens (a prompt or an answer field): shown whole where it
// fits the window, else smaller, and cut only past half its size (a learner's own card may be long).
void SetWordText(const std::string& objectKey, const std::u16string& text);

std::u16string NumberText(int value);
// "%s: %d"
std::u16string CounterLine(const std::u16string& label, int value);
