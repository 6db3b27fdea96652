// Topic illustrations drawn with plain Cairo shapes (see TopicPictures.h).
#include "TopicPictures.h"

#include <cmath>

const char* const kTopicTitles[kTopicCount] = {
    "constructions",        "human body 1", "time",        "food and drink 1", "places 1",   "house 1",
    "fruits and vegatales", "travel",       "utilities 1", "nature 1",         "clothing 1", "look",
};

namespace {

const unsigned kInk = 0x2B2B2B;

void Background(cairo_t* cr, unsigned top, unsigned bottom) { PaintVerticalGradient(cr, 500, top, bottom); }

// The illustrations are drawn for 400 x 392 and shrunk so that they and the banner under them stay
// above the lock sign's band.
constexpr double kBannerHeight = 80, kBannerTop = kLockSignBandTop - 8 - kBannerHeight;
constexpr double kArtScale = kBannerTop / 392;

void TitleBanner(cairo_t* cr, const char* title) {
    RoundedRect(cr, 16, kBannerTop, 368, kBannerHeight, 20);
    SetRgba(cr, 0xFFFFFF, 0.88);
    cairo_fill_preserve(cr);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // Shrink long titles so they fit the banner.
    double size = 46;
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_text_extents_t e;
    for (;; size -= 2) {
        cairo_set_font_size(cr, size);
        cairo_text_extents(cr, title, &e);
        if (e.x_advance <= 340 && e.height <= kBannerHeight - 24) break;
    }
    SetRgb(cr, 0x1F4F9F);
    TextCentred(cr, title, 200, kBannerTop + kBannerHeight / 2 + size * 0.36, size, true);
}

void Bubble(cairo_t* cr, double x, double y, double w, double h, bool tailLeft, unsigned colour,
            const char* text) {
    RoundedRect(cr, x, y, w, h, 22);
    const double tx = tailLeft ? x + 40 : x + w - 40;
    cairo_move_to(cr, tx - 14, y + h - 2);
    cairo_line_to(cr, tx + (tailLeft ? -24 : 24), y + h + 34);
    cairo_line_to(cr, tx + 14, y + h - 2);
    FillStroke(cr, 0xFFFFFF, colour, 5);
    SetRgb(cr, colour);
    TextCentred(cr, text, x + w / 2, y + h / 2 + 12, 34, true);
}

void Constructions(cairo_t* cr) {
    Background(cr, 0xFCE9C8, 0xF3C98B);
    Bubble(cr, 30, 30, 250, 80, true, 0xAA151B, "¿qué tal?");
    Bubble(cr, 120, 150, 250, 80, false, 0x1F4F9F, "me gusta...");
    Bubble(cr, 30, 270, 250, 80, true, 0x2E7D32, "tengo que...");
}

void HumanBody(cairo_t* cr) {
    Background(cr, 0xDFF1FB, 0xA9D3EE);
    const unsigned skin = 0xF2C09A, line = 0x8A5A3C;
    cairo_set_line_width(cr, 34);
    SetRgb(cr, skin);
    cairo_move_to(cr, 150, 150);  // arms
    cairo_line_to(cr, 95, 250);
    cairo_move_to(cr, 250, 150);
    cairo_line_to(cr, 305, 250);
    cairo_move_to(cr, 175, 250);  // legs
    cairo_line_to(cr, 160, 370);
    cairo_move_to(cr, 225, 250);
    cairo_line_to(cr, 240, 370);
    cairo_stroke(cr);
    RoundedRect(cr, 140, 125, 120, 145, 40);
    FillStroke(cr, skin, line, 4);
    Ellipse(cr, 200, 78, 48, 54);
    FillStroke(cr, skin, line, 4);
    SetRgb(cr, kInk);
    Ellipse(cr, 183, 72, 5, 6);
    Ellipse(cr, 217, 72, 5, 6);
    cairo_fill(cr);
    cairo_arc(cr, 200, 90, 16, 0.2 * M_PI, 0.8 * M_PI);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // Heart on the chest.
    SetRgb(cr, 0xD32F2F);
    cairo_move_to(cr, 222, 205);
    cairo_curve_to(cr, 200, 188, 206, 168, 222, 176);
    cairo_curve_to(cr, 238, 168, 244, 188, 222, 205);
    cairo_fill(cr);
}

void Time(cairo_t* cr) {
    Background(cr, 0xEDE7F6, 0xB39DDB);
    const double cx = 200, cy = 190, r = 150;
    Ellipse(cr, cx, cy, r, r);
    FillStroke(cr, 0xFFFFFF, 0x4527A0, 14);
    SetRgb(cr, kInk);
    for (int i = 0; i < 60; ++i) {
        const double a = i * M_PI / 30, inner = i % 5 ? r - 20 : r - 34;
        cairo_move_to(cr, cx + inner * std::sin(a), cy - inner * std::cos(a));
        cairo_line_to(cr, cx + (r - 12) * std::sin(a), cy - (r - 12) * std::cos(a));
        cairo_set_line_width(cr, i % 5 ? 2 : 6);
        cairo_stroke(cr);
    }
    TextCentred(cr, "12", cx, cy - r + 70, 30, true);
    TextCentred(cr, "6", cx, cy + r - 45, 30, true);
    TextCentred(cr, "3", cx + r - 60, cy + 11, 30, true);
    TextCentred(cr, "9", cx - r + 60, cy + 11, 30, true);
    // Ten past ten.
    cairo_set_line_width(cr, 12);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 70 * std::sin(-M_PI / 3 - 0.09), cy - 70 * std::cos(-M_PI / 3 - 0.09));
    cairo_stroke(cr);
    cairo_set_line_width(cr, 7);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 110 * std::sin(M_PI / 3), cy - 110 * std::cos(M_PI / 3));
    cairo_stroke(cr);
    SetRgb(cr, 0xD32F2F);
    Ellipse(cr, cx, cy, 10, 10);
    cairo_fill(cr);
}

