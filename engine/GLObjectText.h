// One line of extruded 3D text in the glyph code (GlyphCodes.h), centred on its position,
// with `bounds` around the drawn text and a caret that blinks while the object is active.
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

    // Stores the glyph codes of `text`; texts past 999 characters are cut.
    void SetText(const std::u16string& text);
    // One code unit per glyph code, sign-extended: 128-255 come back as 0xFF80-0xFFFF; codes past
    // 255 as the letters they stand for.
    std::u16string GetText() const;
    // Sum of the glyph advances (unclamped).
    double TextWidth() const;
    // Recomputes bounds from the position and the clamped width.
    void UpdateBounds();

    int32_t lineWidth = 40;  // longest text TypeIntoText lets through
    GlyphCode glyphs[1000] = {};
    uint32_t lastBlink = 0;
    bool caretOn = false;
    bool editable = false;

protected:
    // Brings the bounds to the position and blinks the caret.
    void StepContent(uint32_t clockMs) override;
    void DrawGeometry(const DrawPass& pass, const Pose& pose) const override;
};
