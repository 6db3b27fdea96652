// One line of extruded 3D text in the glyph code (GlyphCodes.h), centred on its position,
// with `bounds` around the drawn text and a caret that blinks while the object is active. A run of
// its letters may be marked: drawn in the mark colour (for a text drawn in vertex colours).
#pragma once

#include <cstdint>
#include <string>

#include "engine/GLObject.h"
#include "formats/GlyphCodes.h"

class GLObjectText : public GLObject {
public:
    GLObjectText(const std::string& name, const std::u16string& text, double x, double y, double z);
    ~GLObjectText() override;
    void SetClicked(bool on) override;
    bool GeometryBox(const Pose& pose, double box[6]) const override;
    void AppendLook(FrameLook& look) const override;

    // Stores the glyph codes of `text`; texts past 999 characters are cut. Clears the mark.
    void SetText(const std::u16string& text);
    // Marks `count` letters from `first` (cut to the text).
    void SetMark(size_t first, size_t count);
    // One code unit per glyph code, sign-extended: 128-255 come back as 0xFF80-0xFFFF; codes past
    // 255 as the letters they stand for.
    std::u16string GetText() const;
    // Sum of the glyph advances (unclamped).
    double TextWidth() const;
    // Recomputes bounds from the position and the clamped width.
    void UpdateBounds();

    int32_t lineWidth = 40;  // longest text TypeIntoText lets through
    // The designed scale, kept by the first SetTextWithin (engine/TextFit.h) that may shrink it; 0: never
    // fitted.
    double fittedScale = 0;
    GlyphCode glyphs[1000] = {};
    uint32_t lastBlink = 0;
    bool caretOn = false;
    bool editable = false;
    size_t markFirst = 0;
    size_t markCount = 0;  // nothing is marked while 0
    double markColour[3] = {0.9, 0.45, 0.0};

protected:
    // Brings the bounds to the position and blinks the caret.
    void StepContent(uint32_t clockMs) override;
    void DrawGeometry(const DrawPass& pass, const Pose& pose) const override;
};