void FoodAndDrink(cairo_t* cr) {
    Background(cr, 0xFFF3E0, 0xFFCC80);
    // Table cloth stripes.
    SetRgba(cr, 0xD32F2F, 0.25);
    for (double y = 20; y < 390; y += 60) cairo_rectangle(cr, 0, y, 400, 24);
    cairo_fill(cr);
    Ellipse(cr, 185, 230, 115, 115);
    FillStroke(cr, 0xFFFFFF, 0x9E9E9E, 4);
    Ellipse(cr, 185, 230, 80, 80);
    SetRgb(cr, 0xBDBDBD);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Fried egg.
    cairo_move_to(cr, 130, 220);
    cairo_curve_to(cr, 120, 170, 200, 160, 230, 190);
    cairo_curve_to(cr, 260, 220, 250, 290, 190, 280);
    cairo_curve_to(cr, 140, 280, 135, 250, 130, 220);
    FillStroke(cr, 0xFFFDF5, 0xE0E0E0, 2);
    Ellipse(cr, 190, 225, 26, 26);
    FillStroke(cr, 0xFFB300, 0xF57C00, 3);
    // Fork on the left, knife on the right.
    SetRgb(cr, 0x757575);
    cairo_set_line_width(cr, 10);
    cairo_move_to(cr, 40, 200);
    cairo_line_to(cr, 40, 360);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 5);
    for (double x : {28.0, 40.0, 52.0}) {
        cairo_move_to(cr, x, 130);
        cairo_line_to(cr, x, 195);
    }
    cairo_stroke(cr);
    RoundedRect(cr, 24, 185, 32, 22, 8);
    cairo_fill(cr);
    // A glass of orange juice.
    cairo_move_to(cr, 300, 40);
    cairo_line_to(cr, 380, 40);
    cairo_line_to(cr, 368, 150);
    cairo_line_to(cr, 312, 150);
    cairo_close_path(cr);
    FillStroke(cr, 0xE3F2FD, 0x607D8B, 4);
    cairo_move_to(cr, 304, 75);
    cairo_line_to(cr, 376, 75);
    cairo_line_to(cr, 367, 146);
    cairo_line_to(cr, 313, 146);
    cairo_close_path(cr);
    SetRgb(cr, 0xFF9800);
    cairo_fill(cr);
}

