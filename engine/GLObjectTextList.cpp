// Scrollable text lists: layout of the lines and arrows, selection, the 40-pass scrolls that hand
// the alpha from the line leaving the window to the line entering it, and the list's fly-in/out.
#include "engine/GLObjectTextList.h"

#include <algorithm>

#include "engine/Model.h"
#include "engine/TextFit.h"

namespace {

constexpr double kLineSpacing = 0.4;
constexpr double kScrollStep = 0.01;
constexpr double kAlphaStep = 0.03;
constexpr int kEndlessSpin = 100000;
// The least distance between the two arrows' middles: an arrow is 0.3 long, and a gap shows
// between them (every designed list has its arrows further apart).
constexpr double kArrowSpacing = 0.5;
// How far beside its drawn text a line still counts as clicked: a few pixels at the play size.
constexpr double kLineGrace = 0.03;

// Changes alpha and base alpha by `delta`, each only when the result stays within 0..1.
void NudgeAlpha(GLObject* o, double delta) {
    double a = o->colour[3] + delta;
    if (a >= 0 && a <= 1) o->colour[3] = a;
    double b = o->baseColour[3] + delta;
    if (b >= 0 && b <= 1) o->baseColour[3] = b;
}

void SetAlpha(GLObject* o, double alpha) { o->colour[3] = o->baseColour[3] = alpha; }

std::unique_ptr<GLObject> MakeArrow(const std::string& name, double y, const std::string& file) {
    auto arrow = std::make_unique<MilkshapeModel>(name, 0, y, 0);
    arrow->SetFlatColour(0.5, 0.5, 0.9, 1);
    arrow->Load(file);
    arrow->depthTest = true;
    arrow->blend = true;
    arrow->texturedColour = false;
    arrow->highlight = MakeHighlightBox(key::kButtonHighlight);
    return arrow;
}

}  // namespace

GLObjectTextList::GLObjectTextList(const std::string& name, int visibleCount, const std::string& upArrowFile,
                                   const std::string& downArrowFile, double x, double y, double z)
    : GLObject(name, x, y, z), visibleCount(visibleCount) {
    bounds[0] = bounds[1] = 1000;
    bounds[3] = bounds[4] = -1000;
    upArrow = MakeArrow(key::kListArrowUp, y + 0.4, upArrowFile);
    downArrow = MakeArrow(key::kListArrowDown, y - 0.2, downArrowFile);
    children.push_back(upArrow.get());
    children.push_back(downArrow.get());
}

GLObjectTextList::~GLObjectTextList() = default;

void GLObjectTextList::AddLine(const std::u16string& text, const std::string& name, bool enabled) {
    auto line = std::make_unique<GLObjectText>(name, text, homePosition[0], homePosition[1] - nextLineOffset,
                                               position[2]);
    line->depthTest = true;
    line->blend = true;
    line->texturedColour = false;
    line->visible = enabled;
    line->scale = scale;
    const double* rgb = enabled ? normalColour : disabledColour;
    line->SetVertexColourRgb(rgb[0], rgb[1], rgb[2]);
    lines.push_back(line.get());
    ownedLines.push_back(std::move(line));
    nextLineOffset += kLineSpacing;

    for (size_t i = 0; i < lines.size(); ++i)
        SetAlpha(lines[i], static_cast<int>(i) < visibleCount ? 1.0 : 0.0);
    UpdateBounds();
    PlaceArrows();
}

void GLObjectTextList::AddLineWithin(const std::u16string& text, const std::string& name, bool enabled,
                                     double maxWidth, double minShare) {
    AddLine(text, name, enabled);
    GLObjectText* line = lines.back();
    if (line->TextWidth() * 0.5 * line->scale <= maxWidth) return;
    SetTextWithin(*line, text, maxWidth, minShare);
    line->UpdateBounds();
    UpdateBounds();
    PlaceArrows();
}

