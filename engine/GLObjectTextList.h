// A selectable, scrollable stack of text lines with up/down arrow models ("arrowup",
// "arrowdown", in `children`). Lines are drawn inside the list's transform; a line's `visible`
// flag is its enabled mark. Selection changes are refused while the list scrolls or moves.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/GLObjectText.h"

namespace key {
// The list's two arrow models, found among its children under these keys.
inline constexpr char kListArrowUp[] = "arrowup";
inline constexpr char kListArrowDown[] = "arrowdown";
}  // namespace key

class GLObjectTextList : public GLObject {
public:
    GLObjectTextList(const std::string& name, int visibleCount, const std::string& upArrowFile,
                     const std::string& downArrowFile, double x, double y, double z);
    ~GLObjectTextList() override;
    void FlyOut() override;
    void FlyIn() override;
    void StepFade() override;
    // Nothing of its own: each line's draw adds its own rectangle.
    bool GeometryBox(const Pose& pose, double box[6]) const override;
    void KeepMirrorPose() override;  // with the lines it draws
    void AppendLook(FrameLook& look) const override;
    void HoverParts(const CursorTest& underCursor) override;
    void ForEachPart(const std::function<void(const GLObject*)>& visit) const override;

    void AddLine(const std::u16string& text, const std::string& name, bool enabled);
    // Adds a line that spans at most maxWidth of the list's units: made smaller, down to minShare
    // of the list's size, then cut (engine/TextFit.h); the arrows keep to the right of the lines
    // as drawn.
    void AddLineWithin(const std::u16string& text, const std::string& name, bool enabled, double maxWidth,
                       double minShare);
    // Empties the list; the lines added next start at its top.
    void ClearLines();
    // Moves the window of shown lines, at once, just far enough that the selected line is in it
    // (FlyIn does, so a list never comes in with its selection out of view).
    void ScrollSelectedIntoView();
    void Select(int index);
    bool SelectNext();
    bool SelectPrevious();
    // Moves the selection straight to a shown line, as a click on it does; refused (false) like
    // the arrows' steps while the list scrolls or moves, and for a line out of range.
    bool SelectLine(int index);
    // Moves the selection while the list is off screen (its last motion may not have ended): the
    // lines restyled at once, nothing refused but a line out of range.
    void SelectOffScreen(int index);
    // The box in the scene's frame in which the cursor hovers shown line `index` (valid index): its
    // drawn text, with a few pixels of grace.
    void LineBox(int index, double box[6]) const;
    // Puts both arrows at x, the up arrow at upY and the down arrow at downY (the scene's frame),
    // for a list its screen lays out: each added line places them again beside the lines.
    void PlaceArrows(double x, double upY, double downY);

    double selectedColour[3] = {0.8, 0.4, 0};
    double selectedDisabledColour[3] = {0.25, 0.25, 0.25};
    double normalColour[3] = {0.7, 0.7, 0.7};
    double disabledColour[3] = {0.2, 0.2, 0.2};
    std::vector<GLObjectText*> lines;  // shown, top first
    double nextLineOffset = 0;
    int selected = 0;
    int hoveredLine = -1;  // the shown line under the cursor, -1 for none (set by the hover pass)
    int visibleCount;
    int firstVisible = 0;
    double scrollStep = 0;
    double scrollAmount = 0;
    bool scrollingUp = false, scrollingDown = false;

protected:
    // The scroll's step, then each line's.
    void StepContent(uint32_t clockMs) override;
    void DrawGeometry(const DrawPass&, const Pose&) const override {}
    void DrawParts(const DrawPass& pass) const override;

private:
    void Restyle();
    void UpdateBounds();
    double SceneCoordinate(const GLObjectText& line, int axis, double value) const;
    // The arrows right of the shown lines, as each added line places them.
    void PlaceArrows();

    // Every line ever added; ClearLines() only empties `lines`, so these keep them alive.
    std::vector<std::unique_ptr<GLObjectText>> ownedLines;
    // The two arrow models (also in `children`, which does not own them).
    std::unique_ptr<GLObject> upArrow, downArrow;
};