void Building(cairo_t* cr, double x, double top, double w, unsigned colour) {
    cairo_rectangle(cr, x, top, w, 380 - top);
    FillStroke(cr, colour, kInk, 3);
    SetRgb(cr, 0xFFF59D);
    for (double y = top + 16; y < 350; y += 34) {
        for (double wx = x + 10; wx + 16 < x + w; wx += 26) cairo_rectangle(cr, wx, y, 16, 20);
    }
    cairo_fill(cr);
}

void Places(cairo_t* cr) {
    Background(cr, 0xB3E5FC, 0xE1F5FE);
    Building(cr, 20, 170, 80, 0x90A4AE);
    Building(cr, 110, 90, 90, 0x5C6BC0);
    Building(cr, 290, 150, 90, 0xA1887F);
    // A church with a tower between the blocks.
    cairo_rectangle(cr, 205, 230, 80, 150);
    FillStroke(cr, 0xFFE0B2, kInk, 3);
    cairo_move_to(cr, 200, 232);
    cairo_line_to(cr, 245, 170);
    cairo_line_to(cr, 290, 232);
    cairo_close_path(cr);
    FillStroke(cr, 0xC62828, kInk, 3);
    SetRgb(cr, kInk);
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, 245, 170);
    cairo_line_to(cr, 245, 135);
    cairo_move_to(cr, 233, 148);
    cairo_line_to(cr, 257, 148);
    cairo_stroke(cr);
    cairo_move_to(cr, 232, 380);
    cairo_arc(cr, 245, 330, 13, M_PI, 2 * M_PI);
    cairo_line_to(cr, 258, 380);
    cairo_close_path(cr);
    SetRgb(cr, 0x6D4C41);
    cairo_fill(cr);
    // Map pin above the town.
    cairo_move_to(cr, 330, 120);
    cairo_curve_to(cr, 300, 80, 300, 40, 330, 30);
    cairo_curve_to(cr, 360, 40, 360, 80, 330, 120);
    Ellipse(cr, 330, 58, 28, 28);
    SetRgb(cr, 0xE53935);
    cairo_fill(cr);
    SetRgb(cr, 0xFFFFFF);
    Ellipse(cr, 330, 58, 11, 11);
    cairo_fill(cr);
}