// The arrows right of the shown lines, the down arrow at the lowest line's height.
void GLObjectTextList::PlaceArrows() {
    GLObject* up = FindObjectIn(children, key::kListArrowUp);
    GLObject* down = FindObjectIn(children, key::kListArrowDown);
    if (up != nullptr) up->homePosition[0] = up->position[0] = bounds[3] + 0.25;
    if (down != nullptr) {
        down->homePosition[0] = down->position[0] = bounds[3] + 0.25;
        // Below the lowest shown line, yet never into the up arrow (a list of one or two lines set
        // high in the window would stack the two into a star).
        const double lowest = up != nullptr ? up->homePosition[1] - kArrowSpacing : bounds[1];
        down->homePosition[1] = down->position[1] = std::min(bounds[1], lowest);
    }
}

// Where a coordinate of the line's own frame lands in the scene's: lines are placed inside the
// list's frame, so they are shifted by the list's home position and scaled by its scale, and each
// line's extent around its centre is scaled once more by the line's own scale. A fitted line is
// drawn smaller about its middle across, yet keeps its row's height (its scale when first fitted).
// At scale 1 this is the line's bounds shifted by the home position, exactly.
double GLObjectTextList::SceneCoordinate(const GLObjectText& line, int axis, double value) const {
    const double centre = 0.5 * (line.bounds[axis] + line.bounds[axis + 3]);
    const double own = axis == 1 && line.fittedScale > 0 ? line.fittedScale : line.scale;
    return homePosition[axis] + scale * (value * own + centre * (1 - own));
}

// The box around the shown lines, in the scene's frame. Recomputed from scratch so that a list
// refilled after ClearLines() fits its new lines.
void GLObjectTextList::UpdateBounds() {
    bounds[0] = bounds[1] = bounds[2] = 1000;
    bounds[3] = bounds[4] = bounds[5] = -1000;
    size_t shown = std::min(lines.size(), static_cast<size_t>(std::max(visibleCount, 0)));
    for (size_t i = 0; i < shown; ++i) {
        for (int axis = 0; axis < 2; ++axis) {
            bounds[axis] = std::min(bounds[axis], SceneCoordinate(*lines[i], axis, lines[i]->bounds[axis]));
            bounds[axis + 3] =
                std::max(bounds[axis + 3], SceneCoordinate(*lines[i], axis, lines[i]->bounds[axis + 3]));
        }
    }
    bounds[2] = -0.5;
    bounds[5] = 0.5;
}

void GLObjectTextList::PlaceArrows(double x, double upY, double downY) {
    upArrow->homePosition[0] = upArrow->position[0] = x;
    upArrow->homePosition[1] = upArrow->position[1] = upY;
    downArrow->homePosition[0] = downArrow->position[0] = x;
    downArrow->homePosition[1] = downArrow->position[1] = downY;
}

void GLObjectTextList::ClearLines() {
    lines.clear();
    nextLineOffset = 0;
    // New lines are laid out from the top: the window over them starts there.
    firstVisible = 0;
    scrollingUp = scrollingDown = false;
    scrollAmount = 0;
}

void GLObjectTextList::ScrollSelectedIntoView() {
    const int count = static_cast<int>(lines.size());
    if (scrollingUp || scrollingDown || visibleCount <= 0 || selected < 0 || selected >= count) return;
    int first = firstVisible;
    if (selected < first) first = selected;
    if (selected >= first + visibleCount) first = selected - visibleCount + 1;
    if (first == firstVisible) return;
    // Where the scrolls that lead there would leave the lines: a line's spacing per step.
    const double shift = (first - firstVisible) * kLineSpacing;
    for (int i = 0; i < count; ++i) {
        lines[i]->position[1] += shift;
        lines[i]->homePosition[1] += shift;
        SetAlpha(lines[i], i >= first && i < first + visibleCount ? 1.0 : 0.0);
    }
    firstVisible = first;
}

