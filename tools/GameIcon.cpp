// See GameIcon.h.
#include "GameIcon.h"

// A yellow tile with Spain's red rim and a bold "ñ".
void DrawGameIcon(Canvas& c) {
    cairo_t* cr = c.cr();
    RoundedRect(cr, 2, 2, 60, 60, 12);
    SetRgb(cr, 0xF1BF00);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0xAA151B);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    SetRgb(cr, 0xAA151B);
    TextCentred(cr, "ñ", 32, 47, 44, true);
}