void House(cairo_t* cr) {
    Background(cr, 0x81D4FA, 0xC5E1A5);
    SetRgb(cr, 0x7CB342);
    cairo_rectangle(cr, 0, 330, 400, 60);
    cairo_fill(cr);
    cairo_rectangle(cr, 270, 60, 34, 80);  // chimney
    FillStroke(cr, 0x8D6E63, kInk, 3);
    cairo_rectangle(cr, 70, 170, 260, 170);
    FillStroke(cr, 0xFFE082, kInk, 4);
    cairo_move_to(cr, 40, 175);
    cairo_line_to(cr, 200, 50);
    cairo_line_to(cr, 360, 175);
    cairo_close_path(cr);
    FillStroke(cr, 0xC62828, kInk, 4);
    RoundedRect(cr, 170, 240, 60, 100, 6);  // door
    FillStroke(cr, 0x6D4C41, kInk, 3);
    SetRgb(cr, 0xFFD54F);
    Ellipse(cr, 218, 292, 5, 5);
    cairo_fill(cr);
    for (double x : {95.0, 255.0}) {
        cairo_rectangle(cr, x, 205, 52, 52);
        FillStroke(cr, 0xB3E5FC, kInk, 3);
        SetRgb(cr, kInk);
        cairo_move_to(cr, x + 26, 205);
        cairo_line_to(cr, x + 26, 257);
        cairo_move_to(cr, x, 231);
        cairo_line_to(cr, x + 52, 231);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void FruitsAndVegetables(cairo_t* cr) {
    Background(cr, 0xF1F8E9, 0xC5E1A5);
    // Apple.
    Ellipse(cr, 110, 120, 75, 70);
    FillStroke(cr, 0xE53935, 0x8E1B1B, 3);
    SetRgb(cr, 0x5D4037);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 110, 55);
    cairo_line_to(cr, 116, 30);
    cairo_stroke(cr);
    Ellipse(cr, 140, 38, 22, 10);
    FillStroke(cr, 0x43A047, 0x1B5E20, 2);
    // Carrot.
    cairo_move_to(cr, 255, 60);
    cairo_line_to(cr, 335, 60);
    cairo_line_to(cr, 295, 250);
    cairo_close_path(cr);
    FillStroke(cr, 0xFB8C00, 0xBF5B00, 3);
    SetRgb(cr, 0x43A047);
    for (double dx : {-22.0, 0.0, 22.0}) {
        Ellipse(cr, 295 + dx, 38, 10, 26);
        cairo_fill(cr);
    }
    // Banana.
    cairo_move_to(cr, 40, 250);
    cairo_curve_to(cr, 80, 360, 220, 370, 270, 280);
    cairo_curve_to(cr, 220, 330, 110, 320, 60, 240);
    cairo_close_path(cr);
    FillStroke(cr, 0xFDD835, 0xA67C00, 3);
    // Grapes.
    SetRgb(cr, 0x6A1B9A);
    for (int row = 0; row < 4; ++row) {
        for (int i = 0; i <= 3 - row; ++i) {
            Ellipse(cr, 300 + (i - (3 - row) / 2.0) * 26, 280 + row * 24, 14, 14);
            cairo_fill_preserve(cr);
            SetRgb(cr, 0x4A148C);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            SetRgb(cr, 0x8E24AA);
        }
    }
}

void Travel(cairo_t* cr) {
    Background(cr, 0x4FC3F7, 0xE1F5FE);
    SetRgb(cr, 0xFFFFFF);
    Ellipse(cr, 90, 80, 60, 24);
    Ellipse(cr, 130, 66, 40, 24);
    Ellipse(cr, 320, 300, 50, 20);
    cairo_fill(cr);
    // Aeroplane seen from above, flying up and to the right.
    cairo_save(cr);
    cairo_translate(cr, 210, 160);
    cairo_rotate(cr, -M_PI / 4);
    const unsigned body = 0xECEFF1, line = 0x37474F;
    cairo_move_to(cr, -20, -10);  // wings
    cairo_line_to(cr, -40, -120);
    cairo_line_to(cr, 10, -120);
    cairo_line_to(cr, 40, -10);
    cairo_line_to(cr, 40, 10);
    cairo_line_to(cr, 10, 120);
    cairo_line_to(cr, -40, 120);
    cairo_line_to(cr, -20, 10);
    cairo_close_path(cr);
    FillStroke(cr, 0x90A4AE, line, 3);
    cairo_move_to(cr, -115, 0);  // tail
    cairo_line_to(cr, -135, -45);
    cairo_line_to(cr, -110, -45);
    cairo_line_to(cr, -85, 0);
    cairo_line_to(cr, -110, 45);
    cairo_line_to(cr, -135, 45);
    cairo_close_path(cr);
    FillStroke(cr, 0x90A4AE, line, 3);
    Ellipse(cr, 0, 0, 135, 20);
    FillStroke(cr, body, line, 3);
    SetRgb(cr, 0x1F4F9F);
    Ellipse(cr, 110, 0, 12, 10);
    cairo_fill(cr);
    cairo_restore(cr);
    // Suitcase.
    RoundedRect(cr, 160, 280, 50, 30, 8);
    SetRgb(cr, 0x4E342E);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    RoundedRect(cr, 110, 300, 150, 85, 12);
    FillStroke(cr, 0xAA151B, 0x4E342E, 4);
    SetRgb(cr, 0xF1BF00);
    cairo_rectangle(cr, 140, 300, 14, 85);
    cairo_rectangle(cr, 216, 300, 14, 85);
    cairo_fill(cr);
}

void Utilities(cairo_t* cr) {
    Background(cr, 0xECEFF1, 0xB0BEC5);
    // Hammer, leaning left.
    cairo_save(cr);
    cairo_translate(cr, 200, 200);
    cairo_rotate(cr, -M_PI / 5);
    RoundedRect(cr, -14, -90, 28, 250, 10);
    FillStroke(cr, 0xA1887F, 0x5D4037, 3);
    cairo_move_to(cr, -80, -140);
    cairo_line_to(cr, 60, -140);
    cairo_line_to(cr, 60, -90);
    cairo_line_to(cr, -80, -90);
    cairo_line_to(cr, -95, -115);
    cairo_close_path(cr);
    FillStroke(cr, 0x607D8B, 0x263238, 3);
    cairo_restore(cr);
    // Spanner, leaning right.
    cairo_save(cr);
    cairo_translate(cr, 200, 200);
    cairo_rotate(cr, M_PI / 5);
    RoundedRect(cr, -13, -100, 26, 240, 12);
    Ellipse(cr, 0, -130, 42, 42);
    FillStroke(cr, 0x9E9E9E, 0x424242, 3);
    cairo_rectangle(cr, -14, -180, 28, 55);
    SetRgb(cr, 0xB0BEC5);
    cairo_fill(cr);
    Ellipse(cr, 0, 145, 14, 14);
    SetRgb(cr, 0x757575);
    cairo_fill(cr);
    cairo_restore(cr);
    // A light bulb beside them.
    Ellipse(cr, 345, 195, 32, 34);
    FillStroke(cr, 0xFFEE58, 0xF9A825, 4);
    cairo_rectangle(cr, 333, 226, 24, 20);
    FillStroke(cr, 0x9E9E9E, 0x616161, 3);
}

void Nature(cairo_t* cr) {
    Background(cr, 0x81D4FA, 0xE1F5FE);
    SetRgb(cr, 0xFDD835);
    Ellipse(cr, 320, 70, 40, 40);
    cairo_fill(cr);
    // Mountains with snow caps.
    cairo_move_to(cr, -20, 320);
    cairo_line_to(cr, 120, 90);
    cairo_line_to(cr, 260, 320);
    cairo_close_path(cr);
    FillStroke(cr, 0x78909C, 0x455A64, 3);
    cairo_move_to(cr, 150, 320);
    cairo_line_to(cr, 270, 140);
    cairo_line_to(cr, 420, 320);
    cairo_close_path(cr);
    FillStroke(cr, 0x90A4AE, 0x455A64, 3);
    SetRgb(cr, 0xFFFFFF);
    cairo_move_to(cr, 120, 90);
    cairo_line_to(cr, 152, 143);
    cairo_line_to(cr, 132, 133);
    cairo_line_to(cr, 115, 148);
    cairo_line_to(cr, 100, 133);
    cairo_line_to(cr, 88, 143);
    cairo_close_path(cr);
    cairo_move_to(cr, 270, 140);
    cairo_line_to(cr, 300, 185);
    cairo_line_to(cr, 280, 177);
    cairo_line_to(cr, 262, 190);
    cairo_line_to(cr, 242, 182);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Meadow, river and a tree.
    SetRgb(cr, 0x66BB6A);
    cairo_rectangle(cr, 0, 300, 400, 100);
    cairo_fill(cr);
    cairo_move_to(cr, 170, 300);
    cairo_curve_to(cr, 120, 340, 260, 350, 180, 400);
    cairo_line_to(cr, 260, 400);
    cairo_curve_to(cr, 320, 350, 180, 340, 200, 300);
    cairo_close_path(cr);
    SetRgb(cr, 0x29B6F6);
    cairo_fill(cr);
    cairo_rectangle(cr, 322, 280, 18, 70);
    SetRgb(cr, 0x6D4C41);
    cairo_fill(cr);
    SetRgb(cr, 0x2E7D32);
    Ellipse(cr, 331, 250, 45, 50);
    cairo_fill(cr);
    Ellipse(cr, 60, 330, 28, 28);
    cairo_fill(cr);
}

void Clothing(cairo_t* cr) {
    Background(cr, 0xFCE4EC, 0xF8BBD0);
    // Clothes line.
    SetRgb(cr, 0x6D4C41);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, 0, 40);
    cairo_curve_to(cr, 130, 60, 270, 60, 400, 40);
    cairo_stroke(cr);
    // T-shirt.
    cairo_move_to(cr, 70, 60);
    cairo_line_to(cr, 20, 90);
    cairo_line_to(cr, 40, 140);
    cairo_line_to(cr, 65, 128);
    cairo_line_to(cr, 65, 250);
    cairo_line_to(cr, 175, 250);
    cairo_line_to(cr, 175, 128);
    cairo_line_to(cr, 200, 140);
    cairo_line_to(cr, 220, 90);
    cairo_line_to(cr, 170, 60);
    cairo_curve_to(cr, 150, 85, 90, 85, 70, 60);
    cairo_close_path(cr);
    FillStroke(cr, 0x1E88E5, 0x0D47A1, 4);
    // Trousers.
    cairo_move_to(cr, 245, 62);
    cairo_line_to(cr, 355, 62);
    cairo_line_to(cr, 370, 330);
    cairo_line_to(cr, 315, 330);
    cairo_line_to(cr, 300, 140);
    cairo_line_to(cr, 285, 330);
    cairo_line_to(cr, 230, 330);
    cairo_close_path(cr);
    FillStroke(cr, 0x5D4037, 0x3E2723, 4);
    // Sock and hat.
    cairo_move_to(cr, 60, 280);
    cairo_line_to(cr, 100, 280);
    cairo_line_to(cr, 100, 345);
    cairo_line_to(cr, 145, 345);
    cairo_curve_to(cr, 165, 350, 160, 380, 140, 380);
    cairo_line_to(cr, 75, 380);
    cairo_curve_to(cr, 60, 380, 60, 360, 60, 350);
    cairo_close_path(cr);
    FillStroke(cr, 0xE53935, 0x8E1B1B, 3);
    Ellipse(cr, 200, 365, 40, 12);
    FillStroke(cr, 0x43A047, 0x1B5E20, 3);
    cairo_arc(cr, 200, 360, 26, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    FillStroke(cr, 0x43A047, 0x1B5E20, 3);
}

void Look(cairo_t* cr) {
    Background(cr, 0xFFF8E1, 0xFFE0B2);
    // A hand mirror with a face in it.
    RoundedRect(cr, 185, 300, 30, 90, 12);
    FillStroke(cr, 0x8D6E63, 0x4E342E, 3);
    Ellipse(cr, 200, 180, 140, 150);
    FillStroke(cr, 0xE1F5FE, 0x8D6E63, 16);
    // Hair behind the face.
    Ellipse(cr, 200, 170, 90, 100);
    SetRgb(cr, 0x6D4C41);
    cairo_fill(cr);
    Ellipse(cr, 200, 195, 70, 85);
    FillStroke(cr, 0xF2C09A, 0x8A5A3C, 3);
    cairo_move_to(cr, 130, 170);  // fringe
    cairo_curve_to(cr, 150, 100, 260, 100, 270, 170);
    cairo_curve_to(cr, 240, 130, 170, 130, 130, 170);
    SetRgb(cr, 0x6D4C41);
    cairo_fill(cr);
    // Glasses, eyes and smile.
    SetRgb(cr, kInk);
    Ellipse(cr, 175, 190, 6, 7);
    Ellipse(cr, 225, 190, 6, 7);
    cairo_fill(cr);
    cairo_set_line_width(cr, 5);
    Ellipse(cr, 175, 190, 22, 18);
    Ellipse(cr, 225, 190, 22, 18);
    cairo_move_to(cr, 197, 188);
    cairo_line_to(cr, 203, 188);
    cairo_stroke(cr);
    SetRgb(cr, 0xC62828);
    cairo_arc(cr, 200, 225, 24, 0.2 * M_PI, 0.8 * M_PI);
    cairo_stroke(cr);
    // Sparkle on the glass.
    SetRgba(cr, 0xFFFFFF, 0.9);
    cairo_move_to(cr, 300, 80);
    cairo_line_to(cr, 308, 100);
    cairo_line_to(cr, 328, 108);
    cairo_line_to(cr, 308, 116);
    cairo_line_to(cr, 300, 136);
    cairo_line_to(cr, 292, 116);
    cairo_line_to(cr, 272, 108);
    cairo_line_to(cr, 292, 100);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace

void DrawTopicPicture(int topic, Canvas& canvas) {
    using Draw = void (*)(cairo_t*);
    static const Draw draws[kTopicCount] = {
        Constructions,       HumanBody, Time,      FoodAndDrink, Places,   House,
        FruitsAndVegetables, Travel,    Utilities, Nature,       Clothing, Look,
    };
    if (topic < 0 || topic >= kTopicCount) return;
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, 200 * (1 - kArtScale), 0);
    cairo_scale(cr, kArtScale, kArtScale);
    draws[topic](cr);
    cairo_restore(cr);
    TitleBanner(cr, kTopicTitles[topic]);
}