void GLObjectTextList::Select(int index) {
    if (index < 0 || index >= static_cast<int>(lines.size())) return;
    selected = index;
    lines[index]->SetVertexColourRgb(selectedColour[0], selectedColour[1], selectedColour[2]);
    lines[index]->StartSpin(kEndlessSpin, 1, 0, 0);
}

void GLObjectTextList::Restyle() {
    for (size_t i = 0; i < lines.size(); ++i) {
        GLObjectText* line = lines[i];
        const bool enabled = line->visible;
        const double* rgb;
        if (static_cast<int>(i) == selected) {
            line->StartSpin(kEndlessSpin, 1, 0, 0);
            rgb = enabled ? selectedColour : selectedDisabledColour;
        } else {
            line->StartSpin(kEndlessSpin, 0, 0, 0);
            for (int axis = 0; axis < 3; ++axis) line->rotation[axis] = line->orbitRotation[axis] = 0;
            rgb = enabled ? normalColour : disabledColour;
        }
        line->SetVertexColourRgb(rgb[0], rgb[1], rgb[2]);
    }
}

bool GLObjectTextList::SelectLine(int index) {
    if (scrollingDown || scrollingUp || motionPath) return false;
    if (index < 0 || index >= static_cast<int>(lines.size())) return false;
    selected = index;
    Restyle();
    return true;
}

void GLObjectTextList::SelectOffScreen(int index) {
    if (index < 0 || index >= static_cast<int>(lines.size())) return;
    selected = index;
    Restyle();
}

// A line's box: across, its drawn text (centred as it is drawn) with a little grace; up and down,
// its share of the spacing so that neighbouring lines never both count.
void GLObjectTextList::LineBox(int index, double box[6]) const {
    const GLObjectText& line = *lines[index];
    const double middle = homePosition[1] + scale * (0.5 * (line.bounds[1] + line.bounds[4]));
    const double centre = homePosition[0] + scale * (0.5 * (line.bounds[0] + line.bounds[3]));
    const double halfWidth = scale * line.scale * 0.25 * line.TextWidth() + kLineGrace;
    box[0] = centre - halfWidth;
    box[1] = middle - scale * 0.5 * kLineSpacing;
    box[2] = bounds[2];
    box[3] = centre + halfWidth;
    box[4] = middle + scale * 0.5 * kLineSpacing;
    box[5] = bounds[5];
}

void GLObjectTextList::HoverParts(const CursorTest& underCursor) {
    hoveredLine = -1;
    if (!hovered) return;
    const int end = std::min(static_cast<int>(lines.size()), firstVisible + std::max(visibleCount, 0));
    for (int i = std::max(firstVisible, 0); i < end; ++i) {
        double box[6];
        LineBox(i, box);
        if (underCursor(box)) {
            hoveredLine = i;
            return;
        }
    }
}

bool GLObjectTextList::SelectNext() {
    if (scrollingDown || scrollingUp || motionPath) return false;
    const int count = static_cast<int>(lines.size());
    if (selected > 0 && selected < count - 2 && firstVisible + visibleCount < count) {
        scrollingDown = true;
        scrollAmount = 0;
    }
    if (selected >= count - 1) return true;
    ++selected;
    Restyle();
    return true;
}

bool GLObjectTextList::SelectPrevious() {
    if (scrollingDown || scrollingUp || motionPath) return false;
    const int count = static_cast<int>(lines.size());
    if (selected > 1 && selected < count - 1 && firstVisible > 0) {
        scrollingUp = true;
        scrollAmount = 1;
    }
    if (selected <= 0) return true;
    --selected;
    Restyle();
    return true;
}

void GLObjectTextList::KeepMirrorPose() {
    GLObject::KeepMirrorPose();
    for (GLObjectText* line : lines) line->KeepMirrorPose();
}

bool GLObjectTextList::GeometryBox(const Pose&, double box[6]) const {
    MakeEmptyBox(box);
    return true;
}

void GLObjectTextList::StepContent(uint32_t clockMs) {
    const int count = static_cast<int>(lines.size());
    auto lineAt = [&](int i) -> GLObjectText* { return i >= 0 && i < count ? lines[i] : nullptr; };
    if (scrollingDown) {
        scrollStep = kScrollStep;
        scrollAmount += kScrollStep;
        if (GLObjectText* leaving = lineAt(firstVisible)) NudgeAlpha(leaving, -kAlphaStep);
        if (GLObjectText* entering = lineAt(firstVisible + visibleCount)) NudgeAlpha(entering, kAlphaStep);
        for (GLObjectText* line : lines) {
            line->position[1] += kScrollStep;
            line->homePosition[1] += kScrollStep;
            line->Step(clockMs);
        }
        if (scrollAmount > 0.4) {
            if (GLObjectText* leaving = lineAt(firstVisible)) SetAlpha(leaving, 0);
            if (GLObjectText* entering = lineAt(firstVisible + visibleCount)) SetAlpha(entering, 1);
            ++firstVisible;
            scrollAmount = 0;
            scrollingDown = false;
        }
    } else if (scrollingUp) {
        scrollAmount -= kScrollStep;
        if (GLObjectText* entering = lineAt(firstVisible - 1)) NudgeAlpha(entering, kAlphaStep);
        if (GLObjectText* leaving = lineAt(firstVisible + visibleCount - 1)) NudgeAlpha(leaving, -kAlphaStep);
        for (GLObjectText* line : lines) {
            line->position[1] -= kScrollStep;
            line->homePosition[1] -= kScrollStep;
            line->Step(clockMs);
        }
        if (scrollAmount < 0.6) {
            if (GLObjectText* entering = lineAt(firstVisible - 1)) SetAlpha(entering, 1);
            if (GLObjectText* leaving = lineAt(firstVisible + visibleCount - 1)) SetAlpha(leaving, 0);
            --firstVisible;
            scrollAmount = 0;
            scrollingUp = false;
        }
    } else {
        for (GLObjectText* line : lines) line->Step(clockMs);
    }
}

void GLObjectTextList::DrawParts(const DrawPass& pass) const {
    for (const GLObjectText* line : lines) line->Draw(pass);
}

void GLObjectTextList::AppendLook(FrameLook& look) const {
    GLObject::AppendLook(look);
    const size_t count = lines.size();
    look.Add(count);
    for (const GLObjectText* line : lines) {
        look.BeginPart();
        line->AppendLook(look);
        look.EndPart();
    }
}

void GLObjectTextList::ForEachPart(const std::function<void(const GLObject*)>& visit) const {
    GLObject::ForEachPart(visit);
    for (const GLObjectText* line : lines) visit(line);
}

void GLObjectTextList::FlyOut() {
    StartMotion(PathLeaveToRight(), 190);
    for (GLObjectText* line : lines) line->StartFade(FadeOutPath(60, line->baseColour[3]), 59);
    upArrow->StartFade(FadeOutPath(60, upArrow->baseColour[3]), 59);
    downArrow->StartFade(FadeOutPath(60, downArrow->baseColour[3]), 59);
}

void GLObjectTextList::FlyIn() {
    ScrollSelectedIntoView();
    StartMotion(PathEnterFromRight(), 190);
    for (GLObjectText* line : lines) line->StartFade(FadeInPath(100, line->baseColour[3]), 99);
    upArrow->StartFade(FadeInPath(100, upArrow->baseColour[3]), 99);
    downArrow->StartFade(FadeInPath(100, downArrow->baseColour[3]), 99);
}

// Lines and arrows also step their fades in their own Step(), so they fade at double speed.
void GLObjectTextList::StepFade() {
    GLObject::StepFade();
    upArrow->StepFade();
    downArrow->StepFade();
    for (GLObjectText* line : lines) line->StepFade();
}
